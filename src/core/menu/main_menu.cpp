#include "core/menu/main_menu.h"

#include "core/menu/menu_navigation.h"
#include "core/shared/enlace.h"

namespace velmora {
namespace {

constexpr Rgb kYellow{255, 255, 0};

}  // namespace

int IntervalOf(MenuTimer timer) {
    switch (timer) {
        case MenuTimer::Piloto:
            return 200;
        case MenuTimer::Texto:
            return 3000;
        case MenuTimer::Puerta:
            return 200;
        case MenuTimer::Zoom:
            return 100;
        case MenuTimer::Ayuda:
            return 200;
    }
    return 0;
}

MainMenu::MainMenu(Enlace& enlace, MenuNavigation& navigation)
    : enlace_(enlace), navigation_(navigation) {
    text_.fill(ColourOf(PaletteColour::Navy));
    back_.fill(PaletteColour::LightYellow);
}

void MainMenu::setUp(bool signFound, QSize parte) {
    if (!signFound) enlace_.stopFlag = true;
    parte_ = parte;
    texts_ = BuildMenuTexts(enlace_.texts, enlace_.settings.schoolName, enlace_.animationEnabled);
    for (const MenuLabelPlace& place : MenuLabelPlaces())
        hintOn_[Index(place.label)] = !hintOf(place.label).isEmpty();
    // These two speak only once the figure has walked in and the bubble is up.
    hintOn_[Index(MenuLabel::Carreras)] = false;
    hintOn_[Index(MenuLabel::Cat)] = false;
    figure_.position = kFigureStart;
    if (!enlace_.sceneIsHome) set(MenuTimer::Piloto, true);
}

QString MainMenu::hintOf(MenuLabel label) const {
    switch (label) {
        case MenuLabel::Carreras:
            return texts_.hintCarreras;
        case MenuLabel::Cat:
            return texts_.hintCat;
        case MenuLabel::FpS:
            return texts_.hintFpS;
        case MenuLabel::Iti:
            return texts_.hintIti;
        case MenuLabel::FPM:
            return texts_.hintFpm;
        case MenuLabel::FPip:
            return texts_.hintFpip;
        case MenuLabel::Profe:
            return texts_.hintProfe;
        case MenuLabel::CuesB:
            return texts_.hintCuesB;
        case MenuLabel::CuesE:
            return texts_.hintCuesE;
        case MenuLabel::Dejar:
            return texts_.hintDejar;
        case MenuLabel::CurEsp:
        case MenuLabel::Config:
        case MenuLabel::Asistente:
            return {};
    }
    return {};
}

bool MainMenu::sequencePlaying() const {
    return timerRunning(MenuTimer::Puerta) || timerRunning(MenuTimer::Zoom);
}

void MainMenu::doorClick(int door) {
    const MenuLabelPlace* place = DoorLabel(door);
    // One door at a time: a second click while a door plays would leave the first half done.
    if (!place || sequencePlaying()) return;
    door_ = door;
    set(MenuTimer::Piloto, false);
    if (enlace_.sceneIsHome) {
        z_ = 110;  // past the end: the first tick opens the target
        set(MenuTimer::Zoom, true);
        return;
    }
    const size_t i = Index(place->label);
    back_[i] = PaletteColour::PaleBlue;
    hintOn_[i] = false;
    bubble_ = 0;
    // The second bubble text must not come up on its own once the bubble is gone.
    set(MenuTimer::Texto, false);
    climbStart_ = ClimbStart(door);
    climbStep_ = 0;
    frameCounter_ = 0;
    set(MenuTimer::Puerta, true);
}

void MainMenu::dejarClick() {
    openTarget(StopStudyingTarget());
}

bool MainMenu::botRetroceClick() {
    if (!enlace_.sceneIsHome) return true;
    set(MenuTimer::Ayuda, false);
    helpCounter_ = 0;
    helpVisible_ = false;
    enlace_.animationEnabled = true;
    if (navigation_.returnToScene()) menuVisible_ = false;
    return false;
}

void MainMenu::menuShown() {
    menuVisible_ = true;
    if (enlace_.sceneIsHome) set(MenuTimer::Ayuda, true);
}

void MainMenu::pointerOverLabel(MenuLabel label) {
    text_[Index(label)] = label == MenuLabel::Dejar ? kYellow : ColourOf(PaletteColour::HoverRed);
}

void MainMenu::pointerOverBackground() {
    text_.fill(ColourOf(PaletteColour::Navy));
}

void MainMenu::tick(MenuTimer timer) {
    if (!timerRunning(timer)) return;
    switch (timer) {
        case MenuTimer::Piloto:
            pilotoTick();
            break;
        case MenuTimer::Texto:
            set(MenuTimer::Texto, false);
            bubble_ = 2;
            break;
        case MenuTimer::Puerta:
            puertaTick();
            break;
        case MenuTimer::Zoom:
            zoomTick();
            break;
        case MenuTimer::Ayuda:
            ayudaTick();
            break;
    }
}

void MainMenu::pilotoTick() {
    figure_.visible = true;
    figure_.frames = FigureView::Frames::Walking;
    figure_.frame = walkFrame_;
    figure_.position.rx() += kWalkStep;
    ++walkFrame_;
    if (walkFrame_ < kWalkingFrames) return;
    set(MenuTimer::Piloto, false);
    hintOn_[Index(MenuLabel::Carreras)] = true;
    hintOn_[Index(MenuLabel::Cat)] = true;
    bubble_ = 1;
    set(MenuTimer::Texto, true);
}

void MainMenu::puertaTick() {
    figure_.visible = true;
    figure_.frames = FigureView::Frames::Climbing;
    figure_.frame = frameCounter_;
    figure_.position = climbStart_ - QPoint(0, kClimbRise * climbStep_);
    ++climbStep_;
    ++frameCounter_;
    if (frameCounter_ < kClimbingFrames) return;
    set(MenuTimer::Puerta, false);
    figure_.visible = false;
    z_ = 0;
    set(MenuTimer::Zoom, true);
}

void MainMenu::zoomTick() {
    if (z_ < 100) {
        z_ += 10;
        zoom_.active = true;
        zoom_.door = door_;
        zoom_.rect = ZoomRect(door_, z_, parte_);
        zoom_.figure = climbStart_ - QPoint(0, kClimbRise * (kClimbingFrames - 1));
        zoom_.frame = kClimbingFrames - 1;
        return;
    }
    set(MenuTimer::Zoom, false);
    // The facade is whole again whether the section opens or not.
    zoom_ = ZoomView{};
    if (const MenuLabelPlace* place = DoorLabel(door_)) hintOn_[Index(place->label)] = true;
    openTarget(TargetOfDoor(door_));
}

void MainMenu::openTarget(const SectionTarget& target) {
    if (navigation_.openSection(target)) menuVisible_ = false;
}

void MainMenu::ayudaTick() {
    helpVisible_ = true;
    switch (helpCounter_) {
        case 0:
            helpLines_[0] = texts_.ayu[0];
            break;
        case 1:
            helpLines_[1] = texts_.ayu[1];
            break;
        case 3:
            helpLines_[2] = texts_.ayu[2];
            break;
        case 5:
            helpLines_[3] = texts_.ayu[3];
            break;
        case 7:
            helpLines_[4] = texts_.ayu[4];
            break;
        default:
            break;
    }
    // The character has eight frames; the ninth tick keeps the last one.
    if (helpCounter_ < kWalkingFrames) helpFrame_ = helpCounter_;
    ++helpCounter_;
    if (helpCounter_ >= kHelpTicks) {
        set(MenuTimer::Ayuda, false);
        helpCounter_ = 0;
    }
}

}  // namespace velmora
