#include "ui/shared/picture_lists.h"

#include <QPainter>

namespace velmora {
namespace {

QImage Resource(const char* name) {
    return QImage(QStringLiteral(":/pictures/") + QLatin1String(name))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

PictureList::PictureList(const QImage& strip, QSize frame) : strip_(strip), frame_(frame) {
    count_ =
        frame.width() > 0 && frame.height() == strip.height() ? strip.width() / frame.width() : 0;
}

QImage PictureList::at(int k) const {
    if (k < 0 || k >= count_) return {};
    return strip_.copy(k * frame_.width(), 0, frame_.width(), frame_.height());
}

void PictureList::draw(QPainter& painter, QPoint at, int k) const {
    if (k < 0 || k >= count_) return;
    painter.drawImage(at, strip_, QRect(k * frame_.width(), 0, frame_.width(), frame_.height()));
}

void PictureList::drawStretched(QPainter& painter, const QRect& target, int k) const {
    if (k < 0 || k >= count_) return;
    painter.drawImage(target, strip_,
                      QRect(k * frame_.width(), 0, frame_.width(), frame_.height()));
}

// Loaded on first use and only read afterwards.
const PictureList& ImageListIconos() {
    static const PictureList list(Resource("iconos.png"), QSize(30, 30));
    return list;
}

const PictureList& MenuWalkingFrames() {
    static const PictureList list(Resource("andar.png"), QSize(56, 168));
    return list;
}

const PictureList& ImageListPuerta() {
    static const PictureList list(Resource("puerta.png"), QSize(56, 168));
    return list;
}

const PictureList& ImageListRamas() {
    static const PictureList list(Resource("ramas.png"), QSize(40, 40));
    return list;
}

const PictureList& DegreesRowIcons() {
    static const PictureList list(Resource("grados.png"), QSize(16, 16));
    return list;
}

const PictureList& PilotFrames() {
    static const PictureList list(Resource("piloto.png"), QSize(48, 72));
    return list;
}

const QImage& SmallHelicopter() {
    static const QImage image = Resource("helipeque.png");
    return image;
}

const QImage& BubblePicture() {
    static const QImage image = Resource("bocadillo.png");
    return image;
}

}  // namespace velmora
