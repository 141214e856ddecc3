#include "ui/shared/region_map_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/shared/look.h"

namespace velmora {

RegionMapView::RegionMapView(RegionMaps& maps, RegionMap which, QWidget* parent)
    : QWidget(parent), maps_(maps), which_(which) {
    setMouseTracking(true);
    resize(RegionMaps::kWidth, RegionMaps::Height(which));
}

void RegionMapView::setPicture(const QImage& picture) {
    clean_ = picture.convertToFormat(QImage::Format_RGB32);
    redrawClean();
    resize(clean_.size());
}

void RegionMapView::redrawClean() {
    image_ = clean_;
    update();
}

void RegionMapView::setNamePanel(QWidget* host, int offsetY, int width,
                                 std::function<QString(int)> name) {
    delete panel_;
    panel_ = new QLabel(host);
    panel_->setObjectName(QStringLiteral("PanelMapa"));
    panel_->setFont(ArialFont(9, true));
    panel_->setAutoFillBackground(true);
    QPalette pal = panel_->palette();
    pal.setColor(QPalette::Window, ToQColor(PaletteColour::LightYellow));
    pal.setColor(QPalette::WindowText, ToQColor(PaletteColour::Navy));
    panel_->setPalette(pal);
    panel_->setFrameShape(QFrame::Box);
    panel_->setFixedSize(width, 18);
    panel_->hide();
    panelOffset_ = offsetY;
    name_ = std::move(name);
}

void RegionMapView::drawMarkerStep(const MarkerStep& step) {
    if (image_.isNull()) return;
    QPainter p(&image_);
    p.setPen(pen_);
    p.setBrush(brush_);
    for (const MarkerStep::Ellipse& e : step.ellipses)
        p.drawEllipse(QRect(QPoint(e.left, e.top), QPoint(e.right - 1, e.bottom - 1)));
    pen_ = ToQColor(step.nextPen);
    brush_ = ToQColor(step.nextBrush);
    update();
}

void RegionMapView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void RegionMapView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int x = at.x() + 1;
    const int y = at.y() + 1;
    const std::optional<bool> named = maps_.PointerMoved(which_, x, y);
    if (!named) return;  // off the map: nothing changes, not even the panel
    if (cursorFollowsRegions_) {
        if (*named)
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
    }
    if (!panel_) return;
    // The panel's place is the pointer's position plus the screen's own offset, in the panel's
    // parent.
    panel_->move(x, y + panelOffset_);
    panel_->setText(*named && name_ ? name_(maps_.regionUnderCursor) : QString());
    panel_->show();
    panel_->raise();
}

void RegionMapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Q_EMIT clicked(maps_.regionUnderCursor);
}

}  // namespace velmora
