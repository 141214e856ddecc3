#include "core/menu/scene.h"

#include <cmath>
#include <cstdlib>

#include "core/menu/doors.h"
#include "core/menu/menu_navigation.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"

namespace velmora {
namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr QPoint kScreenCentre{512, 384};
constexpr Rgb kSilver{192, 192, 192};

// The main menu, shown in the scene's place when the figure leaves through the magnifier or
// the lower right corner.
const SectionTarget& MainMenuTarget() {
    static const SectionTarget target{0, "Tform0", {}};
    return target;
}

// Sprite places are rounded for the captions with halves toward zero.
int RoundHalfTowardZero(double v) {
    return static_cast<int>(v >= 0 ? std::ceil(v - 0.5) : std::floor(v + 0.5));
}

int Rounded(double v) {
    return static_cast<int>(std::lround(v));
}

// The width a caption may take: up to the next caption on the same line of its sign, else the
// sign's width less a margin at each end.
int CaptionRoom(const SignCaption& caption, int signWidth) {
    for (const SignCaption& other : SignCaptions()) {
        if (&other == &caption || other.sign != caption.sign || other.dy != caption.dy) continue;
        return std::abs(other.dx - caption.dx) - 5;
    }
    return signWidth - 20;
}

}  // namespace

int Scene::FontAdjustmentFor(int dotsPerInch) {
    return dotsPerInch <= 100 ? 0 : -2;
}

Scene::Scene(Enlace& enlace, MenuNavigation& navigation, std::vector<SceneImageSize> sizes,
             SceneSpeed speed, int fontAdjustment)
    : enlace_(enlace),
      navigation_(navigation),
      sizes_(std::move(sizes)),
      speed_(speed),
      fontAdjustment_(fontAdjustment) {
    enlace_.sceneIsHome = true;
    createSprites();
    placePanel();
}

int Scene::image(const char* name) const {
    return SceneImageIndex(name);
}

QSize Scene::sizeOf(int handle) const {
    const int index = sprites_[handle].image;
    if (index < 0 || static_cast<size_t>(index) >= sizes_.size()) return {};
    const SceneImageSize& size = sizes_[static_cast<size_t>(index)];
    return {size.width, size.height};
}

QRectF Scene::spriteRect(int handle) const {
    const Sprite& s = sprites_[handle];
    return QRectF(QPointF(s.x, s.y), QSizeF(sizeOf(handle)));
}

int Scene::add(const char* name, int z, QPointF at) {
    Sprite sprite;
    sprite.image = image(name);
    sprite.z = z;
    sprite.x = at.x();
    sprite.y = at.y();
    return sprites_.add(sprite);
}

void Scene::createSprites() {
    Sprite floor;
    floor.image = image("background");
    floor.z = -2;
    floor.tiled = true;
    background_ = sprites_.add(floor);
    player_ = add("mandown01", 2, kPlayerStart);
    for (const Placement& wall : SceneWalls()) {
        const int handle = add(wall.image.data(), wall.z, WorldOf(wall.row, wall.column));
        if (wall.row == kSectionWallCap.row && wall.column == kSectionWallCap.column &&
            wall.image == kSectionWallCap.image)
            sectionCap_ = handle;
        if (wall.row == kStudyWallCap.row && wall.column == kStudyWallCap.column &&
            wall.image == kStudyWallCap.image)
            studyCap_ = handle;
    }
    for (const Placement& decoration : SceneDecorations())
        add(decoration.image.data(), decoration.z, WorldOf(decoration.row, decoration.column));
    for (const DoorPlacement& place : SceneDoors()) {
        Door& door = doors_[Index(place.door)];
        door.id = place.door;
        door.study = place.study;
        door.menuDoor = place.menuDoor;
        door.sprite = add(place.study ? "puertab" : "puertaB", 2, WorldOf(place.row, place.column));
    }
    plan_ = add("zoomC", 9, {});
    magnifier_ = add("lupa", 10, {});
    exitDoor_ = add("puertaS", 10, {});
    dot_ = add("diana", 10, {});
    for (const Placement& sign : SceneSigns())
        signs_.push_back(add(sign.image.data(), sign.z, WorldOf(sign.row, sign.column)));
    bubble_ = add("bocadillo", 8, WorldOf(-1376, 1030));
    strip_ = add("zoom", 3, {});
    for (const QPointF& place : TorchPlaces()) {
        const int torch = add("antorcha", 6, place);
        Sprite& s = sprites_[torch];
        s.animSpeed = 0.005;
        s.animCount = sizes_[static_cast<size_t>(s.image)].frames;
    }
}

