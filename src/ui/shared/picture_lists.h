#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

namespace velmora {

// A list of equal pictures cut from one strip (index k at x = k * width), as the screens' image
// lists index them. The strips are the program's own pictures, compiled into it from
// src/ui/shared/pictures (drawn by tools/make_visuals.py; docs/icons.md lists what each index
// stands for).
class PictureList {
  public:
    PictureList() = default;
    PictureList(const QImage& strip, QSize frame);

    int count() const { return count_; }
    QSize frameSize() const { return frame_; }
    // Picture k; a null image for an index outside the list.
    QImage at(int k) const;
    // Draws picture k with its top left at `at`; an index outside the list draws nothing.
    void draw(QPainter& painter, QPoint at, int k) const;
    // Draws picture k stretched into `target`.
    void drawStretched(QPainter& painter, const QRect& target, int k) const;

  private:
    QImage strip_;
    QSize frame_;
    int count_ = 0;
};

// The main menu's 30 x 30 icons of families, groups, areas and statements (`ImageListIconos`).
const PictureList& ImageListIconos();
// The main menu's girl: 8 walking frames (`ImageList1`, also the help character) and 5 frames
// climbing to a door (`ImageListPuerta`), 56 x 168 each.
const PictureList& MenuWalkingFrames();
const PictureList& ImageListPuerta();
// The degrees screen's 40 x 40 branch icons (`ImageListRamas`) and its 16 x 16 row and tree
// icons (its `ImageList1`).
const PictureList& ImageListRamas();
const PictureList& DegreesRowIcons();
// The pilot of the intermediate-level screen's intro (8 frames) and the small helicopter.
const PictureList& PilotFrames();
const QImage& SmallHelicopter();
// The main menu's speech bubble (`Bocadillo1`), 195 x 140.
const QImage& BubblePicture();

}  // namespace velmora
