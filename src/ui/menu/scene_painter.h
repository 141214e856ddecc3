#pragma once

#include <QImage>
#include <QStaticText>
#include <QString>
#include <map>
#include <tuple>

class QPainter;

namespace velmora {

struct SceneFrame;
struct SceneText;
class ScenePictures;

// Draws the frames of the scene on a 1024 x 768 surface: black, the sprites in their order, the
// texts. While the curtain runs, only the back buffer's growing rectangle is drawn, over what
// the surface already shows. The texts are laid out once and kept, since the same few dozen
// are written every frame.
class ScenePainter {
  public:
    ScenePainter(const ScenePictures& pictures, const QImage& backBuffer)
        : pictures_(pictures), backBuffer_(backBuffer) {}

    void paint(QPainter& painter, const SceneFrame& frame);

  private:
    struct Written {
        QStaticText text;
        QFont font;
        int width = 0;
        int height = 0;
    };
    const Written& written(const SceneText& text);

    const ScenePictures& pictures_;
    const QImage& backBuffer_;
    std::map<std::tuple<QString, int, bool, int>, Written> texts_;
};

}  // namespace velmora
