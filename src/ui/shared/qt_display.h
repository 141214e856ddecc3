#pragma once

#include <QPointer>
#include <memory>
#include <vector>

#include "core/shared/display_mode.h"

class QGraphicsView;
class QWidget;

namespace velmora {

class PresentationView;

// The display on a desktop with Qt. The user's own display settings are never changed: the one
// mode it offers, 1024 x 768 at 16 bits, is a presentation in which every screen fills the
// display, scaled with its proportions kept and centred on black bars. Restoring ends it and
// the screens become plain windows again.
class QtDisplay final : public Display {
  public:
    QtDisplay();
    ~QtDisplay() override;

    DisplayMode current() const override;
    std::optional<DisplayMode> mode(int number) const override;
    void switchTo(const DisplayMode& mode, bool setDepth) override;
    void restore() override;

    bool presenting() const { return view_ != nullptr; }

    // Every screen is handed over when created, so that the presentation can carry it. A
    // screen's own show() and hide() keep working either way.
    void adoptScreen(QWidget* screen);

    // The scale at which a 1024 x 768 screen fills a display of the given size.
    static double PresentationScale(int width, int height);

    // The full-screen view while presenting, else none.
    QGraphicsView* view() const;

  private:
    void embed(QWidget* screen);

    std::vector<QPointer<QWidget>> screens_;
    std::unique_ptr<PresentationView> view_;
};

// What stands for the graphics layer's version: the scene is painted with Qt's own raster
// painter, which every desktop has, so the version is 9 wherever there is a screen to show it
// on and 0 where there is none.
int GraphicsLayerVersion();

// Centres a 1024 x 768 screen on the display before it is shown as a window of its own.
void CentreOnScreen(QWidget* window);

}  // namespace velmora
