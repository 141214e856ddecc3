#include "ui/menu/principal.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "core/menu/doors.h"
#include "core/menu/menu_navigation.h"
#include "core/shared/display_mode.h"
#include "core/shared/enlace.h"
#include "core/shared/shutdown.h"
#include "ui/menu/config_panel.h"
#include "ui/menu/courses_panel.h"
#include "ui/menu/facade.h"
#include "ui/shared/look.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/shadow_label.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

constexpr QSize kFigureSize{56, 168};
constexpr int kHintDelay = 30000;
constexpr int kWidestCentreLabel = 976;
constexpr int kLabelMaxWidth = 165;

void SetColours(QWidget* widget, Rgb text, const PaletteColour* background) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, ToQColor(text));
    if (background) colours.setColor(QPalette::Window, ToQColor(*background));
    widget->setPalette(colours);
    widget->setAutoFillBackground(background != nullptr);
}

QString LabelText(const MenuTexts& t, MenuLabel which) {
    switch (which) {
        case MenuLabel::Carreras:
            return t.carreras;
        case MenuLabel::Cat:
            return t.cat;
        case MenuLabel::FpS:
            return t.fpS;
        case MenuLabel::Iti:
            return t.iti;
        case MenuLabel::FPM:
            return t.fpm;
        case MenuLabel::FPip:
            return t.fpip;
        case MenuLabel::CurEsp:
            return t.curEsp;
        case MenuLabel::Profe:
            return t.profe;
        case MenuLabel::CuesB:
            return t.cuesB;
        case MenuLabel::CuesE:
            return t.cuesE;
        case MenuLabel::Config:
            return t.config;
        case MenuLabel::Asistente:
            return t.asistente;
        case MenuLabel::Dejar:
            return t.dejar;
    }
    return {};
}

}  // namespace

Tform0::Tform0(MenuPlatform platform, QWidget* parent)
    : QWidget(parent),
      platform_(std::move(platform)),
      menu_(platform_.enlace, platform_.navigation),
      configuration_(platform_.enlace, platform_.settings),
      courses_(platform_.enlace, platform_.opener) {
    FormCreate();
}

Tform0::~Tform0() = default;

QTimer* Tform0::timer(MenuTimer which) const {
    switch (which) {
        case MenuTimer::Piloto:
            return piloto;
        case MenuTimer::Texto:
            return TimerTexto;
        case MenuTimer::Puerta:
            return TimerPuerta;
        case MenuTimer::Zoom:
            return TimerZoom;
        case MenuTimer::Ayuda:
            return TimerAyuda;
    }
    return nullptr;
}

void Tform0::FormCreate() {
    setObjectName(QStringLiteral("Tform0"));
    const QString& school = platform_.enlace.settings.schoolName;
    setWindowTitle(school.isEmpty() ? QStringLiteral("Velmora 2020/21")
                                    : QStringLiteral("Velmora 2020/21 - %1").arg(school));
    setFixedSize(kScreenMode.width, kScreenMode.height);
    move(0, 0);
    SetColours(this, ColourOf(PaletteColour::Navy), nullptr);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    const QImage& parte = platform_.pictures.picture("parte");
    mosaico = new Facade(this);
    mosaico->setGeometry(rect());
    mosaico->setTiles(parte);
    mosaico->onPointerMove([this] {
        menu_.pointerOverBackground();
        refresh();
    });

    ImageDejar = new QLabel(this);
    ImageDejar->setObjectName(QStringLiteral("ImageDejar"));
    ImageDejar->setGeometry(913, 288, 97, 57);
    ImageDejar->setScaledContents(true);
    const QImage sign =
        SharedPictures::LoadPicture(platform_.enlace.paths.dataFile(QStringLiteral("rotulon.bmp")));
    if (!sign.isNull()) ImageDejar->setPixmap(QPixmap::fromImage(sign));
    ImageDejar->installEventFilter(this);

    menu_.setUp(!sign.isNull(), parte.size());
    layOutLabels();
    layOutFigureAndBubble();
    layOutHelp();

    panelConfigu = new ConfigPanel(configuration_, menu_.texts(), this);
    PanelEspeG = new CoursesPanel(courses_, menu_.texts(), platform_.pictures, this);

    for (int i = 0; i < kMenuTimerCount; ++i) {
        const auto which = static_cast<MenuTimer>(i);
        auto* t = new QTimer(this);
        t->setInterval(IntervalOf(which));
        connect(t, &QTimer::timeout, this, [this, which] { tick(which); });
        switch (which) {
            case MenuTimer::Piloto:
                piloto = t;
                t->setObjectName(QStringLiteral("piloto"));
                break;
            case MenuTimer::Texto:
                TimerTexto = t;
                t->setObjectName(QStringLiteral("TimerTexto"));
                break;
            case MenuTimer::Puerta:
                TimerPuerta = t;
                t->setObjectName(QStringLiteral("TimerPuerta"));
                break;
            case MenuTimer::Zoom:
                TimerZoom = t;
                t->setObjectName(QStringLiteral("TimerZoom"));
                break;
            case MenuTimer::Ayuda:
                TimerAyuda = t;
                t->setObjectName(QStringLiteral("TimerAyuda"));
                break;
        }
    }

    platform_.enlace.hintPause.set(kHintDelay);
    // A missing sign ends the program at the start-up's next check: no question before that.
    if (!platform_.enlace.stopFlag) CheckDisplayMode(false, platform_.enlace, platform_.display);
    refresh();
}

