#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

#include "core/menu/doors.h"
#include "core/menu/menu_texts.h"
#include "core/shared/palette.h"

namespace velmora {

class Enlace;
class MenuNavigation;

// The timers of the main menu; the screen runs one timer of each at its interval and calls
// tick() when it fires.
enum class MenuTimer { Piloto, Texto, Puerta, Zoom, Ayuda };
inline constexpr int kMenuTimerCount = 5;
int IntervalOf(MenuTimer timer);  // milliseconds

// The walking figure `anda`.
struct FigureView {
    enum class Frames { Walking, Climbing };  // ImageList1, ImageListPuerta
    bool visible = false;
    QPoint position;
    Frames frames = Frames::Walking;
    int frame = 0;
};

// The door growing over the facade: "parte" stretched into `rect`, climbing frame `frame`
// drawn at `figure` over it.
struct ZoomView {
    bool active = false;
    int door = 0;
    QRect rect;
    QPoint figure;
    int frame = 0;
};

// The main menu's behaviour: the walk-in, the door sequence, the help panel and the pointer
// colours. The screen shows what it answers.
class MainMenu {
public:
    static constexpr int kWalkingFrames = 8;   // ImageList1
    static constexpr int kClimbingFrames = 5;  // ImageListPuerta
    static constexpr QPoint kFigureStart{100, 235};
    static constexpr int kWalkStep = 8;
    static constexpr int kHelpTicks = 9;

    MainMenu(Enlace& enlace, MenuNavigation& navigation);

    // FormCreate, told whether the stop-studying sign's picture was found. A missing picture sets
    // the stop flag: the start-up ends the program at its next check.
    void setUp(bool signFound, QSize parte);

    const MenuTexts& texts() const { return texts_; }

    // A click on a door label (1..11) starts the door sequence.
    void doorClick(int door);
    // The stop-studying sign: TCertifica at once.
    void dejarClick();
    // BotRetroce: true when the menu is to be closed (which asks the exit question).
    bool botRetroceClick();
    // Each time the menu is shown.
    void menuShown();

    void pointerOverLabel(MenuLabel label);
    void pointerOverBackground();

    void tick(MenuTimer timer);

    bool timerRunning(MenuTimer timer) const { return running_[Index(timer)]; }
    Rgb labelTextColour(MenuLabel label) const { return text_[Index(label)]; }
    PaletteColour labelBackground(MenuLabel label) const { return back_[Index(label)]; }
    bool hintOn(MenuLabel label) const { return hintOn_[Index(label)]; }
    // The label's hint text (shown only while hintOn).
    QString hintOf(MenuLabel label) const;

    const FigureView& figure() const { return figure_; }
    // 0: no bubble; 1 or 2: the bubble with LabelBocadillo1 or labelBocadillo2.
    int bubble() const { return bubble_; }
    const ZoomView& zoom() const { return zoom_; }
    int selectedDoor() const { return door_; }
    // True while a door's climb or growth is playing.
    bool sequencePlaying() const;

    bool helpVisible() const { return helpVisible_; }
    const QString& helpLine(int i) const { return helpLines_[static_cast<size_t>(i)]; }
    int helpFrame() const { return helpFrame_; }  // -1 before the first frame

    // False once a section's screen has been opened; the menu is hidden until shown again.
    bool menuVisible() const { return menuVisible_; }

private:
    template <typename E>
    static size_t Index(E e) {
        return static_cast<size_t>(e);
    }
    void set(MenuTimer timer, bool on) { running_[Index(timer)] = on; }
    void pilotoTick();
    void puertaTick();
    void zoomTick();
    void ayudaTick();
    void openTarget(const SectionTarget& target);

    Enlace& enlace_;
    MenuNavigation& navigation_;
    MenuTexts texts_;
    QSize parte_;

    std::array<bool, kMenuTimerCount> running_{};
    std::array<Rgb, kMenuLabelCount> text_{};
    std::array<PaletteColour, kMenuLabelCount> back_{};
    std::array<bool, kMenuLabelCount> hintOn_{};

    FigureView figure_;
    int walkFrame_ = 0;
    int bubble_ = 0;

    int door_ = 0;
    QPoint climbStart_;
    int climbStep_ = 0;  // k
    int frameCounter_ = 0;
    int z_ = 0;
    ZoomView zoom_;

    bool helpVisible_ = false;
    std::array<QString, 5> helpLines_;
    int helpCounter_ = 0;  // p
    int helpFrame_ = -1;

    bool menuVisible_ = true;
};

}  // namespace velmora
