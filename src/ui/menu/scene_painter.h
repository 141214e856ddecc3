#pragma once

class QImage;
class QPainter;

namespace velmora {

struct SceneFrame;
class ScenePictures;

// Draws one frame of the scene on a 1024 x 768 surface: black, the sprites in their order, the
// texts. While the curtain runs, only the back buffer's growing rectangle is drawn, over what
// the surface already shows.
void PaintScene(QPainter& painter, const SceneFrame& frame, const ScenePictures& pictures,
                const QImage& backBuffer);

}  // namespace velmora
