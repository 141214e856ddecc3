#pragma once

#include <QLabel>

#include "core/shared/palette.h"

namespace velmora {

// A label drawn twice: first its shadow, a little down and to the right, then the text.
class ShadowLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ShadowLabel(QWidget* parent = nullptr);

    void setColours(PaletteColour text, PaletteColour shadow);
    void setShadowOffset(int pixels) {
        offset_ = pixels;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PaletteColour text_ = PaletteColour::Navy;
    PaletteColour shadow_ = PaletteColour::White;
    int offset_ = 2;
};

}  // namespace velmora
