#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

namespace velmora {

class DataPaths;
class InterfaceTexts;
class Sound;

// The intermediate screen's intro, the first time it is opened: a helicopter brings the three
// start buttons in from the left, one stage after another, to the engine's sound; after each
// stage the pilot walks out and says in a bubble what the button is for (interface texts
// 154-156, 157-159, then 160-162 by the exit button). `heli` moves the buttons, `piloto` walks
// the pilot; both are timers of the screen that call tick().
class HelicopterIntro {
  public:
    enum class Timer { Heli, Piloto };
    // The helicopter's timer was one of a millisecond, which fired at the system's tick, about
    // 15 ms: that is the pace the buttons fly at.
    static constexpr int kHeliInterval = 15;
    static constexpr int kPilotoInterval = 200;
    static constexpr int kFlightTicks = 36;
    static constexpr int kPilotFrames = 8;
    static constexpr int kStages = 3;

    // The three start buttons, in the order they arrive.
    enum Button { Titles, Places, Exit };
    static constexpr int kButtons = 3;
    // Where each button rests.
    static QPoint Place(int button);

    struct Bubble {
        QRect box;  // the yellow rectangle
        std::array<QString, 3> lines;
        std::array<QPoint, 3> lineAt;  // the top left of each line
    };
    // What the intro draws over the screen's background, besides the buttons it moves.
    struct Picture {
        std::array<QPoint, kButtons> buttonAt{};
        std::array<bool, kButtons> buttonShown{};
        int flying = -1;      // the button the helicopter carries; -1 when none flies
        int pilotFrame = -1;  // -1: no pilot
        QPoint pilotAt;
        std::vector<Bubble> bubbles;
    };

    HelicopterIntro(Sound& sound, const DataPaths& paths, const InterfaceTexts& texts);

    // Stage 1, height 0, nothing drawn, the buttons at their places.
    void reset();
    // The buttons leave; the helicopter sets off with the first.
    void start();
    // Both timers and the sound stop.
    void stop();
    // The pilot and the bubbles are erased (any action of the student's does it).
    bool erase();

    // One tick of a timer; true when the picture changed.
    bool tick(Timer timer);
    bool running(Timer timer) const { return running_[static_cast<size_t>(timer)]; }
    const Picture& picture() const { return picture_; }

  private:
    void heliTick();
    void pilotoTick();
    void setRunning(Timer timer, bool on) { running_[static_cast<size_t>(timer)] = on; }

    Sound& sound_;
    const DataPaths& paths_;
    const InterfaceTexts& texts_;
    int stage_ = 1;
    int k_ = 0;
    int offset_ = 0;
    int pilotStage_ = 0;
    int frame_ = 0;
    QPoint pilotBase_;
    std::array<bool, 2> running_{};
    Picture picture_;
};

}  // namespace velmora
