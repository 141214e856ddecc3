#pragma once

#include <QString>
#include <array>
#include <initializer_list>

namespace velmora {

class InterfaceTexts;

// The help panel of the questionnaire screens (`HelpPanel`): eight lines that the girl types one
// by one, a line per tick of a 200 ms timer, turning to the next walking frame at each line.
class HelpPanel {
  public:
    static constexpr int kLines = 8;
    static constexpr int kTickMs = 200;

    // A help set: eight interface text numbers, 0 for an empty line.
    using Set = std::array<int, kLines>;
    static Set Lines(std::initializer_list<int> texts);

    // Shows the panel with its labels cleared and starts typing the set's lines.
    void show(const Set& set, const InterfaceTexts& texts);
    // The same with lines of the screen's own (the labels make a long one smaller).
    void show(const std::array<QString, kLines>& lines);
    void hide() {
        visible_ = false;
        running_ = false;
    }
    // The next line and frame; the ninth tick stops the timer and resets the counters.
    void tick();

    bool visible() const { return visible_; }
    bool running() const { return running_; }
    // What label k (0..7) shows now.
    const QString& label(int k) const { return shown_[static_cast<size_t>(k)]; }
    // The girl's frame in the main menu's walking frames (0..7).
    int frame() const { return frame_; }

  private:
    std::array<QString, kLines> lines_;
    std::array<QString, kLines> shown_;
    int typed_ = 0;
    int frame_ = 0;
    bool visible_ = false;
    bool running_ = false;
};

}  // namespace velmora
