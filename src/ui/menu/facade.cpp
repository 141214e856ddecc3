#include "ui/menu/facade.h"

#include <QPainter>


namespace velmora {

Facade::Facade(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mosaico"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Facade::setTiles(const QImage& parte) {
    parte_ = parte;
    tile_ = QPixmap::fromImage(parte);
    update();
}

void Facade::setZoom(const ZoomView& zoom, const QImage& figure) {
    if (!zoom.active && !zoom_.active) return;
    zoom_ = zoom;
    figure_ = figure;
    update();
}

void Facade::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (tile_.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawTiledPixmap(rect(), tile_);
    if (!zoom_.active) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(zoom_.rect, parte_);
    if (!figure_.isNull()) painter.drawImage(zoom_.figure, figure_);
}

void Facade::mouseMoveEvent(QMouseEvent* event) {
    if (pointerMoved_) pointerMoved_();
    QWidget::mouseMoveEvent(event);
}

}  // namespace velmora
