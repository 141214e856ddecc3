#include "ui/menu/animacion.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include "core/menu/scene.h"
#include "core/shared/display_mode.h"
#include "core/shared/enlace.h"
#include "core/shared/messages.h"
#include "core/shared/shutdown.h"
#include "ui/menu/scene_painter.h"
#include "ui/shared/drawing.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

// ArialFont draws every text at its size on a 96-dpi screen, whatever the screen says, so the
// texts never come out larger and the adjustment for large-font screens is never needed.
constexpr int kTextDotsPerInch = 96;
constexpr std::chrono::milliseconds kSpeedMeasure{50};

}  // namespace

Tform9::Tform9(ScenePlatform platform, QWidget* parent)
    : QWidget(parent), platform_(platform) {
    FormCreate();
}

Tform9::~Tform9() = default;

void Tform9::FormCreate() {
    setObjectName(QStringLiteral("Tform9"));
    const QString& school = platform_.enlace.settings.schoolName;
    setWindowTitle(school.isEmpty() ? QStringLiteral("Velmora 2020/21")
                                    : QStringLiteral("Velmora 2020/21 - %1").arg(school));
    setFixedSize(kScreenMode.width, kScreenMode.height);
    move(0, 0);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);

    CheckDisplayMode(true, platform_.enlace, platform_.display);

    backBuffer_ = QImage(kScreenMode.width, kScreenMode.height, QImage::Format_RGB32);
    TileImage(backBuffer_, platform_.pictures.picture("parte"));
    surface_ = QImage(kScreenMode.width, kScreenMode.height, QImage::Format_RGB32);
    surface_.fill(Qt::black);

    pictures_ = ScenePictures::Load(platform_.enlace.paths);
    if (!pictures_.ok()) {
        platform_.enlace.messages.showMessage(QStringLiteral("No funcionará la animación."));
        // The plain main menu is then the home screen.
        platform_.enlace.animationEnabled = false;
        return;
    }
    const SceneSpeed speed = SceneSpeedFor(MeasureEquivalentMegahertz(kSpeedMeasure));
    scene_ = std::make_unique<Scene>(platform_.enlace, platform_.navigation, pictures_.sizes(),
                                     speed, Scene::FontAdjustmentFor(kTextDotsPerInch));

    DXTimer = new QTimer(this);
    DXTimer->setObjectName(QStringLiteral("DXTimer"));
    DXTimer->setInterval(Scene::kFrameInterval);
    connect(DXTimer, &QTimer::timeout, this, [this] { DXTimerTimer(); });
}

void Tform9::DXTimerTimer() {
    if (!scene_) return;
    scene_->tick();
    present();
    apply();
}

void Tform9::present() {
    QPainter painter(&surface_);
    painter_.paint(painter, scene_->frame());
    painter.end();
    update();
}

void Tform9::apply() {
    setCursor(scene_->handCursor() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    DXTimer->setInterval(scene_->curtainRunning() ? Scene::kCurtainInterval
                                                  : Scene::kFrameInterval);
    if (scene_->takeCloseRequest()) {
        // The question is modal: no frame runs while it is asked.
        DXTimer->stop();
        close();
        if (isVisible() && scene_->visible()) DXTimer->start();
    }
    if (!scene_->visible() && isVisible()) hide();
}

void Tform9::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, surface_);
}

void Tform9::mouseMoveEvent(QMouseEvent* event) {
    if (scene_) scene_->pointerMove(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void Tform9::mouseReleaseEvent(QMouseEvent* event) {
    if (!scene_ || event->button() != Qt::LeftButton) return;
    // The second release of a double click is no click of its own.
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return;
    }
    scene_->click(event->position().toPoint());
    apply();
}

void Tform9::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!scene_ || event->button() != Qt::LeftButton) return;
    releaseEndsDoubleClick_ = true;
    scene_->doubleClick(event->position().toPoint());
    apply();
}

void Tform9::wheelEvent(QWheelEvent* event) {
    if (!scene_) return;
    scene_->wheel(event->position().toPoint());
    apply();
}

void Tform9::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (DXTimer) DXTimer->stop();
        close();
        if (isVisible() && DXTimer) DXTimer->start();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Tform9::closeEvent(QCloseEvent* event) {
    if (platform_.shutdown.closeHome()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Tform9::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!scene_) return;
    scene_->shown();
    // The pointer may have moved while another screen was shown.
    scene_->pointerMove(mapFromGlobal(QCursor::pos()));
    DXTimer->start();
    setFocus();
}

void Tform9::hideEvent(QHideEvent* event) {
    if (DXTimer) DXTimer->stop();
    QWidget::hideEvent(event);
}

}  // namespace velmora
