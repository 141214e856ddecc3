#include "ui/menu/scene_painter.h"

#include <QFontMetrics>
#include <cmath>
#include <map>
#include <QPainter>

#include "core/menu/scene.h"
#include "ui/menu/scene_pictures.h"
#include "ui/shared/look.h"

namespace velmora {
namespace {

constexpr int kSmallestSize = 7;  // points: smaller than this nobody reads it

struct SceneFont {
    QFont font;
    QFontMetrics metrics;
};

// The fonts of the scene's texts, by size and weight: made once, and never moved.
const SceneFont& FontOf(int size, bool bold) {
    static std::map<int, SceneFont> fonts;
    const int key = size * 2 + (bold ? 1 : 0);
    auto found = fonts.find(key);
    if (found == fonts.end()) {
        const QFont font = ArialFont(size, bold);
        found = fonts.emplace(key, SceneFont{font, QFontMetrics(font)}).first;
    }
    return found->second;
}

}  // namespace

void PaintScene(QPainter& painter, const SceneFrame& frame, const ScenePictures& pictures,
                const QImage& backBuffer) {
    const QRect screen(0, 0, 1024, 768);
    if (frame.curtainRunning) {
        painter.drawImage(frame.curtain.topLeft(), backBuffer, frame.curtain);
        return;
    }
    painter.fillRect(screen, Qt::black);
    for (const SceneSpriteView& sprite : frame.sprites) {
        const QImage& picture = pictures.picture(sprite.image);
        if (sprite.tiled) {
            QBrush tiles(picture);
            tiles.setTransform(QTransform::fromTranslate(sprite.at.x(), sprite.at.y()));
            painter.fillRect(screen, tiles);
            continue;
        }
        painter.drawImage(sprite.at, picture, pictures.frameRect(sprite.image, sprite.frame));
    }
    for (const SceneText& text : frame.texts) {
        const SceneFont* fitting = &FontOf(text.size, text.bold);
        for (int size = text.size - 1;
             text.room > 0 && size >= kSmallestSize &&
             fitting->metrics.horizontalAdvance(text.text) > text.room;
             --size)
            fitting = &FontOf(size, text.bold);
        const SceneFont& font = *fitting;
        const QFontMetrics& metrics = font.metrics;
        painter.setFont(font.font);
        painter.setPen(ToQColor(text.colour));
        QPointF topLeft = text.at;
        if (text.centred)
            topLeft -= QPointF(metrics.horizontalAdvance(text.text) / 2, metrics.height() / 2);
        // A text is drawn from its top left corner, as on the original surface.
        painter.drawText(QPointF(std::floor(topLeft.x()), std::floor(topLeft.y()) + metrics.ascent()),
                         text.text);
    }
}

}  // namespace velmora