// --- what the user does ---

QPointF Scene::toWorld(QPoint screen) const {
    return QPointF(screen) + camera_;
}

QPoint Scene::toScreen(QPointF world) const {
    return {Rounded(world.x() - camera_.x()), Rounded(world.y() - camera_.y())};
}

bool Scene::overPanelExit(QPointF world) const {
    return rectOf(exitDoor_).contains(world);
}

// The magnifier, and the plan and everything left of and below the magnifier.
bool Scene::overMagnifierOrZone(QPointF world) const {
    const Sprite& m = sprites_[magnifier_];
    return rectOf(magnifier_).contains(world) || (world.x() <= m.x && world.y() >= m.y);
}

void Scene::pointerMove(QPoint screen) {
    pointer_ = screen;
}

void Scene::click(QPoint screen) {
    if (curtain_.running || !visible_) return;
    pointer_ = screen;
    titleShown_ = false;
    const QPointF world = toWorld(screen);
    if (overPanelExit(world)) {
        closeRequested_ = true;
        return;
    }
    if (overMagnifierOrZone(world)) {
        curtain_ = {true, 1, 1};
        return;
    }
    Sprite& p = sprites_[player_];
    const int px = Rounded(p.x);
    const int py = Rounded(p.y);
    target_ = {screen.x() + px - kScreenCentre.x(), screen.y() + py - kScreenCentre.y()};
    walk_ = {};

    sprites_.kill(marker_);
    sprites_.removeDead();
    marker_ = add("circ1", 2, {screen.x() + p.x - 490, screen.y() + p.y - 340});
    markerCounter_ = 10;

    const int dx = std::abs(screen.x() - kScreenCentre.x());
    const int dy = std::abs(screen.y() - kScreenCentre.y());
    const bool horizontalTowardRight = target_.x() > px;
    const bool horizontal = target_.x() != px;
    if (dy == 0) {
        // Level with the figure: straight across (the angle would say nothing).
        walk_.right = horizontal && horizontalTowardRight;
        walk_.left = horizontal && !horizontalTowardRight;
    } else {
        const int angle = Rounded(std::atan(static_cast<double>(dx) / dy) * 57);
        const bool below = target_.y() > py;
        const bool vertical = angle <= 70;
        const bool sideways = angle >= 20;
        if (vertical) (below ? walk_.down : walk_.up) = true;
        if (sideways && horizontal) (horizontalTowardRight ? walk_.right : walk_.left) = true;
    }
    if (walk_.up) setPlayerImage("manup", 1);
    if (walk_.down) setPlayerImage("mandown", 1);
    if (walk_.left) setPlayerImage("manizq", 1);
    if (walk_.right) setPlayerImage("mander", 1);
    sprites_.setZ(player_, 3);
}

void Scene::doubleClick(QPoint screen) {
    if (curtain_.running || !visible_) return;
    pointer_ = screen;
    pointerWorld_ = toWorld(screen);
    hover();
    bool any = false;
    for (const Door& door : doors_) any = any || door.hovered;
    if (any) {
        // The door double-clicked last is the one to go through: a choice left from before
        // would take the figure through the wrong door, or open two sections at once.
        for (Door& door : doors_) door.go = false;
        studyChosen_ = sectionChosen_ = false;
        for (Door& door : doors_) {
            if (!door.hovered) continue;
            door.go = true;
            (door.study ? studyChosen_ : sectionChosen_) = true;
        }
    }
    sprites_.setZ(player_, 4);
}

void Scene::wheel(QPoint screen) {
    const QPointF world = toWorld(screen);
    if (overPanelExit(world) || overMagnifierOrZone(world)) return;
    click(screen);
}

