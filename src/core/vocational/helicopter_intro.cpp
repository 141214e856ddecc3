#include "core/vocational/helicopter_intro.h"

#include "core/menu/menu_texts.h"
#include "core/shared/interface_texts.h"
#include "core/shared/sound.h"

namespace velmora {
namespace {

constexpr int kStep = 15;        // pixels per tick
constexpr int kStartLeft = 300;  // a button flies in from this far left of the helicopter
constexpr int kFirstTop = 150;
constexpr int kRise = 20;        // a button rises this much when it arrives
constexpr int kExitBelow = 120;  // the exit button sits this far below the places button
constexpr int kFirstBubbleText = 154;

}  // namespace

QPoint HelicopterIntro::Place(int button) {
    // Where the flight of each stage ends: x = 15 * 36 - 300, y = 150 + 6 * offset - 20.
    const int left = kStep * kFlightTicks - kStartLeft;
    switch (button) {
        case Titles:
            return {left, kFirstTop - kRise};
        case Places:
            return {left, kFirstTop + 6 * 20 - kRise};
        default:
            return {left, kFirstTop + 6 * 20 - kRise + kExitBelow};
    }
}

HelicopterIntro::HelicopterIntro(Sound& sound, const DataPaths& paths, const InterfaceTexts& texts)
    : sound_(sound), paths_(paths), texts_(texts) {
    reset();
}

void HelicopterIntro::reset() {
    stage_ = 1;
    k_ = 0;
    offset_ = 0;
    pilotStage_ = 0;
    frame_ = 0;
    running_.fill(false);
    picture_ = Picture{};
    for (int b = 0; b < kButtons; ++b) {
        picture_.buttonAt[static_cast<size_t>(b)] = Place(b);
        picture_.buttonShown[static_cast<size_t>(b)] = true;
    }
}

void HelicopterIntro::start() {
    reset();
    picture_.buttonShown.fill(false);
    setRunning(Timer::Heli, true);
}

void HelicopterIntro::stop() {
    if (running(Timer::Heli) || running(Timer::Piloto)) sound_.stopWave();
    running_.fill(false);
    picture_.flying = -1;
}

bool HelicopterIntro::erase() {
    if (picture_.pilotFrame < 0 && picture_.bubbles.empty()) return false;
    picture_.pilotFrame = -1;
    picture_.bubbles.clear();
    return true;
}

bool HelicopterIntro::tick(Timer timer) {
    if (!running(timer)) return false;
    if (timer == Timer::Heli) {
        heliTick();
    } else {
        pilotoTick();
    }
    return true;
}

void HelicopterIntro::heliTick() {
    if (stage_ > kStages) {
        setRunning(Timer::Heli, false);
        return;
    }
    if (stage_ == kStages) {
        // The last stage brings no button: the pilot walks out by the exit button and asks the
        // student to choose.
        setRunning(Timer::Heli, false);
        sound_.stopWave();
        picture_.pilotFrame = -1;
        pilotStage_ = stage_;
        pilotBase_ = {kStep * kFlightTicks, kFirstTop + 6 * offset_};
        frame_ = 0;
        ++stage_;
        setRunning(Timer::Piloto, true);
        return;
    }
    ++k_;
    if (k_ == 1) PlayMotorSound(sound_, paths_, true);
    const int x = kStep * k_;
    const int y = kFirstTop + 6 * offset_;
    const int button = stage_ == 1 ? Titles : Places;
    if (stage_ == 2) picture_.pilotFrame = -1;  // the first pilot goes back in
    picture_.flying = button;
    picture_.buttonAt[static_cast<size_t>(button)] = {x - kStartLeft, y};
    picture_.buttonShown[static_cast<size_t>(button)] = true;
    if (k_ < kFlightTicks) return;

    picture_.buttonAt[static_cast<size_t>(button)] = {x - kStartLeft, y - kRise};
    if (stage_ == 2) {
        const QPoint places = picture_.buttonAt[Places];
        picture_.buttonAt[Exit] = {places.x(), places.y() + kExitBelow};
        picture_.buttonShown[Exit] = true;
    }
    picture_.flying = -1;
    setRunning(Timer::Heli, false);
    sound_.stopWave();
    pilotStage_ = stage_;
    pilotBase_ = {x, y};
    frame_ = 0;
    setRunning(Timer::Piloto, true);
    offset_ += 20;
    k_ = 0;
    ++stage_;
}

void HelicopterIntro::pilotoTick() {
    const int x = pilotBase_.x();
    const int y = pilotBase_.y();
    picture_.pilotFrame = frame_;
    picture_.pilotAt = {x + 10 * frame_, y};
    if (++frame_ < kPilotFrames) return;

    setRunning(Timer::Piloto, false);
    if (stage_ <= kStages) setRunning(Timer::Heli, true);
    Bubble bubble;
    bubble.box = QRect(QPoint(x - 34, y + 12 - 66), QPoint(x + 84, y + 12 - 13));
    const int first = kFirstBubbleText + 3 * (pilotStage_ - 1);
    for (int i = 0; i < 3; ++i) {
        bubble.lines[static_cast<size_t>(i)] = CaptionText(texts_[first + i]);
        bubble.lineAt[static_cast<size_t>(i)] = {x - 26, y + 12 - 63 + 15 * i};
    }
    picture_.bubbles.push_back(std::move(bubble));
}

}  // namespace velmora
