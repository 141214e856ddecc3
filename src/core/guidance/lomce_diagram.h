#pragma once

#include <QRect>
#include <QString>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared/palette.h"
#include "core/university/degrees_screen_view.h"

namespace velmora {

class Enlace;

// The parts of the LOMCE itineraries diagram. Boxes are always there; every other element is
// shown from the start or revealed by a step.
enum class DiagramKind {
    Label,   // a caption: Arial 9 bold black unless it says otherwise
    Wall,    // the wall a student passes with a title or an exam
    Shape,   // a lighter band inside a box: a route or a school year
    Button,  // a small round button with the element's explanation
};

// What a round button shows on its face.
enum class DiagramGlyph { Info, Up, Right };

// Where a label's caption comes from.
struct DiagramCaption {
    enum class From { Literal, Text, Informa };  // interface text N, "informa_l" line N
    From from = From::Literal;
    int line = 0;
    std::string_view literal;
    int points = 9;
    PaletteColour colour = PaletteColour::Black;
    bool vertical = false;  // written upwards, along a narrow column
    bool plate = false;     // on a small light plate, over a wall
};

// The lines a button's panel shows: the informative lines of a key, or the heading and the
// subject lines of one or two keys.
struct DiagramKeys {
    bool subjects = false;
    int key = 0;
    int secondKey = 0;  // 0: none
};

struct DiagramElement {
    std::string_view name;
    DiagramKind kind;
    QRect rect;  // in Paneliti
    int step;    // 0: shown from the start; else the step that reveals it
    DiagramCaption caption{};
    DiagramGlyph glyph = DiagramGlyph::Info;
    DiagramKeys panel{};
};

// The diagram's layout: Paneliti, right-aligned in the window, with its fourteen boxes, and the
// controls to its left.
struct DiagramLayout {
    static constexpr QRect kPaneliti{263, 39, 761, 689};
    static constexpr QRect kLabelLOMCE{12, 40, 240, 24};
    static constexpr QRect kLabelFle{12, 68, 240, 40};
    static constexpr QRect kListExplica{11, 112, 241, 209};
    static constexpr QRect kBitFleIz{40, 336, 64, 40};
    static constexpr QRect kBitFleDe{160, 336, 64, 40};
    static constexpr QRect kBitRetro{52, 700, 160, 34};
    static constexpr QRect kPanelEx{192, 216, 387, 257};
    static constexpr QRect kListBit{4, 4, 379, 213};
    static constexpr QRect kBotCerrar{299, 223, 84, 28};
    static constexpr int kRowHeight = 20;
    static constexpr int kButtonSize = 18;
    static constexpr Rgb kBoxTop{255, 255, 255};
    static constexpr Rgb kBoxBottom{0, 128, 0};
};

// PaintBox1 to PaintBox14, in Paneliti.
std::span<const QRect> DiagramBoxes();
// Every other element, labels first, then walls, shapes and the 40 round buttons in their
// creation order (which gives them their hints: "informa_l" lines 1 to 40).
std::span<const DiagramElement> DiagramElements();
// The element of that name; nothing for a name the diagram does not have.
std::optional<int> DiagramElementNamed(std::string_view name);
// The round buttons' indexes among the elements, in creation order.
std::span<const int> DiagramButtons();
// The elements that blink when step s is shown; empty for a step without new elements to blink.
// The back arrow BitFleIz, outside the diagram, blinks with step 7's and stands as
// kDiagramBackArrow.
inline constexpr int kDiagramBackArrow = -1;
std::vector<int> BlinkGroup(int step);

// What the diagram shows.
struct DiagramView {
    std::vector<bool> visible;     // by element
    std::vector<QString> caption;  // by element; labels only
    std::vector<QString> hint;     // by element; buttons, from step 9 on
    QString windowTitle;
    QString labelLOMCE, labelFle, retro, cerrar;
    bool labelFleVisible = false;
    bool backVisible = true;  // BitFleIz, which blinks at step 7
    bool backEnabled = false;
    bool forwardEnabled = true;
    std::vector<Cell> explanation;  // ListExplica
    std::vector<Cell> panel;        // ListBit
    bool panelVisible = false;      // PanelEx
};

struct DiagramChanges {
    enum Part : unsigned {
        Visibility = 1u << 0,  // elements, LabelFle, the arrows
        Captions = 1u << 1,
        Hints = 1u << 2,
        Explanation = 1u << 3,
        Panel = 1u << 4,
    };
    unsigned parts = 0;
    // PanelEx revealed (true) or hidden (false) with the roll transition.
    std::optional<bool> panelTransition;

    bool any() const { return parts != 0 || panelTransition; }
    bool has(Part part) const { return (parts & part) != 0; }
};

// The model of TFlomce: the routes of the education system from the second year of ESO to
// degrees and vocational training, revealed in ten steps with two arrows; each step's new
// elements blink a few times before they stay, and every round button opens a panel with the
// explanation lines of its element. The ESO screen opens it and it goes back there.
class LomceDiagram {
  public:
    static constexpr int kLastStep = 9;
    static constexpr int kBlinkInterval = 500;  // ms
    static constexpr int kBlinks = 5;           // toggles before the group stays
    static constexpr int kExplanationKey = 50;  // + the step
    static constexpr int kGoOnLine = 44;        // "informa_l" line after each step's text
    static constexpr int kSubjectsHeadingLine = 45;
    static constexpr int kHintLines = 40;

    explicit LomceDiagram(Enlace& enlace);

    // FormCreate: every caption, and step 0 shown.
    void FormCreate();
    // Each time the screen is shown: the step list holds the diagram's introduction again; the
    // step stays as it was.
    void FormActivate();

    void BitFleDeClick();
    void BitFleIzClick();
    // A round button (its index among the elements) opens its panel.
    void ElementClick(int element);
    void BotCerrarClick();
    // The blink timer.
    void tick();

    int step() const { return step_; }
    bool blinking() const { return blinking_; }
    const DiagramView& view() const { return view_; }
    bool visible(int element) const { return view_.visible.at(static_cast<size_t>(element)); }
    DiagramChanges takeChanges();

    // The drawing of a row of the two lists: two leading blanks in red; a leading "-" with the
    // title icon and the text after it; anything else plain.
    static Cell Row(std::string_view bytes);

  private:
    void showStep(int s);
    void explain(int s);
    void finishBlink();
    void showEverything();
    void setVisible(int element, bool on);
    void enableArrows();
    void touch(DiagramChanges::Part part) { changes_.parts |= part; }

    Enlace& enlace_;
    DiagramView view_;
    DiagramChanges changes_;
    int step_ = 0;
    int blinkStep_ = 0;
    int blinkCounter_ = 0;
    bool blinking_ = false;
};

}  // namespace velmora