void Scene::shown() {
    visible_ = true;
}

bool Scene::takeCloseRequest() {
    const bool requested = closeRequested_;
    closeRequested_ = false;
    return requested;
}

// --- one frame ---

void Scene::tick() {
    if (!visible_) return;
    if (curtain_.running) {
        curtainStep();
        return;
    }
    moveAll(speed_.moveCount);
    sprites_.removeDead();
    pointerWorld_ = toWorld(pointer_);
    buildFrame();
    if (intro_) {
        playerMove(10);
        return;
    }
    if (++frames_ % 11 == 0) {
        dotLit_ = !dotLit_;
        sprites_[dot_].image = image(dotLit_ ? "diana" : "diana2");
    }
    frameTriggers();
}

void Scene::moveAll(int moveCount) {
    playerMove(moveCount);
    if (sprites_.alive(marker_)) markerMove();
    for (int handle : sprites_.drawOrder()) {
        Sprite& s = sprites_[handle];
        if (s.animCount > 1) s.animate(moveCount);
    }
}

void Scene::markerMove() {
    Sprite& m = sprites_[marker_];
    if (markerCounter_ >= 110 && markerCounter_ <= 160 && markerCounter_ % 10 == 0) {
        const std::string name = "circ" + std::to_string((markerCounter_ - 100) / 10);
        m.image = image(name.c_str());
    }
    markerCounter_ += 5;
    if (markerCounter_ >= 170) {
        sprites_.kill(marker_);
        marker_ = -1;
    }
}

void Scene::buildFrame() {
    frame_.sprites.clear();
    frame_.texts.clear();
    frame_.curtainRunning = false;
    const QRect screen(0, 0, kScreenWidth, kScreenHeight);
    for (int handle : sprites_.drawOrder()) {
        const Sprite& s = sprites_[handle];
        if (!s.visible || s.image < 0) continue;
        const QPoint at = toScreen({s.x, s.y});
        if (!s.tiled && !screen.intersects(QRect(at, sizeOf(handle)))) continue;
        frame_.sprites.push_back({s.image, s.frame(), at, s.tiled});
    }
    captions();
    for (size_t i = 0; i < info_.size(); ++i) {
        if (info_[i].isEmpty()) continue;
        frame_.texts.push_back({info_[i], 10 + fontAdjustment_, false, ColourOf(PaletteColour::Black),
                                kInfoTextOnScreen + QPointF(0, kInfoLineHeight * static_cast<int>(i)),
                                false});
    }
    if (titleShown_) {
        const QString& school = enlace_.settings.schoolName;
        const int size = 22 + fontAdjustment_;
        const int x = 500 - (static_cast<int>(school.size()) * size) / (size / 6);
        const Rgb navy = ColourOf(PaletteColour::Navy);
        frame_.texts.push_back({school, size, true, kSilver, QPointF(x, 665), false});
        frame_.texts.push_back({school, size, true, navy, QPointF(x - 2, 663), false});
        const QString year = QStringLiteral("2020/21");
        const int big = 48 + fontAdjustment_;
        frame_.texts.push_back({year, big, true, kSilver, QPointF(400, 560), false});
        frame_.texts.push_back({year, big, true, navy, QPointF(398, 556), false});
    }
}

void Scene::captions() {
    const Sprite& p = sprites_[player_];
    const QRect screen(0, 0, kScreenWidth, kScreenHeight);
    for (const SignCaption& caption : SignCaptions()) {
        const int handle = signs_[static_cast<size_t>(caption.sign)];
        const Sprite& sign = sprites_[handle];
        const QSize size = sizeOf(handle);
        if (!screen.intersects(QRect(toScreen({sign.x, sign.y}), size))) continue;
        QString text = cp1252::Decode(enlace_.texts[caption.text]);
        if (caption.joined) text += QLatin1Char(' ') + cp1252::Decode(enlace_.texts[caption.joined]);
        const QPointF centre(RoundHalfTowardZero(sign.x) + size.width() / 2 - p.x +
                                 kPlayerOnScreen.x() + caption.dx,
                             RoundHalfTowardZero(sign.y) + kPlayerOnScreen.y() - p.y +
                                 size.height() / 2 + caption.dy);
        const int fontSize = caption.size + fontAdjustment_;
        const int room = CaptionRoom(caption, size.width());
        frame_.texts.push_back(
            {text, fontSize, false, ColourOf(PaletteColour::Black), centre, true, room});
        frame_.texts.push_back({text, fontSize, false, ColourOf(PaletteColour::Navy),
                                centre - QPointF(0, 1), true, room});
    }
}

