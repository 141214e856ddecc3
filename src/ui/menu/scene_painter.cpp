#include "ui/menu/scene_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "core/menu/scene.h"
#include "ui/menu/scene_pictures.h"
#include "ui/shared/look.h"

namespace velmora {
namespace {

constexpr int kSmallestSize = 7;  // points: smaller than this nobody reads it

}  // namespace

const ScenePainter::Written& ScenePainter::written(const SceneText& text) {
    const auto key = std::make_tuple(text.text, text.size, text.bold, text.room);
    auto found = texts_.find(key);
    if (found != texts_.end()) return found->second;
    // A text too wide for its room is written smaller until it fits.
    QFont font = ArialFont(text.size, text.bold);
    for (int size = text.size - 1;
         text.room > 0 && size >= kSmallestSize &&
         QFontMetrics(font).horizontalAdvance(text.text) > text.room;
         --size)
        font = ArialFont(size, text.bold);
    const QFontMetrics metrics(font);
    Written out;
    out.text.setText(text.text);
    out.text.setTextFormat(Qt::PlainText);
    out.text.setPerformanceHint(QStaticText::AggressiveCaching);
    out.text.prepare(QTransform(), font);
    out.font = font;
    out.width = metrics.horizontalAdvance(text.text);
    out.height = metrics.height();
    return texts_.emplace(key, std::move(out)).first->second;
}

void ScenePainter::paint(QPainter& painter, const SceneFrame& frame) {
    const QRect screen(0, 0, 1024, 768);
    if (frame.curtainRunning) {
        painter.drawImage(frame.curtain.topLeft(), backBuffer_, frame.curtain);
        return;
    }
    // Black where nothing is drawn; the floor, when it is there, covers the whole surface.
    if (frame.sprites.empty() || !frame.sprites.front().tiled) painter.fillRect(screen, Qt::black);
    for (const SceneSpriteView& sprite : frame.sprites) {
        const QImage& picture = pictures_.picture(sprite.image);
        if (sprite.tiled) {
            QBrush tiles(picture);
            tiles.setTransform(QTransform::fromTranslate(sprite.at.x(), sprite.at.y()));
            painter.fillRect(screen, tiles);
            continue;
        }
        painter.drawImage(sprite.at, picture, pictures_.frameRect(sprite.image, sprite.frame));
    }
    for (const SceneText& text : frame.texts) {
        const Written& w = written(text);
        QPointF topLeft = text.at;
        if (text.centred) topLeft -= QPointF(w.width / 2, w.height / 2);
        painter.setFont(w.font);
        painter.setPen(ToQColor(text.colour));
        // Written from its top left corner, on whole pixels.
        painter.drawStaticText(QPointF(std::floor(topLeft.x()), std::floor(topLeft.y())), w.text);
    }
}

}  // namespace velmora
