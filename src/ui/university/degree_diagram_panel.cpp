#include "ui/university/degree_diagram_panel.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "ui/shared/drawing.h"
#include "ui/shared/look.h"
#include "ui/shared/screen_parts.h"

namespace velmora {
namespace {

using Kind = DegreeDiagramShape::Kind;

// The world of work in maroon, the rest of the diagram in navy.
bool IsWork(std::string_view name) {
    return name == "LabelG5" || name == "LabelG10";
}

void PaintArrowLine(QPainter& p, QPoint from, QPoint to) {
    constexpr double kHead = 14;
    QPen pen(ToQColor(PaletteColour::Maroon), 5, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const QPointF tip(to);
    const QPointF back = tip - QPointF(std::cos(angle) * kHead, std::sin(angle) * kHead);
    p.drawLine(QPointF(from), back);
    const QPointF side(std::sin(angle) * kHead * 0.6, -std::cos(angle) * kHead * 0.6);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(back + side);
    head.lineTo(back - side);
    head.closeSubpath();
    p.fillPath(head, ToQColor(PaletteColour::Maroon));
}

}  // namespace

DegreeDiagramPanel::DegreeDiagramPanel(QWidget* parent, Handlers handlers) : QFrame(parent) {
    setObjectName(QStringLiteral("PanelGradosT"));
    setGeometry(DegreeDiagram::kPanel);
    for (const DegreeDiagramLabel& l : DegreeDiagram::Labels()) {
        auto* label = new QLabel(this);
        label->setObjectName(NameOf(l.name));
        label->setGeometry(l.rect);
        label->setFont(ArialFont(l.points, l.bold));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         ToQColor(IsWork(l.name) ? PaletteColour::Maroon : PaletteColour::Navy));
        label->setPalette(palette);
        labels_.push_back(label);
    }
    // The covers go over the labels: created after them.
    const auto design = DegreeDiagram::DesignCovers();
    const char* const names[] = {"PanelMueve1", "panelmueve2", "Panelmueve3", "Panelmueve4",
                                 "Panelmueve5", "Panelmueve6", "Panelmueve7"};
    for (size_t k = 0; k < covers.size(); ++k) {
        covers[k] = new QFrame(this);
        covers[k]->setObjectName(QLatin1String(names[k]));
        covers[k]->setGeometry(design[k]);
        covers[k]->setAutoFillBackground(true);
        QPalette palette = covers[k]->palette();
        palette.setColor(QPalette::Window, Qt::white);
        covers[k]->setPalette(palette);
    }

    sentenceClip = new QWidget(this);
    sentenceClip->setGeometry(DegreeDiagram::kLabelGTexto);
    LabelGTexto = new QLabel(sentenceClip);
    LabelGTexto->setObjectName(QStringLiteral("LabelGTexto"));
    LabelGTexto->setGeometry(QRect(QPoint(0, 0), DegreeDiagram::kLabelGTexto.size()));
    LabelGTexto->setFont(ArialFont(13, true));
    LabelGTexto->setWordWrap(true);
    LabelGTexto->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette white = LabelGTexto->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    LabelGTexto->setPalette(white);

    BotAvanza = ArrowButton(QStringLiteral("BotAvanza"), DegreeDiagram::kBotAvanza, false, this);
    BotAcabarG = MakeButton(this, "BotAcabarG", DegreeDiagram::kBotAcabarG);
    for (QWidget* button : {static_cast<QWidget*>(BotAvanza), static_cast<QWidget*>(BotAcabarG)})
        button->setCursor(Qt::PointingHandCursor);

    Timergrado = new QTimer(this);
    Timergrado->setObjectName(QStringLiteral("Timergrado"));
    Timerfrase = new QTimer(this);
    Timerfrase->setObjectName(QStringLiteral("Timerfrase"));
    for (QTimer* timer : {Timergrado, Timerfrase}) timer->setInterval(DegreeDiagram::kTickMs);
    connect(Timergrado, &QTimer::timeout, this, handlers.grado);
    connect(Timerfrase, &QTimer::timeout, this, handlers.frase);
    connect(BotAvanza, &QToolButton::clicked, this, handlers.forward);
    connect(BotAcabarG, &QPushButton::clicked, this, handlers.finish);
}

QLabel* DegreeDiagramPanel::label(std::string_view name) const {
    for (QLabel* l : labels_)
        if (l->objectName() == NameOf(name)) return l;
    return nullptr;
}

void DegreeDiagramPanel::apply(const DegreeDiagram& diagram, bool shown) {
    for (QLabel* l : labels_) l->setText(diagram.caption(l->objectName().toStdString()));
    // The vertical word: the blank after every letter ends its line, and the size is what
    // lets every letter in.
    if (QLabel* vertical = label("LabelGT")) {
        const QString text = diagram.caption("LabelGT");
        vertical->setText(QString(text).replace(u' ', u'\n').trimmed());
        const qsizetype lines = text.size() / 2;
        for (int points = 13; points > 6; --points) {
            vertical->setFont(ArialFont(points, true));
            if (lines * QFontMetrics(vertical->font()).lineSpacing() <= vertical->height()) break;
        }
    }
    BotAcabarG->setText(diagram.finishCaption());
    for (size_t k = 0; k < covers.size(); ++k) {
        const QRect r = diagram.covers()[k];
        covers[k]->setVisible(r.width() > 0);
        if (r.width() > 0) covers[k]->setGeometry(r);
    }
    LabelGTexto->setText(diagram.sentence());
    QRect clip = DegreeDiagram::kLabelGTexto;
    clip.setWidth(diagram.sentenceWidth());
    sentenceClip->setGeometry(clip);
    BotAvanza->setEnabled(diagram.forwardEnabled());
    auto run = [](QTimer* timer, bool running) {
        if (running && !timer->isActive()) timer->start();
        if (!running && timer->isActive()) timer->stop();
    };
    run(Timergrado, diagram.gradoRunning() && shown);
    run(Timerfrase, diagram.fraseRunning() && shown);
}

void DegreeDiagramPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    GradientFill(p, rect(), Qt::white, ToQColor(PaletteColour::Navy));
    p.setRenderHint(QPainter::Antialiasing);
    for (const DegreeDiagramShape& s : DegreeDiagram::Shapes()) {
        switch (s.kind) {
            case Kind::Board:
                p.setPen(QPen(ToQColor(PaletteColour::Navy), 2));
                p.setBrush(Qt::white);
                p.drawRoundedRect(s.rect, 8, 8);
                break;
            case Kind::Box:
                p.setPen(QPen(ToQColor(PaletteColour::Navy), 2));
                p.setBrush(ToQColor(PaletteColour::PaleBlue));
                p.drawRoundedRect(s.rect, 6, 6);
                break;
            case Kind::YearMark:
                p.setPen(QPen(ToQColor(PaletteColour::Navy), 1));
                p.setBrush(ToQColor(PaletteColour::LightYellow));
                p.drawRect(s.rect);
                break;
            case Kind::Arrow:
                PaintArrowLine(p, s.rect.topLeft(), s.rect.bottomRight());
                break;
        }
    }
}

}  // namespace velmora
