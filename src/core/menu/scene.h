#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <array>
#include <vector>

#include "core/menu/scene_images.h"
#include "core/menu/scene_layout.h"
#include "core/menu/scene_speed.h"
#include "core/menu/scene_sprites.h"
#include "core/shared/palette.h"

namespace velmora {

class Enlace;
class MenuNavigation;

// One sprite as the frame shows it: its image and frame, its top left corner on the screen.
// A tiled sprite covers the whole screen with its image repeated from `at`.
struct SceneSpriteView {
    int image = -1;
    int frame = 0;
    QPoint at;
    bool tiled = false;
};

// A text written over the sprites: from its top left corner, or centred on `at` when
// `centred`. A text wider than `room` pixels (when not 0) is written smaller until it fits, so
// that a long caption keeps to its sign and off its neighbour.
struct SceneText {
    QString text;
    int size = 0;
    bool bold = false;
    Rgb colour;
    QPointF at;
    bool centred = false;
    int room = 0;
};

// What one frame draws, in order: the sprites, then the texts; while the curtain runs, the
// back buffer's rectangle `curtain` over the last frame.
struct SceneFrame {
    std::vector<SceneSpriteView> sprites;
    std::vector<SceneText> texts;
    bool curtainRunning = false;
    QRect curtain;
};

// The walking directions the figure holds: at most one vertical and one horizontal.
struct Walk {
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
    bool any() const { return up || down || left || right; }
    friend bool operator==(const Walk&, const Walk&) = default;
};

// Tform9's behaviour: the building, the figure walking to the clicked point, its walls, zones,
// doors and triggers. The screen calls tick() every frame and draws frame().
class Scene {
  public:
    static constexpr int kFrameInterval = 33;    // milliseconds
    static constexpr int kCurtainInterval = 16;  // the curtain's frames, at the display's pace
    static constexpr QPoint kPlayerOnScreen{476, 300};  // the figure's top left: her centre is
                                                        // the screen's
    static constexpr QPointF kPlayerStart{20, 10};
    static constexpr QPointF kInfoTextOnScreen{567, 285};
    static constexpr int kInfoLineHeight = 12;

    // FormCreate, once the image libraries are read: `sizes` by SceneImageNames() index.
    // `fontAdjustment` is the a of the texts' sizes.
    Scene(Enlace& enlace, MenuNavigation& navigation, std::vector<SceneImageSize> sizes,
          SceneSpeed speed, int fontAdjustment);

    // DXTimerTimer: one frame (or one step of the curtain).
    void tick();
    const SceneFrame& frame() const { return frame_; }

    void pointerMove(QPoint screen);
    void click(QPoint screen);        // DXDrawClick
    void doubleClick(QPoint screen);  // DXDrawDblClick
    void wheel(QPoint screen);        // FormMouseWheel
    // FormShow: the scene is on screen again (back from a section or from the main menu).
    void shown();

    // False once a section or the main menu has been shown in its place.
    bool visible() const { return visible_; }
    // The pointing hand over a door, the magnifier or the exit door.
    bool handCursor() const { return handCursor_; }
    // True once, when the scene is to be closed (the exit question).
    bool takeCloseRequest();
    bool curtainRunning() const { return curtain_.running; }
    bool titleShown() const { return titleShown_; }
    bool introRunning() const { return intro_; }

    // The state, for the screen's tests and for tests of the rules.
    QPointF playerPosition() const;
    void placePlayer(QPointF world);
    QPoint target() const { return target_; }
    const Walk& walk() const { return walk_; }
    int playerImage() const;
    int playerZ() const;
    const std::array<QString, 4>& infoLines() const { return info_; }
    bool bubbleVisible() const;
    bool doorGo(SceneDoor door) const { return doors_[Index(door)].go; }
    int doorImage(SceneDoor door) const;
    QRectF doorRect(SceneDoor door) const;
    QRectF spriteRect(int handle) const;
    int markerImage() const;  // -1 without a marker
    int positionDotImage() const;
    QPointF cameraOffset() const { return camera_; }
    const SceneSpeed& speed() const { return speed_; }
    int fontAdjustment() const { return fontAdjustment_; }

    // The font adjustment for a screen of `dotsPerInch`.
    static int FontAdjustmentFor(int dotsPerInch);

  private:
    struct Door {
        SceneDoor id;
        bool study = false;
        int sprite = -1;
        int menuDoor = 0;
        bool hovered = false;
        bool go = false;
    };
    struct Zone {
        bool in = false;
        bool done = false;
    };
    struct Curtain {
        bool running = false;
        int width = 1;
        int height = 1;
    };

    static size_t Index(SceneDoor door) { return static_cast<size_t>(door); }
    int image(const char* name) const;
    int add(const char* name, int z, QPointF at);
    QSize sizeOf(int handle) const;
    QRectF rectOf(int handle) const { return spriteRect(handle); }

    void createSprites();
    void moveAll(int moveCount);
    void playerMove(int moveCount);
    void wallRules(int px);
    void zoneTriggers(int px, double x, double y);
    void verticalWalls(int px, int py);
    void informationText(int px, int py);
    void innerWalls(int px, int py);
    void arrival(int px, int py);
    void doorWalks(int px, int py);
    void showOpen(bool study);
    void stepAndAnimate(int moveCount);
    void placePanel();
    void markerMove();
    void setPlayerImage(const char* series, int frame);
    void stop(bool Walk::* direction, const char* series);

    void buildFrame();
    void captions();
    void frameTriggers();
    void hover();
    void enter();
    void curtainStep();
    void leaveScene();
    void openSection(int menuDoor);

    QPointF toWorld(QPoint screen) const;
    QPoint toScreen(QPointF world) const;
    bool overPanelExit(QPointF world) const;
    bool overMagnifierOrZone(QPointF world) const;

    Enlace& enlace_;
    MenuNavigation& navigation_;
    std::vector<SceneImageSize> sizes_;
    SceneSpeed speed_;
    int fontAdjustment_;

    SpriteList sprites_;
    int background_ = -1;
    int player_ = -1;
    std::vector<int> signs_;
    std::array<Door, kSceneDoorCount> doors_{};
    int plan_ = -1;
    int magnifier_ = -1;
    int exitDoor_ = -1;
    int dot_ = -1;
    int bubble_ = -1;
    int strip_ = -1;
    int marker_ = -1;
    int markerCounter_ = 10;
    int sectionCap_ = -1;  // the caps the strip lies under
    int studyCap_ = -1;

    Walk walk_;
    QPoint target_;
    int walkCounter_ = 10;  // w
    bool studyChosen_ = false;
    bool sectionChosen_ = false;
    bool studyReturning_ = false;
    bool sectionReturning_ = false;
    bool enterRequested_ = false;
    Zone stopStudying_;
    Zone exit_;
    Zone menu_;
    std::array<QString, 4> info_;
    bool intro_ = true;
    bool titleShown_ = true;

    QPoint pointer_{512, 384};
    QPointF pointerWorld_;
    QPointF camera_;
    int frames_ = 0;  // frames since the intro, for the blinking dot
    bool dotLit_ = true;
    bool handCursor_ = false;
    bool visible_ = true;
    bool closeRequested_ = false;
    Curtain curtain_;
    SceneFrame frame_;
};

}  // namespace velmora
