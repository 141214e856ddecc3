#include "ui/guidance/asistente.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "core/shared/display_mode.h"
#include "core/shared/enlace.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/drawing.h"
#include "ui/shared/look.h"
#include "ui/shared/shadow_label.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

using C = AssistantControl;
using K = AssistantKind;

QString NameOf(AssistantControl control) {
    const std::string_view name = ControlName(control);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

void Fill(QWidget* widget, Rgb colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, ToQColor(colour));
    colours.setColor(QPalette::Base, ToQColor(colour));
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

void TextColour(QWidget* widget, PaletteColour colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, ToQColor(colour));
    widget->setPalette(colours);
}

// The arrow of a step, pointing right, towards the buttons its helicopter flies to.
class Arrow final : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintArrow(p, QRectF(rect()), false);
    }
};

// The helicopter with its white ground made transparent.
QPixmap Helicopter(const QImage& picture) {
    if (picture.isNull()) return {};
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setMask(
        QBitmap::fromImage(picture.createMaskFromColor(QColor(Qt::white).rgb(), Qt::MaskInColor)));
    return pixmap;
}

}  // namespace

TForm5::TForm5(AssistantPlatform platform, QWidget* parent)
    : QWidget(parent),
      platform_(std::move(platform)),
      model_(platform_.enlace, platform_.navigation, platform_.sound) {
    FormCreate();
}

TForm5::~TForm5() = default;

void TForm5::FormCreate() {
    setObjectName(QStringLiteral("TForm5"));
    setFixedSize(kScreenMode.width, kScreenMode.height);
    move(0, 0);


    model_.FormCreate();
    for (const AssistantPlace& place : AssistantLayout())
        controls_[static_cast<size_t>(place.control)] = create(place);
    connectButtons();

    const AssistantTimer all[] = {AssistantTimer::Welcome, AssistantTimer::Start,
                                  AssistantTimer::Step, AssistantTimer::Flight};
    const char* names[] = {"TimerInicio", "TimerEmpieza", "TimerPasos", "TimerHeli"};
    for (size_t i = 0; i < kAssistantTimerCount; ++i) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(names[i]));
        t->setInterval(IntervalOf(all[i]));
        connect(t, &QTimer::timeout, this, [this, which = all[i]] { tick(which); });
        timers_[i] = t;
    }

    AssistantChanges everything;
    everything.parts = ~0u;
    model_.takeChanges();
    apply(everything);
}

QWidget* TForm5::create(const AssistantPlace& place) {
    QWidget* parent = place.parent ? control(*place.parent) : this;
    QWidget* w = nullptr;
    switch (place.kind) {
        case K::Panel: {
            auto* panel = new QFrame(parent);
            panel->setFrameShape(QFrame::Box);
            panel->setFont(ArialFont(11));
            w = panel;
            break;
        }
        case K::Picture: {
            w = new TiledPicture(platform_.pictures, "parte", parent);
            break;
        }
        case K::Label: {
            auto* label = new QLabel(parent);
            label->setFont(ArialFont(11, true));
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
            label->setMargin(4);
            TextColour(label, PaletteColour::Navy);
            w = label;
            break;
        }
        case K::Title: {
            auto* label = new QLabel(parent);
            label->setFont(ArialFont(14, true));
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setCursor(Qt::PointingHandCursor);
            TextColour(label, PaletteColour::Maroon);
            label->installEventFilter(this);
            w = label;
            break;
        }
        case K::Tile: {
            auto* tile = new QLabel(parent);
            tile->setFont(ArialFont(20, true));
            tile->setAlignment(Qt::AlignCenter);
            tile->setFrameShape(QFrame::Box);
            tile->setLineWidth(2);
            tile->setCursor(Qt::PointingHandCursor);
            TextColour(tile, PaletteColour::Navy);
            tile->installEventFilter(this);
            w = tile;
            break;
        }
        case K::Button:
            w = MakeButton(parent, std::string(ControlName(place.control)).c_str(), place.rect);
            w->setCursor(Qt::PointingHandCursor);
            break;
        case K::Arrow: {
            auto* arrow = new Arrow(parent);
            arrow->setCursor(Qt::PointingHandCursor);
            arrow->installEventFilter(this);
            w = arrow;
            break;
        }
        case K::Helicopter: {
            auto* helicopter = new QLabel(parent);
            helicopter->setPixmap(Helicopter(platform_.pictures.picture("heli.bmp")));
            helicopter->setScaledContents(true);
            helicopter->setAttribute(Qt::WA_TransparentForMouseEvents);
            w = helicopter;
            break;
        }
        case K::List: {
            auto* list =
                MakeList(parent, std::string(ControlName(place.control)).c_str(), place.rect);
            list->setFrameShape(QFrame::NoFrame);
            list->setSelectionMode(QAbstractItemView::NoSelection);
            list->setFocusPolicy(Qt::NoFocus);
            w = list;
            break;
        }
        case K::School: {
            auto* label = new ShadowLabel(parent);
            label->setFont(ArialFont(14, true));
            label->setColours(PaletteColour::Navy, PaletteColour::White);
            label->setAlignment(Qt::AlignCenter);
            w = label;
            break;
        }
    }
    w->setObjectName(NameOf(place.control));
    w->setGeometry(place.rect);
    if (place.colour) Fill(w, *place.colour);
    return w;
}

