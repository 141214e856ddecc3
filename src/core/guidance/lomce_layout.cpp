// Where everything of the LOMCE diagram sits. The diagram reads from the bottom (2nd year of
// ESO) upwards: the three ESO years with the improvement programme (PMAR) and basic vocational
// training (FP Básica) on the right, the wall of the ESO title, Bachillerato in three columns
// beside intermediate vocational training, the wall of the university entrance exam, and the
// degree branches beside higher vocational training. The left column names the years.
#include <algorithm>
#include <array>

#include "core/guidance/lomce_diagram.h"

namespace velmora {
namespace {

using F = DiagramCaption::From;
using G = DiagramGlyph;

constexpr QRect kBoxes[] = {
    {56, 640, 681, 41},   {56, 580, 473, 41},   {560, 580, 177, 41}, {56, 516, 473, 41},
    {560, 516, 177, 41},  {8, 48, 41, 633},     {56, 272, 65, 205},  {128, 272, 129, 205},
    {264, 272, 145, 205}, {432, 272, 209, 205}, {56, 48, 65, 173},   {128, 48, 129, 173},
    {264, 48, 129, 173},  {432, 48, 177, 177},
};

constexpr DiagramElement Label(std::string_view name, QRect rect, int step, F from, int line,
                               std::string_view literal = {}) {
    return {name, DiagramKind::Label, rect, step, {from, line, literal}};
}
// A year in the left column, larger than the other captions.
constexpr DiagramElement Year(std::string_view name, int top, std::string_view digit) {
    return {name, DiagramKind::Label, {8, top, 41, 18}, 0, {F::Literal, 0, digit, 12}};
}
// A caption on a plate over a wall.
constexpr DiagramElement Plate(std::string_view name, QRect rect, int step, int line) {
    return {name,
            DiagramKind::Label,
            rect,
            step,
            {F::Informa, line, {}, 9, PaletteColour::Black, false, true}};
}
constexpr DiagramElement Wall(std::string_view name, QRect rect, int step) {
    return {name, DiagramKind::Wall, rect, step};
}
constexpr DiagramElement Band(std::string_view name, QRect rect, int step) {
    return {name, DiagramKind::Shape, rect, step};
}
constexpr DiagramElement Info(std::string_view name, int left, int top, int step, int key,
                              G glyph = G::Info) {
    return {name, DiagramKind::Button, {left, top, 18, 18}, step, {}, glyph, {false, key, 0}};
}
constexpr DiagramElement Subjects(std::string_view name, int left, int top, int step, int key,
                                  int secondKey = 0) {
    return {name,    DiagramKind::Button,   {left, top, 18, 18}, step, {},
            G::Info, {true, key, secondKey}};
}

constexpr DiagramElement kElements[] = {
    // The left column: the years and the stages.
    Year("LabelE2", 643, "2"),
    Label("Label8", {8, 661, 41, 16}, 0, F::Text, 2),
    Year("LabelE3", 583, "3"),
    Label("Label9", {8, 601, 41, 16}, 0, F::Text, 2),
    Year("LabelE4", 519, "4"),
    Label("Label10", {8, 537, 41, 16}, 0, F::Text, 2),
    Year("LabelB2", 296, "2"),
    Year("LabelB1", 440, "1"),
    {"Label29",
     DiagramKind::Label,
     {8, 316, 41, 122},
     0,
     {F::Text, 88, {}, 9, PaletteColour::Black, true}},
    // Over the boxes.
    Label("Label30", {56, 252, 353, 18}, 0, F::Informa, 46),
    Label("LabelFPGS", {436, 52, 169, 18}, 0, F::Text, 47),
    Label("LabelFPGM", {436, 275, 201, 16}, 0, F::Text, 113),
    Plate("LabelEva1", {186, 488, 204, 18}, 0, 48),
    // ESO.
    Label("LabelEnsAca", {88, 528, 214, 16}, 1, F::Informa, 49),
    Label("LabelEnsApli", {306, 528, 214, 16}, 1, F::Informa, 50),
    Label("LabelMej1", {582, 592, 132, 16}, 2, F::Informa, 51),
    Label("LabelMej2", {582, 652, 132, 16}, 2, F::Informa, 52),
    Label("LabelFPB1", {582, 528, 132, 16}, 3, F::Informa, 53),
    Plate("LabelFPB2", {582, 488, 132, 18}, 3, 53),
    // Bachillerato and the university.
    Label("LabelBach1", {56, 275, 65, 16}, 6, F::Text, 92),
    Label("LabelBach2", {128, 275, 129, 16}, 6, F::Informa, 47),
    Label("LabelBach3", {264, 275, 145, 16}, 6, F::Text, 104),
    Plate("LabelEva2", {176, 229, 104, 18}, 7, 41),
    Label("LabelIti1", {58, 62, 61, 16}, 8, F::Text, 92),
    Label("LabelIti2", {130, 62, 125, 16}, 8, F::Text, 97),
    Label("LabelIti3", {130, 132, 125, 16}, 8, F::Text, 100),
    Label("LabelIti4", {266, 156, 125, 16}, 8, F::Text, 104),
    Label("LabelIti5", {266, 106, 125, 16}, 8, F::Text, 105),
    Label("LabelIti6", {266, 56, 125, 16}, 8, F::Text, 99),

    Wall("ImageMuro1", {56, 486, 473, 22}, 0),
    Wall("ImageMuro2", {56, 228, 353, 20}, 7),

    // The six routes of Bachillerato, and the two years of an intermediate cycle.
    Band("Shape1", {60, 294, 57, 179}, 6),
    Band("Shape2", {132, 294, 58, 179}, 6),
    Band("Shape3", {195, 294, 58, 179}, 6),
    Band("Shape4", {268, 294, 43, 179}, 6),
    Band("Shape5", {315, 294, 43, 179}, 6),
    Band("Shape6", {362, 294, 43, 179}, 6),
    Band("Shape7", {440, 386, 193, 86}, 5),
    Band("Shape8", {440, 294, 193, 86}, 5),

    // The round buttons, in creation order.
    Subjects("BitESO1", 562, 591, 2, 1),
    Subjects("BitESO2", 64, 651, 1, 2),
    Subjects("BitESO3", 64, 591, 1, 3, 30),
    Subjects("BitESO4", 64, 527, 1, 4, 30),
    Info("BitMej1", 562, 651, 2, 5),
    Info("BitMej2", 716, 591, 2, 6),
    Info("BitBas1", 640, 560, 9, 8),
    Info("BitBas2", 562, 527, 3, 8),
    Info("BitBas3", 716, 527, 3, 9),
    Info("BitBas4", 562, 488, 3, 10, G::Up),
    Info("BitBas5", 716, 488, 3, 11),
    Info("BitFleESO1", 150, 488, 1, 12, G::Up),
    Info("BitFleESO2", 470, 488, 1, 13, G::Up),
    Info("BitFleDejar", 740, 527, 9, 14, G::Right),
    Info("BitGM1", 527, 420, 5, 15),
    Info("BitGM2", 527, 328, 5, 16),
    Info("BitFleFP", 411, 240, 7, 18, G::Right),
    Info("BitFleGM", 511, 240, 9, 18, G::Up),
    Info("BitEva1", 394, 488, 9, 19),
    Info("BitEva2", 284, 229, 9, 20),
    Info("BitFleSel", 98, 229, 7, 21, G::Up),
    Subjects("BitSal1", 328, 430, 9, 14, 10),
    Subjects("BitCie1", 375, 430, 9, 14, 10),
    Subjects("BitSoc1", 215, 430, 9, 13, 10),
    Subjects("BitArt1", 80, 430, 9, 11, 10),
    Subjects("BitIng1", 281, 430, 9, 14, 10),
    Subjects("BitHu1", 152, 430, 9, 12, 10),
    Subjects("BitArt2", 80, 330, 9, 21, 20),
    Subjects("BitHu2", 152, 330, 9, 22, 20),
    Subjects("BitSoc2", 215, 330, 9, 23, 20),
    Subjects("BitIng2", 281, 330, 9, 24, 20),
    Subjects("BitSal2", 328, 330, 9, 24, 20),
    Subjects("BitCie2", 375, 330, 9, 24, 20),
    Info("BitGS", 511, 128, 9, 34),
    Info("BitArt3", 79, 84, 9, 41),
    Info("BitHu3", 183, 84, 9, 42),
    Info("BitSoc3", 183, 154, 9, 43),
    Info("BitIng3", 319, 76, 9, 44),
    Info("BitSal3", 319, 126, 9, 45),
    Info("BitCie3", 319, 176, 9, 46),
};

constexpr int Count(DiagramKind kind) {
    int n = 0;
    for (const DiagramElement& e : kElements) n += e.kind == kind ? 1 : 0;
    return n;
}
static_assert(Count(DiagramKind::Button) == LomceDiagram::kHintLines);

const std::array<int, LomceDiagram::kHintLines>& Buttons() {
    static const std::array<int, LomceDiagram::kHintLines> buttons = [] {
        std::array<int, LomceDiagram::kHintLines> out{};
        size_t k = 0;
        for (size_t i = 0; i < std::size(kElements); ++i)
            if (kElements[i].kind == DiagramKind::Button) out[k++] = static_cast<int>(i);
        return out;
    }();
    return buttons;
}

int Named(std::string_view name) {
    return DiagramElementNamed(name).value();
}

}  // namespace

std::span<const QRect> DiagramBoxes() {
    return kBoxes;
}

std::span<const DiagramElement> DiagramElements() {
    return kElements;
}

std::optional<int> DiagramElementNamed(std::string_view name) {
    const auto found = std::find_if(std::begin(kElements), std::end(kElements),
                                    [name](const DiagramElement& e) { return e.name == name; });
    if (found == std::end(kElements)) return std::nullopt;
    return static_cast<int>(found - std::begin(kElements));
}

std::span<const int> DiagramButtons() {
    return Buttons();
}

std::vector<int> BlinkGroup(int step) {
    std::vector<std::string_view> names;
    switch (step) {
        case 1:
            names = {"LabelEnsAca", "LabelEnsApli", "BitESO3", "BitESO4", "BitESO2"};
            break;
        case 2:
            names = {"LabelMej1", "LabelMej2", "BitESO1", "BitMej1", "BitMej2"};
            break;
        case 3:
            names = {"LabelFPB1", "LabelFPB2", "BitBas2", "BitBas3", "BitBas4", "BitBas5"};
            break;
        case 4:
            names = {"LabelEva1", "ImageMuro1", "BitFleESO1", "BitFleESO2"};
            break;
        case 5:
            names = {"Shape7", "Shape8", "BitGM1", "BitGM2"};
            break;
        case 7:
            names = {"LabelEva2", "ImageMuro2", "BitFleSel", "BitFleIz"};
            break;
        default:
            break;
    }
    std::vector<int> out;
    out.reserve(names.size());
    for (const std::string_view name : names)
        out.push_back(name == "BitFleIz" ? kDiagramBackArrow : Named(name));
    return out;
}

}  // namespace velmora
