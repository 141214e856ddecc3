#include "ui/guidance/help_panel_view.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include "core/guidance/help_panel.h"
#include "ui/shared/look.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/screen_parts.h"

namespace velmora {
namespace {
constexpr int kGirlWidth = 56;
constexpr int kLineHeight = 26;
}  // namespace

HelpPanelView::HelpPanelView(HelpPanel& model, QWidget* parent) : QFrame(parent), model_(model) {
    setObjectName(QStringLiteral("HelpPanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    Paint(this, PaletteColour::PaleBlue);
    chica = new QLabel(this);
    chica->setObjectName(QStringLiteral("chica"));
    chica->setGeometry(8, 8, kGirlWidth, 168);
    for (size_t k = 0; k < labels.size(); ++k) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("LabelAyu%1").arg(k + 1));
        label->setFont(ArialFont(11));
        label->setGeometry(kGirlWidth + 16, 10 + static_cast<int>(k) * kLineHeight, 1, kLineHeight);
        labels[k] = label;
    }
    timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("TimerAyuda"));
    timer->setInterval(HelpPanel::kTickMs);
    connect(timer, &QTimer::timeout, this, [this] {
        model_.tick();
        refresh();
        if (!model_.running()) Q_EMIT finished();
    });
    hide();
}

void HelpPanelView::refresh() {
    const int room = width() - kGirlWidth - 24;
    for (size_t k = 0; k < labels.size(); ++k) {
        QLabel* label = labels[k];
        label->resize(room, label->height());
        label->setFont(ArialFont(11));
        label->setText(model_.label(static_cast<int>(k)));
        ShrinkFontToFit(label);
    }
    chica->setPixmap(QPixmap::fromImage(MenuWalkingFrames().at(model_.frame())));
    setVisible(model_.visible());
    if (model_.running() && !timer->isActive()) timer->start();
    if (!model_.running()) timer->stop();
}

void HelpPanelView::finishTyping() {
    for (int k = 0; k < HelpPanel::kLines && model_.running(); ++k) model_.tick();
    refresh();
}

void HelpPanelView::mousePressEvent(QMouseEvent* event) {
    finishTyping();
    QFrame::mousePressEvent(event);
}

}  // namespace velmora