void Tform0::layOutLabels() {
    const MenuTexts& texts = menu_.texts();
    for (const MenuLabelPlace& place : MenuLabelPlaces()) {
        auto* label = new QLabel(LabelText(texts, place.label), this);
        label->setObjectName(
            QString::fromLatin1(place.name.data(), static_cast<qsizetype>(place.name.size())));
        const bool sign = place.label == MenuLabel::Dejar;
        label->setFont(ArialFont(sign ? 9 : 10, true));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        label->setMargin(sign ? 0 : 2);
        label->adjustSize();
        // A caption wider than a tile wraps rather than running over the next door's label.
        if (label->width() > kLabelMaxWidth) {
            label->setWordWrap(true);
            label->resize(kLabelMaxWidth, label->heightForWidth(kLabelMaxWidth));
        }
        label->move(place.topLeft);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        labels[static_cast<size_t>(place.label)] = label;
    }

    LabelCentro = new ShadowLabel(this);
    LabelCentro->setObjectName(QStringLiteral("LabelCentro"));
    LabelCentro->setFont(ArialFont(15, true));
    LabelCentro->setColours(PaletteColour::Navy, PaletteColour::White);
    LabelCentro->setText(texts.centro);
    LabelCentro->adjustSize();
    // Between the side strips at most; a long school name gets a smaller font instead.
    LabelCentro->resize(std::min(LabelCentro->width() + 2, kWidestCentreLabel),
                        LabelCentro->height() + 2);
    ShrinkFontToFit(LabelCentro);
    LabelCentro->move(512 - LabelCentro->width() / 2, 624);

    LabelAno = new ShadowLabel(this);
    LabelAno->setObjectName(QStringLiteral("LabelAno"));
    LabelAno->setFont(ArialFont(20, true));
    LabelAno->setColours(PaletteColour::Navy, PaletteColour::White);
    LabelAno->setText(texts.ano);
    LabelAno->adjustSize();
    LabelAno->resize(LabelAno->width() + 2, LabelAno->height() + 2);
    LabelAno->move(440, 648);
}

void Tform0::layOutFigureAndBubble() {
    anda = new QLabel(this);
    anda->setObjectName(QStringLiteral("anda"));
    anda->setGeometry(QRect(MainMenu::kFigureStart, kFigureSize));
    anda->setAttribute(Qt::WA_TransparentForMouseEvents);
    anda->hide();

    Bocadillo1 = new QLabel(this);
    Bocadillo1->setObjectName(QStringLiteral("Bocadillo1"));
    Bocadillo1->setGeometry(236, 160, 195, 140);
    Bocadillo1->setPixmap(QPixmap::fromImage(BubblePicture()));
    Bocadillo1->hide();
    auto bubbleText = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(ArialFont(9, true));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(244, 168, 177, 96);
        SetColours(label, ColourOf(PaletteColour::Navy), nullptr);
        label->hide();
        return label;
    };
    LabelBocadillo1 = bubbleText("LabelBocadillo1", menu_.texts().bocadillo1);
    labelBocadillo2 = bubbleText("labelBocadillo2", menu_.texts().bocadillo2);
}

void Tform0::layOutHelp() {
    PanelAyuda = new QWidget(this);
    PanelAyuda->setObjectName(QStringLiteral("PanelAyuda"));
    PanelAyuda->setGeometry(296, 248, 289, 150);
    const PaletteColour pale = PaletteColour::PaleBlue;
    SetColours(PanelAyuda, ColourOf(PaletteColour::Navy), &pale);
    PanelAyuda->hide();
    chica = new QLabel(PanelAyuda);
    chica->setObjectName(QStringLiteral("chica"));
    chica->setGeometry(6, 3, 48, 144);
    chica->setScaledContents(true);
    for (int i = 0; i < 5; ++i) {
        auto* line = new QLabel(PanelAyuda);
        line->setObjectName(QStringLiteral("LabelAyu%1").arg(i + 1));
        line->setFont(ArialFont(9, true));
        line->setGeometry(62, 10 + i * 27, 222, 24);
        LabelAyu[static_cast<size_t>(i)] = line;
    }

    BotRetroce = new QPushButton(menu_.texts().retroce, this);
    BotRetroce->setObjectName(QStringLiteral("BotRetroce"));
    BotRetroce->setFont(ArialFont(9));
    BotRetroce->setGeometry(592, 296, 129, 33);
    connect(BotRetroce, &QPushButton::clicked, this, [this] { BotRetroceClick(); });
}

