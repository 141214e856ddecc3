#include "core/menu/doors.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace velmora {
namespace {

using enum MenuLabel;

constexpr std::array<MenuLabelPlace, kMenuLabelCount> kPlaces = {{
    {Carreras, "LabelCarreras", {59, 100}, 1},
    {Cat, "LabelCat", {232, 90}, 2},
    {FpS, "LabelFpS", {410, 100}, 3},
    {Iti, "LabelIti", {579, 100}, 4},
    {FPM, "LabelFPM", {757, 100}, 5},
    {FPip, "LabelFPip", {928, 100}, 6},
    {CurEsp, "LabelCurEsp", {41, 500}, 0},
    {Profe, "LabelProfe", {218, 500}, 7},
    {CuesB, "LabelCuesB", {408, 480}, 8},
    {CuesE, "LabelCuesE", {584, 480}, 9},
    {Config, "LabelConfig", {753, 490}, 0},
    {Asistente, "LabelAsistente", {930, 500}, 11},
    {Dejar, "LabelDejar", {926, 293}, 0},
}};

constexpr int kUpperFloorY = 170;
constexpr int kLowerFloorY = 510;
constexpr int kLowerRowTop = 305;

using K = TargetStep::Kind;

const std::vector<SectionTarget>& Targets() {
    static const std::vector<SectionTarget> targets = {
        {1, "TForm1", {{K::RunHandler, "botinformacionClick"}}},
        {2, "TFormCat", {}},
        {3, "TForm8", {{K::Show, "LabelFP1"}, {K::Show, "PanelFP"}}},
        {4, "TForm2", {{K::Show, "BotLOMCE"}, {K::Hide, "botCuestio"}}},
        {5, "TForm3", {{K::StartTimerOnFirstOpening, "heli"}}},
        {6,
         "TFIniPro",
         {{K::Show, "ListSelFp"}, {K::Show, "BotLug"}, {K::Show, "BotRetrocederFP"}}},
        {7, "Tprofe", {{K::RunHandler, "BotCuestioClick"}}},
        {8, "TFormCon", {}},
        {9,
         "TForm2",
         {{K::Hide, "BotLOMCE"}, {K::Show, "botCuestio"}, {K::FillScreen, "degradeIti"}}},
        {11, "TForm5", {{K::OpenedFromMenu, ""}}},
    };
    return targets;
}

}  // namespace

std::span<const MenuLabelPlace> MenuLabelPlaces() {
    return kPlaces;
}

const MenuLabelPlace& PlaceOf(MenuLabel label) {
    return kPlaces[static_cast<size_t>(label)];
}

const MenuLabelPlace* DoorLabel(int door) {
    if (door <= 0) return nullptr;
    const auto found = std::find_if(kPlaces.begin(), kPlaces.end(),
                                    [door](const MenuLabelPlace& p) { return p.door == door; });
    return found == kPlaces.end() ? nullptr : &*found;
}

QPoint ClimbStart(int door) {
    const MenuLabelPlace* place = DoorLabel(door);
    if (!place) throw std::out_of_range("no such door");
    return {place->topLeft.x() + 4, door >= 7 ? kLowerFloorY : kUpperFloorY};
}

DoorTile TileOfDoor(int door) {
    if (door >= 7) return {door - 5, kLowerRowTop};
    return {door, 0};
}

QRect ZoomRect(int door, int z, QSize parte) {
    const DoorTile tile = TileOfDoor(door);
    const int half = z / 2;  // z is never negative: toward zero is plain division
    const int left = (tile.column - 1) * parte.width() - half;
    const int right = tile.column * parte.width() + half;
    const int bottom = tile.top + parte.height() + z;
    return QRect(QPoint(left, tile.top), QSize(right - left, bottom - tile.top));
}

const SectionTarget& TargetOfDoor(int door) {
    for (const SectionTarget& target : Targets())
        if (target.door == door) return target;
    throw std::out_of_range("no such door");
}

const SectionTarget& StopStudyingTarget() {
    static const SectionTarget target{0, "TCertifica", {}};
    return target;
}

}  // namespace velmora
