#include "ui/guidance/MapaEstrellas.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "core/guidance/star_map.h"
#include "core/shared/enlace.h"
#include "ui/shared/look.h"
#include "ui/shared/region_map_view.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {

TForm7::TForm7(Enlace& enlace, const SharedPictures& pictures, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      model_(std::make_unique<StarMap>(enlace)) {
    MapaEstrellas = new RegionMapView(enlace.regionMaps, RegionMap::Communities, this);
    FormCreate(pictures);
}

TForm7::~TForm7() = default;

void TForm7::FormCreate(const SharedPictures& pictures) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QString::fromLatin1(StarMap::kTitle));
    // The map fills the client area; the window's frame and title bar come on top of it.
    setFixedSize(StarMap::kWidth, RegionMaps::kCommunityHeight);
    move(StarMap::kLeft, StarMap::kTop);

    MapaEstrellas->setObjectName(QStringLiteral("MapaEstrellas"));
    MapaEstrellas->move(0, 0);
    MapaEstrellas->setPicture(pictures.picture("mapa"));
    // A click anywhere on the star map is a click on the map, sea included.
    MapaEstrellas->setCursorFollowsRegions(false);
    MapaEstrellas->setCursor(Qt::PointingHandCursor);
    MapaEstrellas->installEventFilter(this);
    connect(MapaEstrellas, &RegionMapView::clicked, this,
            [this](int) { model_->MapaEstrellasClick(); });

    PanelMapa = new QLabel(this);
    PanelMapa->setObjectName(QStringLiteral("PanelMapa"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    font.setBold(true);
    PanelMapa->setFont(font);
    PanelMapa->setFrameShape(QFrame::Box);
    PanelMapa->setAutoFillBackground(true);
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette colours = PanelMapa->palette();
    colours.setColor(QPalette::Window, ToQColor(PaletteColour::LightYellow));
    colours.setColor(QPalette::WindowText, ToQColor(PaletteColour::Navy));
    PanelMapa->setPalette(colours);
    PanelMapa->resize(StarMap::kPanelWidth, 18);
    PanelMapa->hide();

    TimerEstrellas = new QTimer(this);
    TimerEstrellas->setObjectName(QStringLiteral("TimerEstrellas"));
    TimerEstrellas->setInterval(StarMap::kTimerInterval);
    connect(TimerEstrellas, &QTimer::timeout, this, [this] { TimerEstrellasTimer(); });

    model_->setOnChange([this] { refresh(); });
}

void TForm7::refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    const StarMapView& view = model_->view();
    if (model_->takeRedrawRequest()) MapaEstrellas->redrawClean();
    PanelMapa->move(view.panelAt);
    PanelMapa->setText(view.panelText);
    PanelMapa->setVisible(view.panelVisible);
    if (view.panelVisible) PanelMapa->raise();
    if (view.timerRunning && !TimerEstrellas->isActive()) TimerEstrellas->start();
    if (!view.timerRunning && TimerEstrellas->isActive()) TimerEstrellas->stop();
    if (view.visible && isHidden()) {
        // Beside the degrees screen, at the right of its top edge.
        const QPoint origin = companion_ ? companion_->pos() : QPoint();
        move(origin + QPoint(StarMap::kLeft, StarMap::kTop));
        show();
        raise();
    } else if (!view.visible && !isHidden()) {
        hide();
    }
    refreshing_ = false;
}

void TForm7::TimerEstrellasTimer() {
    MapaEstrellas->drawMarkerStep(model_->tick());
}

void TForm7::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Closed with its close box: the stars stop as when the degrees screen hides it.
    if (!refreshing_ && model_->view().visible) model_->hide();
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
    if (watched == MapaEstrellas && event->type() == QEvent::MouseMove) {
        // Pixel (c, r) of the map is cell (c + 1, r + 1) of the region grid.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        model_->MapaEstrellasMouseMove(at.x() + 1, at.y() + 1);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