void Scene::frameTriggers() {
    if (stopStudying_.in && !stopStudying_.done) {
        stopStudying_.done = true;
        walk_.left = false;
        setPlayerImage("manizq", 1);
        if (navigation_.openSection(StopStudyingTarget())) visible_ = false;
    }
    if (exit_.in && !exit_.done) {
        exit_.done = true;
        closeRequested_ = true;
        return;
    }
    if (menu_.in && !menu_.done) {
        menu_.done = true;
        leaveScene();
    }
    hover();
    if (enterRequested_) enter();
}

void Scene::hover() {
    const QPointF at = pointerWorld_;
    const bool overMagnifier = rectOf(magnifier_).contains(at);
    const bool overExit = rectOf(exitDoor_).contains(at);
    sprites_[magnifier_].image = image(overMagnifier ? "lupa2" : "lupa");
    sprites_[exitDoor_].image = image(overExit ? "puertaS2" : "puertaS");
    bool any = overMagnifier || overExit;
    for (Door& door : doors_) {
        door.hovered = rectOf(door.sprite).contains(at);
        any = any || door.hovered;
        sprites_[door.sprite].image =
            image(door.hovered ? "puerta22" : door.study ? "puertab" : "puertaB");
    }
    handCursor_ = any;
}

void Scene::enter() {
    enterRequested_ = false;
    for (const Door& door : doors_) {
        if (!door.go) continue;
        (door.study ? studyReturning_ : sectionReturning_) = true;
        openSection(door.menuDoor);
    }
}

void Scene::openSection(int menuDoor) {
    if (navigation_.openSection(TargetOfDoor(menuDoor))) visible_ = false;
}

void Scene::curtainStep() {
    if (curtain_.width >= kScreenWidth) {
        leaveScene();
        return;
    }
    const int c = speed_.curtainSpeed;
    const int s = c >= 1 && c <= 30 ? 5 : c >= 31 && c <= 50 ? 10 : 1;
    frame_.curtainRunning = true;
    frame_.curtain = QRect(0, kScreenHeight - curtain_.height, curtain_.width, curtain_.height)
                         .intersected(QRect(0, 0, kScreenWidth, kScreenHeight));
    curtain_.width += 65 / s;
    curtain_.height += 50 / s;
}

void Scene::leaveScene() {
    curtain_ = {};
    frame_.curtainRunning = false;
    handCursor_ = false;
    enlace_.animationEnabled = false;
    if (navigation_.openSection(MainMenuTarget())) {
        visible_ = false;
    } else {
        enlace_.animationEnabled = true;
    }
}

// --- for tests ---

QPointF Scene::playerPosition() const {
    const Sprite& p = sprites_[player_];
    return {p.x, p.y};
}

void Scene::placePlayer(QPointF world) {
    Sprite& p = sprites_[player_];
    p.x = world.x();
    p.y = world.y();
    placePanel();
}

int Scene::playerImage() const {
    return sprites_[player_].image;
}

int Scene::playerZ() const {
    return sprites_[player_].z;
}

bool Scene::bubbleVisible() const {
    return sprites_[bubble_].visible;
}

int Scene::doorImage(SceneDoor door) const {
    return sprites_[doors_[Index(door)].sprite].image;
}

QRectF Scene::doorRect(SceneDoor door) const {
    return rectOf(doors_[Index(door)].sprite);
}

int Scene::markerImage() const {
    return sprites_.alive(marker_) ? sprites_[marker_].image : -1;
}

int Scene::positionDotImage() const {
    return sprites_[dot_].image;
}

}  // namespace velmora