void TForm5::connectButtons() {
    for (const AssistantPlace& place : AssistantLayout()) {
        if (place.kind != K::Button) continue;
        auto* button = static_cast<QPushButton*>(control(place.control));
        connect(button, &QPushButton::clicked, this,
                [this, which = place.control] { click(which); });
    }
}

void TForm5::click(AssistantControl which) {
    switch (which) {
        case C::Panel2:
        case C::BotEso:
        case C::L41:
            model_.ChooseEso();
            break;
        case C::Panel3:
        case C::BotBachi:
        case C::Lb1:
            model_.ChooseBachillerato();
            break;
        case C::Image2:
        case C::Image3:
        case C::Image4:
        case C::Image6:
        case C::Image7:
        case C::Image8:
            model_.ArrowClick(which);
            break;
        case C::BotDiversi:
            model_.BotDiversiClick();
            break;
        case C::BotFP:
            model_.BotFPClick();
            break;
        case C::BotFP2:
            model_.BotFP2Click();
            break;
        case C::BotCerrar:
            model_.BotCerrarClick();
            break;
        case C::BotCerrar2:
            model_.BotCerrar2Click();
            break;
        case C::BotRetroAsis:
            leave();
            return;
        default:
            // The target screen is on show when this returns true.
            if (model_.OpenClick(which)) hide();
            break;
    }
    refresh();
}

void TForm5::leave() {
    const LeaveTo where = model_.BotRetroAsisClick();
    refresh();
    HandOver(this, ScreenOf(where), platform_.screen);
}

void TForm5::openedFromMenu() {
    model_.openedFromMenu();
}

void TForm5::tick(AssistantTimer which) {
    model_.tick(which);
    refresh();
}

void TForm5::apply(const AssistantChanges& changes) {
    const AssistantView& view = model_.view();
    if (changes.has(AssistantChanges::Captions)) {
        setWindowTitle(view.windowTitle);
        for (const AssistantPlace& place : AssistantLayout()) {
            QWidget* w = control(place.control);
            const QString& caption = view.caption[static_cast<size_t>(place.control)];
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                button->setText(caption);
            } else if (auto* label = qobject_cast<QLabel*>(w);
                       label && place.kind != K::Picture && place.kind != K::Helicopter) {
                label->setText(caption);
                if (place.kind == K::School) ShrinkFontToFit(label);
            }
            w->setToolTip(view.hint[static_cast<size_t>(place.control)]);
        }
    }
    if (changes.has(AssistantChanges::Geometry))
        for (int i = 0; i < kAssistantControlCount; ++i)
            controls_[static_cast<size_t>(i)]->setGeometry(view.geometry[static_cast<size_t>(i)]);
    if (changes.has(AssistantChanges::Lists)) {
        for (const auto& [list, rows] : {std::pair{C::ListBox1, &view.diversification},
                                         std::pair{C::ListFP2, &view.transition}}) {
            auto* widget = static_cast<QListWidget*>(control(list));
            widget->clear();
            for (const QString& row : *rows) widget->addItem(row);
        }
    }
    if (changes.has(AssistantChanges::Visibility)) {
        for (int i = 0; i < kAssistantControlCount; ++i)
            controls_[static_cast<size_t>(i)]->setVisible(view.visible[static_cast<size_t>(i)]);
        // The lists open over whatever lies below them.
        for (const C list : {C::PanelDiversifi, C::PanelFP2})
            if (model_.visible(list)) control(list)->raise();
    }
    // The timers run only while the assistant is on screen.
    for (size_t i = 0; i < kAssistantTimerCount; ++i) {
        const bool run = model_.timerRunning(static_cast<AssistantTimer>(i)) && isVisible();
        if (run && !timers_[i]->isActive()) timers_[i]->start();
        if (!run && timers_[i]->isActive()) timers_[i]->stop();
    }
}

void TForm5::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_.FormActivate();
    refresh();
}

void TForm5::closeEvent(QCloseEvent* event) {
    // Closing the window is leaving it: the student is taken home, not left without a screen.
    if (isVisible()) leave();
    event->accept();
}

void TForm5::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintTiles(p, rect(), platform_.pictures, "suelo");
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    if (mouse->button() != Qt::LeftButton || !widget->rect().contains(mouse->position().toPoint()))
        return QWidget::eventFilter(watched, event);
    for (int i = 0; i < kAssistantControlCount; ++i)
        if (controls_[static_cast<size_t>(i)] == watched) {
            click(static_cast<AssistantControl>(i));
            return true;
        }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