void Tform0::labelClick(MenuLabel which) {
    const MenuLabelPlace& place = PlaceOf(which);
    switch (which) {
        case MenuLabel::CurEsp:
            PanelEspeG->LabelCurEspClick();
            break;
        case MenuLabel::Config:
            panelConfigu->LabelConfigClick();
            break;
        case MenuLabel::Dejar:
            menu_.dejarClick();
            break;
        default:
            menu_.doorClick(place.door);
            break;
    }
    refresh();
}

void Tform0::BotRetroceClick() {
    if (menu_.botRetroceClick()) {
        close();
        return;
    }
    refresh();
}

void Tform0::tick(MenuTimer which) {
    menu_.tick(which);
    refresh();
}

void Tform0::refresh() {
    for (const MenuLabelPlace& place : MenuLabelPlaces()) {
        QLabel* l = label(place.label);
        const PaletteColour background = menu_.labelBackground(place.label);
        SetColours(l, menu_.labelTextColour(place.label),
                   place.label == MenuLabel::Dejar ? nullptr : &background);
        l->setToolTip(menu_.hintOn(place.label) ? menu_.hintOf(place.label) : QString());
    }
    ImageDejar->setToolTip(label(MenuLabel::Dejar)->toolTip());

    const FigureView& figure = menu_.figure();
    if (figure.visible) {
        const bool walking = figure.frames == FigureView::Frames::Walking;
        const int shown = figure.frame + (walking ? 0 : 100);
        if (shown != figureShown_) {
            const PictureList& frames = walking ? MenuWalkingFrames() : ImageListPuerta();
            anda->setPixmap(QPixmap::fromImage(frames.at(figure.frame)));
            figureShown_ = shown;
        }
        anda->move(figure.position);
        anda->raise();
        // The courses panel covers the whole facade, the figure too, for as long as it is open.
        if (PanelEspeG->isVisible()) PanelEspeG->raise();
    }
    anda->setVisible(figure.visible);

    Bocadillo1->setVisible(menu_.bubble() != 0);
    LabelBocadillo1->setVisible(menu_.bubble() == 1);
    labelBocadillo2->setVisible(menu_.bubble() == 2);

    const ZoomView& zoom = menu_.zoom();
    mosaico->setZoom(zoom, ImageListPuerta().at(zoom.frame));

    PanelAyuda->setVisible(menu_.helpVisible());
    for (int i = 0; i < 5; ++i) LabelAyu[static_cast<size_t>(i)]->setText(menu_.helpLine(i));
    if (menu_.helpFrame() >= 0 && menu_.helpFrame() != helpShown_) {
        chica->setPixmap(QPixmap::fromImage(MenuWalkingFrames().at(menu_.helpFrame())));
        helpShown_ = menu_.helpFrame();
    }

    // The timers run while the menu is on screen: created behind the splash, the figure still
    // walks in when the menu first appears.
    for (int i = 0; i < kMenuTimerCount; ++i) {
        const auto which = static_cast<MenuTimer>(i);
        QTimer* t = timer(which);
        const bool run = menu_.timerRunning(which) && isVisible();
        if (run && !t->isActive()) t->start();
        if (!run && t->isActive()) t->stop();
    }
    if (!menu_.menuVisible() && isVisible()) hide();
}

bool Tform0::eventFilter(QObject* watched, QEvent* event) {
    const bool release = event->type() == QEvent::MouseButtonRelease;
    const bool move = event->type() == QEvent::MouseMove;
    if (!release && !move) return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    const bool leftRelease = release && mouse->button() == Qt::LeftButton &&
                             widget->rect().contains(mouse->position().toPoint());
    if (watched == ImageDejar) {
        if (leftRelease) labelClick(MenuLabel::Dejar);
        return QWidget::eventFilter(watched, event);
    }
    for (const MenuLabelPlace& place : MenuLabelPlaces()) {
        if (watched != label(place.label)) continue;
        if (move) {
            menu_.pointerOverLabel(place.label);
            refresh();
        } else if (leftRelease) {
            labelClick(place.label);
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Tform0::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Tform0::closeEvent(QCloseEvent* event) {
    if (platform_.shutdown.closeHome()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Tform0::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    menu_.menuShown();
    refresh();
}

}  // namespace velmora
