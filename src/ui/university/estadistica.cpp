#include "ui/university/estadistica.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "core/shared/display_mode.h"
#include "ui/shared/bar_chart_view.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/look.h"
#include "ui/shared/qt_display.h"
#include "ui/shared/screen_parts.h"

namespace velmora {
namespace {

using S = StatisticsControl;

// The two panels at their places, each a chart with its scroll bar down the right.
constexpr QRect kPanelEst1{96, 72, 832, 524};
constexpr QRect kPanelEst2{72, 72, 880, 524};
constexpr int kScrollWidth = 20;
constexpr int kInset = 4;

QLabel* WindowLabel(QWidget* parent, const char* name, QRect at, int points, bool bold,
                    PaletteColour colour) {
    QLabel* label = MakeLabel(parent, name, at);
    label->setFont(ArialFont(points, bold));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, ToQColor(colour));
    label->setPalette(colours);
    return label;
}

}  // namespace

TEstadisticas::TEstadisticas(Enlace& enlace, AddressOpener& opener, QWidget* parent)
    : QWidget(parent), model_(std::make_unique<VocationalStatistics>(enlace, opener)) {
    FormCreate();
}

TEstadisticas::~TEstadisticas() {
    model_->setOnChange({});
}

void TEstadisticas::FormCreate() {
    setObjectName(QStringLiteral("TEstadisticas"));
    setFixedSize(kScreenMode.width, kScreenMode.height);
    move(0, 0);
    Paint(this, PaletteColour::LightPeach);

    LabelEst1 = WindowLabel(this, "LabelEst1", {96, 12, 832, 28}, 14, true, PaletteColour::Navy);
    LabelEst2 = WindowLabel(this, "LabelEst2", {96, 42, 832, 26}, 11, false, PaletteColour::Navy);

    auto panel = [this](const char* name, QRect at, BarChartView*& chart, QScrollBar*& bar,
                        const char* barName) {
        QFrame* frame = MakePanel(this, name, at);
        chart = new BarChartView(frame);
        chart->setGeometry(kInset, kInset, at.width() - 2 * kInset - kScrollWidth,
                           at.height() - 2 * kInset);
        chart->installEventFilter(this);
        bar = new QScrollBar(Qt::Vertical, frame);
        bar->setObjectName(QString::fromLatin1(barName));
        bar->setGeometry(at.width() - kInset - kScrollWidth, kInset, kScrollWidth,
                         at.height() - 2 * kInset);
        bar->setPageStep(VocationalStatistics::kRows);
        frame->setMouseTracking(true);
        frame->installEventFilter(this);
        return frame;
    };
    PanelEst1 = panel("PanelEst1", kPanelEst1, chart1, ScrollBar1, "ScrollBar1");
    PanelEst2 = panel("PanelEst2", kPanelEst2, chart2, ScrollBar2, "ScrollBar2");

    LabelVerde =
        WindowLabel(this, "LabelVerde", {96, 602, 260, 24}, 11, true, PaletteColour::Green);
    LabelRojo = WindowLabel(this, "LabelRojo", {366, 602, 320, 24}, 11, true, PaletteColour::Red);
    LabelInfo2 =
        WindowLabel(this, "LabelInfo2", {700, 598, 252, 30}, 14, false, PaletteColour::Blue);
    LabelInfo2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelInfo2->setMouseTracking(true);
    LabelInfo2->installEventFilter(this);
    LabelExplica3 =
        WindowLabel(this, "LabelExplica3", {96, 632, 832, 22}, 11, false, PaletteColour::Navy);
    LabelExplica1 =
        WindowLabel(this, "LabelExplica1", {96, 656, 700, 40}, 9, false, PaletteColour::Navy);
    LabelExplica2 =
        WindowLabel(this, "LabelExplica2", {96, 656, 700, 40}, 9, false, PaletteColour::Navy);
    for (QLabel* explanation : {LabelExplica1, LabelExplica2}) explanation->setWordWrap(true);
    ButtonRetroEsta = MakeButton(this, "ButtonRetroEsta", {818, 660, 134, 36});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(VocationalStatistics::kTimer1Ms);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(VocationalStatistics::kTimer2Ms);

    for (int i = 0; i < kStatisticsControlCount; ++i)
        controls_[static_cast<size_t>(i)] =
            findChild<QWidget*>(NameOf(StatisticsName(static_cast<S>(i))));
    connectControls();
    model_->setOnChange([this] {
        if (!applying_) apply(model_->takeChanges());
    });
    model_->FormCreate();
    StatisticsChanges everything;
    everything.parts = ~0u;
    model_->takeChanges();
    apply(everything);
}

void TEstadisticas::connectControls() {
    VocationalStatistics* m = model_.get();
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this, m](int value) {
        if (!applying_) m->ScrollBar1Change(value);
    });
    connect(ScrollBar2, &QScrollBar::valueChanged, this, [this, m](int value) {
        if (!applying_) m->ScrollBar2Change(value);
    });
    connect(Timer1, &QTimer::timeout, this, [m] { m->tick(VocationalStatistics::Timer::Timer1); });
    connect(Timer2, &QTimer::timeout, this, [m] { m->tick(VocationalStatistics::Timer::Timer2); });
    connect(ButtonRetroEsta, &QPushButton::clicked, this, [m] { m->ButtonRetroEstaClick(); });
}

void TEstadisticas::apply(const StatisticsChanges& changes) {
    applying_ = true;
    const StatisticsView& view = model_->view();
    if (changes.has(StatisticsChanges::Controls) || changes.has(StatisticsChanges::Window)) {
        setWindowTitle(view.windowTitle);
        ApplyControls(controls_, view.controls);
    }
    if (changes.has(StatisticsChanges::Charts)) {
        chart1->setPicture(view.charts[0]);
        chart2->setPicture(view.charts[1]);
    }
    if (changes.has(StatisticsChanges::ScrollBars)) {
        const std::array<QScrollBar*, 2> bars = {ScrollBar1, ScrollBar2};
        for (size_t b = 0; b < bars.size(); ++b) {
            bars[b]->setRange(view.scrollBars[b].minimum, view.scrollBars[b].maximum);
            bars[b]->setValue(view.scrollBars[b].position);
        }
    }
    if (changes.has(StatisticsChanges::Timers)) {
        const std::array<QTimer*, 2> timers = {Timer1, Timer2};
        for (size_t t = 0; t < timers.size(); ++t) {
            if (view.timers[t] && !timers[t]->isActive()) timers[t]->start();
            if (!view.timers[t] && timers[t]->isActive()) timers[t]->stop();
        }
    }
    if (changes.has(StatisticsChanges::Info)) {
        QFont font = LabelInfo2->font();
        font.setUnderline(view.infoUnderlined);
        LabelInfo2->setFont(font);
    }
    if (changes.has(StatisticsChanges::Window) || changes.showOwner)
        FollowWindowState(this, owner_, view.visible, closing_, changes.showOwner);
    applying_ = false;
    const StatisticsChanges later = model_->takeChanges();
    if (later.any()) apply(later);
}

void TEstadisticas::closeEvent(QCloseEvent* event) {
    closing_ = true;
    model_->FormClose();
    closing_ = false;
    event->accept();
}

void TEstadisticas::wheelEvent(QWheelEvent* event) {
    model_->FormMouseWheel(event->angleDelta().y());
    event->accept();
}

bool TEstadisticas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LabelInfo2) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            model_->LabelInfo2MouseMove();
        if (event->type() == QEvent::MouseButtonRelease) model_->LabelInfoClick();
    } else if (event->type() == QEvent::MouseMove) {
        model_->PanelMouseMove();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
