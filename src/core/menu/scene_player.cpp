// The figure's move step: the walls as rules on her place, the zones, the information text, the
// walk through a door and back, the step itself, and everything that follows her on the screen.
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/menu/scene.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"

namespace velmora {
namespace {

constexpr int kIntroEnd = -167;
constexpr int kIntroStep = 2;
constexpr int kFirstWalkCounter = 10;
constexpr int kLastWalkCounter = 68;

int Rounded(double v) {
    return static_cast<int>(std::lround(v));
}

}  // namespace

void Scene::setPlayerImage(const char* series, int frame) {
    const std::string name = std::string(series) + (frame < 10 ? "0" : "") + std::to_string(frame);
    sprites_[player_].image = image(name.c_str());
}

// Stops one direction and shows that direction's first frame.
void Scene::stop(bool Walk::* direction, const char* series) {
    walk_.*direction = false;
    setPlayerImage(series, 1);
}

void Scene::playerMove(int moveCount) {
    Sprite& p = sprites_[player_];
    const int px = Rounded(p.x);
    const int py = Rounded(p.y);
    wallRules(px);
    zoneTriggers(px, p.x, p.y);
    verticalWalls(px, py);
    informationText(px, py);
    if (intro_) {
        p.y -= kIntroStep;
        if (p.y < kIntroEnd) intro_ = false;
        setPlayerImage("manup", 1);
        // The view follows her from the first step, so that she walks up the middle of the
        // screen into the building while the title is shown.
        placePanel();
        return;
    }
    innerWalls(px, py);
    arrival(px, py);
    doorWalks(px, py);
    stepAndAnimate(moveCount);
    placePanel();
}

void Scene::wallRules(int px) {
    const double y = sprites_[player_].y;
    if (px < -545 && walk_.left) stop(&Walk::left, "manizq");
    if (px >= -13 && y <= -897 && walk_.right) stop(&Walk::right, "mander");
    if (y >= -663 && y <= -200 && px < -312 && walk_.left) stop(&Walk::left, "manizq");
    if (px > 579 && y >= -549 && y <= -200 && walk_.right) stop(&Walk::right, "mander");
}

void Scene::zoneTriggers(int px, double x, double y) {
    if (px >= 740) {
        stopStudying_.in = true;
    } else {
        stopStudying_ = {};
    }
    if (x < -120 && y > -100) {
        exit_.in = true;
    } else {
        exit_ = {};
    }
    if (x > 200 && y > -100) {
        menu_.in = true;
    } else {
        menu_ = {};
    }
}

void Scene::verticalWalls(int px, int py) {
    auto wall = [&](int line) {
        if (walk_.down && py < line) stop(&Walk::down, "mandown");
        if (walk_.up && py >= line) stop(&Walk::up, "manup");
    };
    if (py >= -417 && py < -123 && (px < -2 || px > 59)) wall(-199);
    if (py >= -766 && py < -472 && (px < -329 || px > 550 || (px >= -247 && px <= 468))) wall(-548);
    if (py < -821) wall(-897);
}

void Scene::informationText(int px, int py) {
    auto lines = [&](int a, int b, int c, int d) {
        int k = 0;
        for (int n : {a, b, c, d}) info_[static_cast<size_t>(k++)] = cp1252::Decode(enlace_.texts[n]);
    };
    info_ = {};
    if (py >= -173) lines(38, 448, 449, 640);
    if (py >= -520 && py < -389 && px >= -70 && px <= 200) lines(450, 451, 452, 453);
    if (py >= -850 && py < -599 && ((px >= -450 && px < -249) || (px > 399 && px <= 600)))
        lines(454, 455, 456, 414);
    if (px > 1200)
        info_ = {QStringLiteral("    Estas perdido..."), QStringLiteral("    ¡¡¡¡  Vuelve  !!!!"),
                 QStringLiteral("    Es mejor seguir "), QStringLiteral("    estudiando.")};
    bool any = false;
    for (const QString& line : info_) any = any || !line.isEmpty();
    sprites_[bubble_].visible = any;
}

void Scene::innerWalls(int px, int py) {
    if (py >= -313 && py < -126) {
        if (px < 1 && walk_.left) stop(&Walk::left, "manizq");
        if (px > 56 && walk_.right) stop(&Walk::right, "mander");
    }
    if (py >= -662 && py < -498) {
        if (px >= -254 && px < -240 && walk_.right) stop(&Walk::right, "mander");
        if (px > 470 && px <= 484 && walk_.left) stop(&Walk::left, "manizq");
        if (px > 547 && walk_.right) stop(&Walk::right, "mander");
    }
    if (py >= -1011 && py < -824 && px >= -454 && px < -440 && walk_.right)
        stop(&Walk::right, "mander");
    if (py >= -200) {
        if (px < -152 && walk_.left) stop(&Walk::left, "manizq");
        if (px > 226 && walk_.right) stop(&Walk::right, "mander");
    }
    if (py > 52) walk_.down = false;
}

void Scene::arrival(int px, int py) {
    const int tx = target_.x();
    const int ty = target_.y();
    const bool upThere = ty - 30 >= py;
    const bool downThere = py >= ty - 30;
    const bool leftThere = tx - 10 >= px;
    const bool rightThere = px >= tx - 10;
    const int set = walk_.up + walk_.down + walk_.left + walk_.right;
    if (set == 1) {
        if (walk_.up && upThere) stop(&Walk::up, "manup");
        if (walk_.down && downThere) stop(&Walk::down, "mandown");
        if (walk_.left && leftThere) stop(&Walk::left, "manizq");
        if (walk_.right && rightThere) stop(&Walk::right, "mander");
        return;
    }
    if (set != 2 || !(walk_.up || walk_.down) || !(walk_.left || walk_.right)) return;
    const bool horizontal = walk_.right ? rightThere : leftThere;
    const bool vertical = walk_.up ? upThere : downThere;
    if (!horizontal || !vertical) return;
    const char* series = walk_.up ? (walk_.right ? "manupder" : "manupizq")
                                  : (walk_.right ? "mandoder" : "mandoizq");
    walk_ = {};
    setPlayerImage(series, 1);
}

void Scene::doorWalks(int px, int py) {
    auto rowOf = [&](bool study) {
        for (const Door& door : doors_)
            if (door.study == study) return rectOf(door.sprite);
        return QRectF();
    };
    // Up through a door of the group once she stands in its span, into the section 150 pixels
    // past the door's top. A study door must be the chosen one; a section door may be any, but
    // she must stand before the doors with the pointer near her.
    auto walkThrough = [&](bool study, bool& chosen) {
        const QRectF row = rowOf(study);
        if (!study && !(py < row.bottom() && std::abs(pointerWorld_.x() - px) <= 70)) return;
        for (const Door& door : doors_) {
            const QRectF r = rectOf(door.sprite);
            if (door.study != study || (study && !door.go) || !(px > r.x() && px < r.right() - 50))
                continue;
            walk_ = {.up = true};
            showOpen(study);
            if (row.y() - 150 > py) {
                chosen = false;
                enterRequested_ = true;
            }
            return;
        }
    };
    // Back out of the group's door after its section, until 100 pixels below its top.
    auto walkBack = [&](bool study, bool& returning) {
        if (rowOf(study).y() + 100 > py) {
            walk_ = {.down = true};
            showOpen(study);
            return;
        }
        for (Door& door : doors_)
            if (door.study == study) door.go = false;
        returning = false;
    };
    if (studyChosen_) walkThrough(true, studyChosen_);
    if (studyReturning_) walkBack(true, studyReturning_);
    if (sectionChosen_) walkThrough(false, sectionChosen_);
    if (sectionReturning_) walkBack(false, sectionReturning_);
}

// The chosen doors of the group show open.
void Scene::showOpen(bool study) {
    for (const Door& door : doors_)
        if (door.study == study && door.go) sprites_[door.sprite].image = image("puer3");
}

void Scene::stepAndAnimate(int moveCount) {
    if (!walk_.any()) return;
    Sprite& p = sprites_[player_];
    const double s = moveCount * speed_.stepFactor;
    if (walk_.up) p.y -= s;
    if (walk_.down) p.y += s;
    if (walk_.left) p.x -= s;
    if (walk_.right) p.x += s;
    const char* series = walk_.up     ? (walk_.left ? "manupizq" : walk_.right ? "manupder" : "manup")
                         : walk_.down ? (walk_.left ? "mandoizq" : walk_.right ? "mandoder" : "mandown")
                         : walk_.left ? "manizq"
                                      : "mander";
    setPlayerImage(series, (walkCounter_ - kFirstWalkCounter) / 6 + 1);
    walkCounter_ += 2;
    if (walkCounter_ > kLastWalkCounter) walkCounter_ = kFirstWalkCounter;
}

// What follows her: the bubble, the panel in the bottom left corner of the screen, the dark
// strip and the view itself.
void Scene::placePanel() {
    Sprite& p = sprites_[player_];
    Sprite& bubble = sprites_[bubble_];
    bubble.x = p.x + 60;
    bubble.y = p.y - 30;

    Sprite& plan = sprites_[plan_];
    plan.x = p.x - 482;
    plan.y = p.y + 348;
    const QSize planSize = sizeOf(plan_);
    Sprite& magnifier = sprites_[magnifier_];
    magnifier.x = plan.x + planSize.width();
    magnifier.y = plan.y;
    Sprite& exitDoor = sprites_[exitDoor_];
    exitDoor.x = plan.x + planSize.width();
    exitDoor.y = magnifier.y + sizeOf(magnifier_).height() - 1;
    Sprite& dot = sprites_[dot_];
    dot.x = plan.x + 30 + p.x / 24;
    dot.y = plan.y + 70 + p.y / 18;

    Sprite& strip = sprites_[strip_];
    const int cap = sectionChosen_ ? sectionCap_ : studyCap_;
    const QRectF capRect = rectOf(cap);
    strip.x = p.x - 374;
    // Its bottom 10 pixels lie under the cap: the dark ends behind the wall.
    strip.y = Rounded(capRect.top() + 10 - sizeOf(strip_).height());

    camera_ = QPointF(p.x - kPlayerOnScreen.x(), p.y - kPlayerOnScreen.y());
}

}  // namespace velmora
