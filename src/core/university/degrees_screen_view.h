#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/shared/palette.h"
#include "core/shared/rich_text.h"
#include "core/shared/screen_view.h"

namespace velmora {

// The controls of the degrees screen whose visibility, caption, hint or cursor the model decides.
// The widget names its controls (objectName) with ControlName().
//
// PanelEstrellas holds `mapa` and `PanelMapa` only: ListComunidad, BotRetroceder and BotImprimir
// sit over the same area but are not its children, since the list replaces the map on screen.
enum class DegreesControl {
    PanelMenu,
    BotMenuGrados,
    BotMenuUni,
    BotMenuDobles,
    BotMenuInfo,
    BotMenuArtes,
    BotMenuDepor,
    BotMenuRetro,
    PanelMenu2,
    BotMaster,
    botinfo1,
    ButEstadisticas,
    botinfo2,
    botinfo3,
    PanelMenu4,
    BotArtesPlas,
    BotMusica,
    BotDanza,
    BotDramatico,
    PanelTree,
    ButtonRetroN,
    ComboAgru,
    LabelBusTit,
    LabelBusTit2,
    EditBusTit,
    BitBusTit,
    Listramas,
    listgrados,
    Tree,
    PanelCarSel,
    PanelSelTit,
    PanelSel,
    ListSel,
    listSel2,
    RichSalidas,
    GridNotas,
    BotUni,
    BotReq,
    BotSal,
    BotDoblesCar,
    BotCorte,
    BotPonde,
    BotImprimirN,
    BotIntUni,
    BotArtesTit,
    BotArtesEsp,
    BotArtesLug,
    PanelEstrellas,
    mapa,
    PanelMapa,
    ListComunidad,
    BotRetroceder,
    BotImprimir,
    PanelGradosT,
    labelCentro,
    LabelMaster,
    LabelMaster2,
};
inline constexpr int kDegreesControlCount = static_cast<int>(DegreesControl::LabelMaster2) + 1;

// The control's name, as its objectName.
std::string_view ControlName(DegreesControl control);
// The control of that name; nothing for a name the model does not know.
std::optional<DegreesControl> ControlNamed(std::string_view name);

// A node of `Tree`, in absolute-index order (a parent comes before its children, children in
// order). `parent` is the absolute index of the parent node, -1 for a top-level node.
struct TreeNode {
    QString text;
    int parent = -1;
    int degree = 0;  // rowDegree of the node; 0 for a group, activity or itinerary node
    int image = 1;   // ImageList1 index
    int selectedImage = 1;
    int childCount = 0;
    // Blue for a top-level node with children, navy for the others; the widget draws a node under
    // the mouse in HoverRed and the focused node in White.
    Rgb colour = ColourOf(PaletteColour::Navy);
};

enum class RichSalidasPlace { Design, AtMaster, BelowMaster2 };

// The persistent state the degrees screen shows. The widget redraws the parts named by the
// changes it takes from the model (DegreesScreen::takeChanges).
struct DegreesView : ControlStates<DegreesControl, kDegreesControlCount> {
    QString windowTitle;
    QString titleBar;  // PanelSelTit's caption: the name of the current degree

    // ComboAgru: its text (shown while no item is chosen) and its five items.
    QString comboText;
    std::array<QString, 5> comboItems;

    // PanelSel, PanelSelTit and PanelCarSel 60 pixels below their design positions.
    bool detailLowered = false;
    // Where RichSalidas stands: at its design position, at the top of LabelMaster (the degree
    // browser's profile), or 5 pixels below LabelMaster2 (the masters text).
    RichSalidasPlace richSalidasPlace = RichSalidasPlace::Design;

    // Listramas: 6 rows 40 pixels high, icon of ImageListRamas at (left + 10, top).
    std::vector<Cell> branchRows;
    // listgrados: column 0 the name, column 1 "+" for a degree with specific titles.
    std::vector<GridRow> degreeRows;
    std::vector<TreeNode> tree;
    // ListSel: rows written at the left, those starting with "-" in maroon.
    std::vector<Cell> selRows;
    // ListComunidad: rows 17 pixels high.
    std::vector<Cell> communityRows;
    // GridNotas.
    std::vector<GridRow> gridRows;
    // The two rich-text boxes: the profile and the double degrees by university.
    RichText richSalidas;
    RichText listSel2;

    // The hint of listgrados: empty for none; lines separated by "\n".
    QString degreeHint;
    int degreeHintRow = -1;

    // PanelMapa (visible[PanelMapa]): top left in the screen's client area, width 115, text.
    QPoint mapPanelAt;
    int mapPanelWidth = 115;
    QString mapPanelText;
};

// The parts of the view a handler changed, and the one-shot requests it made. Taken (and
// cleared) by the widget after each call.
struct DegreesChanges : ScreenRequests<DegreesControl> {
    enum Part : unsigned {
        Visibility = 1u << 0,  // visible[]
        Captions = 1u << 1,    // caption[], hint[], windowTitle
        Cursors = 1u << 2,
        TitleBar = 1u << 3,
        Layout = 1u << 4,  // detailLowered, richSalidasPlace
        BranchRows = 1u << 5,
        DegreeRows = 1u << 6,
        Tree = 1u << 7,
        SelRows = 1u << 8,
        CommunityRows = 1u << 9,
        GridRows = 1u << 10,
        DegreeHint = 1u << 11,  // cancel the shown hint, then show degreeHint when not empty
        MapPanel = 1u << 12,
        // comboText, comboItems: refilling the selector forgets the student's choice, so it is
        // refilled only when its texts change, never with the other captions and hints.
        GroupingItems = 1u << 13,
        RichSalidasText = 1u << 14,
        ListSel2Text = 1u << 15,
        Diagram = 1u << 16,  // the degree-structure diagram (DegreesScreen::diagram())
    };
    unsigned parts = 0;

    // PanelSel hidden behind this transition, its new contents set, then shown the same way
    // (1000 ms each).
    std::optional<TransitionKind> panelSelTransition;
    // Repaint the tree (a node's selected image changed).
    bool repaintTree = false;
    // Hide the screen: another window takes its place.
    bool hideScreen = false;

    bool any() const {
        return parts != 0 || !scrolls.empty() || focus || panelSelTransition || repaintTree ||
               hideScreen;
    }
    bool has(Part part) const { return (parts & part) != 0; }
};

}  // namespace velmora
