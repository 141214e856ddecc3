#include "core/menu/scene_layout.h"


namespace velmora {
namespace {

constexpr Placement kWalls[] = {
    {"paredEx", 0, -1462, 68},   {"paredEx", 0, -1462, -1125}, {"paredEx", 0, -1462, 1250},
    {"paredEx", 0, -939, 68},    {"paredEx", 0, -939, -1125},  {"paredEx", 0, -939, -1382},
    {"paredEx", 0, -939, 1261},  {"paredEx", 0, -939, 1518},   {"paredEx", 3, -416, -1171},
    {"paredEx", 3, -416, -657},  {"paredEx", 3, -416, -914},   {"paredEx", 3, -416, 536},
    {"paredEx", 3, -416, 793},   {"paredEx", 3, -416, 1050},   {"paredEx", 3, -416, 1307},
    {"paredEx", 3, -416, 1564},  {"paredEx", 4, 107, 772},     {"paredEx", 4, 107, 515},
    {"paredEx", 4, 107, 258},    {"paredEx", 4, 107, 1},       {"paredEx", 4, 107, -256},
    {"paredEx", 4, 107, -513},   {"paredEx", 4, 107, -770},    {"paredEx", 4, 107, -1027},
    {"paredEx", 4, 107, -1284},  {"lateral1", 5, -1462, -1249}, {"lateral1", 5, -1462, 130},
    {"lateral1", 5, -1462, 1457}, {"lateral1", 5, -939, -1470}, {"lateral1", 5, -939, -770},
    {"lateral1", 5, -939, 990},  {"lateral1", 5, -416, -430},  {"lateral1", 5, -416, 400},
    {"lateral2", -1, -1043, -1249}, {"lateral2", -1, -1043, 1457}, {"lateral2", -1, -520, -1470},
    {"lateral2", -1, -520, -770}, {"lateral2", -1, -520, 990},  {"lateral2", -1, 3, -430},
    {"lateral2", -1, 3, 400},    {"lateral2", 4, -1195, 130},  {"paredUp", 4, -1462, -868},
    {"paredUp", 4, -1462, 325},  {"paredUp", 4, -939, 325},    {"paredUp", 4, -939, -868},
    {"paredUp", 4, -415, -400},  {"pared", 0, -1332, -868},    {"pared", 0, -1332, 325},
    {"pared", 0, -809, -868},    {"pared", 0, -809, 325},      {"pared", 0, -285, -400},
    {"lateralPaso", 4, -939, 68},
};

constexpr Placement kDecorations[] = {
    {"faraon1", 4, -680, -1070},
    {"faraon1", 4, -150, 600},
    {"faraon2", 4, -750, 1280},
    {"faraon2", 4, -220, -750},
};

using enum SceneDoor;
constexpr DoorPlacement kDoors[] = {
    {Q1, false, -808, -185, 8},
    {Q3, false, -808, 110, 7},
    {Q2, false, -808, 410, 9},
    {S1, true, -1331, -782, 1},
    {S2, true, -1331, -487, 2},
    {S3, true, -1331, -182, 3},
    {S4, true, -1331, 407, 4},
    {S5, true, -1331, 704, 5},
    {S6, true, -1331, 1007, 6},
};

// The two signposts, the stop-studying sign, the arrows and the plaques.
constexpr Placement kSigns[] = {
    {"rotulos", 6, -1207, -17},  // 0: at the study doors' corridor
    {"rotulos", 5, -470, -160},  // 1: at the section doors' corridor
    {"rotulo2", 7, -990, 1090},  // 2: stop studying
    {"rotulo1", 5, 70, -340},    // 3
    {"rotulo1", 5, -700, 855},   // 4
    {"rotulo2", 5, 70, 380},     // 5
    {"rotulo2", 6, -700, -610},  // 6
    {"tabla1", 5, -340, -60},    // 7
    {"tabla1", 5, -855, -235},   // 8
    {"tabla1", 5, -855, 50},     // 9
    {"tabla1", 5, -855, 340},    // 10
    {"tabla1", 5, -850, -530},   // 11
    {"tabla1", 5, -850, 667},    // 12
    {"tabla1", 5, -1385, -853},  // 13
    {"tabla1", 5, -1385, -535},  // 14
    {"tabla1", 5, -1385, -248},  // 15
    {"tabla1", 5, -1385, 337},   // 16
    {"tabla1", 5, -1385, 663},   // 17
    {"tabla1", 5, -1385, 953},   // 18
};

constexpr SignCaption kCaptions[] = {
    {1, 42, 0, -50, -19, 13},  {1, 42, 0, 55, -19, 13},  {1, 88, 0, -50, 2, 13},
    {1, 44, 0, 55, 2, 13},     {0, 42, 0, -55, -21, 13}, {0, 42, 0, 50, -21, 13},
    {0, 88, 0, -55, 2, 13},    {0, 44, 0, 50, 2, 13},    {2, 587, 0, -3, -12, 12},
    {2, 588, 0, -3, 5, 12},    {8, 53, 0, 4, -6, 13},    {8, 88, 0, 0, 10, 13},
    {10, 53, 0, 4, -6, 13},    {10, 44, 0, 0, 10, 13},   {9, 623, 0, 0, -6, 13},
    {9, 622, 0, 0, 10, 13},    {12, 79, 2, 0, 0, 13},    {11, 79, 0, 0, 0, 13},
    {13, 299, 0, 4, 0, 13},    {14, 103, 0, 0, 0, 13},   {15, 47, 0, 0, 0, 13},
    {16, 21, 0, 0, 0, 13},     {17, 113, 0, 0, 0, 13},   {18, 263, 0, 0, 0, 13},
    {3, 54, 0, 0, -6, 13},     {5, 6, 0, 0, -6, 12},     {7, 304, 0, 0, 0, 13},
    {6, 511, 0, 3, -6, 12},    {4, 511, 0, 3, -6, 12},
};

constexpr QPointF kTorches[] = {
    {-300, -250}, {370, -250}, {-400, -600}, {410, -600}, {-380, -950}, {410, -950}};

}  // namespace

QPointF WorldOf(int row, int column) {
    return {column * 2.0 / 3.0, row * 2.0 / 3.0};
}

std::span<const Placement> SceneWalls() { return kWalls; }
std::span<const Placement> SceneDecorations() { return kDecorations; }
std::span<const DoorPlacement> SceneDoors() { return kDoors; }
std::span<const Placement> SceneSigns() { return kSigns; }
std::span<const SignCaption> SignCaptions() { return kCaptions; }
std::span<const QPointF> TorchPlaces() { return kTorches; }

}  // namespace velmora
