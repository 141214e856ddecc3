#include "core/university/degrees_screen.h"

#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/shared/shutdown.h"
#include "core/university/degree_list.h"
#include "core/university/degree_load.h"
#include "core/university/degree_statistics.h"
#include "core/university/degrees_screen_trees.h"

namespace velmora {
namespace {

using C = DegreesControl;

constexpr std::array<std::string_view, kDegreesControlCount> kControlNames = {
    "PanelMenu",     "BotMenuGrados", "BotMenuUni",     "BotMenuDobles", "BotMenuInfo",
    "BotMenuArtes",  "BotMenuDepor",  "BotMenuRetro",   "PanelMenu2",    "BotMaster",
    "botinfo1",      "ButEstadisticas", "botinfo2",     "botinfo3",      "PanelMenu4",
    "BotArtesPlas",  "BotMusica",     "BotDanza",       "BotDramatico",  "PanelTree",
    "ButtonRetroN",  "ComboAgru",     "LabelBusTit",    "LabelBusTit2",  "EditBusTit",
    "BitBusTit",     "Listramas",     "listgrados",     "Tree",          "PanelCarSel",
    "PanelSelTit",   "PanelSel",      "ListSel",        "listSel2",      "RichSalidas",
    "GridNotas",     "BotUni",        "BotReq",         "BotSal",        "BotDoblesCar",
    "BotCorte",      "BotPonde",      "BotImprimirN",   "BotIntUni",     "BotArtesTit",
    "BotArtesEsp",   "BotArtesLug",   "PanelEstrellas", "mapa",          "PanelMapa",
    "ListComunidad", "BotRetroceder", "BotImprimir",    "PanelGradosT",  "labelCentro",
    "LabelMaster",   "LabelMaster2",
};

// Controls hidden until a view shows them; every other control is visible inside its parent.
constexpr C kHiddenAtStart[] = {
    C::PanelMenu,   C::PanelMenu2,    C::PanelMenu4,     C::PanelTree,     C::listgrados,
    C::Tree,        C::PanelCarSel,   C::PanelSelTit,    C::PanelSel,      C::listSel2,
    C::RichSalidas, C::GridNotas,     C::BotUni,         C::BotReq,        C::BotSal,
    C::BotDoblesCar, C::BotCorte,     C::BotPonde,       C::BotImprimirN,  C::BotIntUni,
    C::BotArtesTit, C::BotArtesEsp,   C::BotArtesLug,    C::PanelEstrellas, C::PanelMapa,
    C::ListComunidad, C::BotRetroceder, C::BotImprimir,  C::PanelGradosT,  C::LabelMaster,
    C::LabelMaster2,
};

// Listramas row -> ImageListRamas icon.
constexpr int kBranchIcons[6] = {0, 5, 1, 4, 2, 3};
constexpr int kFirstBranchText = 515;
constexpr int kAllDegreesText = 523;
constexpr int kSpecificTitlesText = 538;
constexpr int kDegreeIcon = 3;  // ImageList1

constexpr Rgb kYellow{255, 255, 0};

size_t Index(C control) { return static_cast<size_t>(control); }

QString Text(std::string_view bytes) { return cp1252::Decode(bytes); }

bool Grouped(int branch) { return branch == 1 || branch == 3 || branch == 4 || branch == 6; }

}  // namespace

std::string_view ControlName(DegreesControl control) { return kControlNames[Index(control)]; }

std::optional<DegreesControl> ControlNamed(std::string_view name) {
    for (int i = 0; i < kDegreesControlCount; ++i)
        if (kControlNames[static_cast<size_t>(i)] == name) return static_cast<DegreesControl>(i);
    return std::nullopt;
}

DegreesScreen::DegreesScreen(Enlace& enlace, AddressOpener& opener, Printing& printing)
    : enlace_(enlace), opener_(opener), printing_(printing) {
    view_.visible.fill(true);
    for (C control : kHiddenAtStart) view_.visible[Index(control)] = false;
    view_.cursor.fill(CursorKind::Default);
    for (C button : {C::BotMenuGrados, C::BotMenuUni, C::BotMenuDobles, C::BotMenuInfo,
                     C::BotMenuArtes, C::BotMenuDepor, C::BotMenuRetro, C::BotMaster, C::botinfo1,
                     C::ButEstadisticas, C::botinfo2, C::botinfo3, C::BotArtesPlas, C::BotMusica,
                     C::BotDanza, C::BotDramatico, C::ButtonRetroN, C::BitBusTit, C::BotUni,
                     C::BotReq, C::BotSal, C::BotDoblesCar, C::BotCorte, C::BotPonde,
                     C::BotImprimirN, C::BotIntUni, C::BotArtesTit, C::BotArtesEsp,
                     C::BotArtesLug, C::BotRetroceder, C::BotImprimir, C::ComboAgru,
                     C::Listramas, C::listgrados, C::Tree, C::ListComunidad})
        view_.cursor[Index(button)] = CursorKind::Hand;
    // The detail list is not clickable until it lists the places of a community.
    view_.cursor[Index(C::ListSel)] = CursorKind::NotAllowed;
}

DegreesScreen::~DegreesScreen() {
    if (starMap_) starMap_->attach(nullptr);
}

bool DegreesScreen::FormCreate() {
    Handler h(*this);
    const bool loaded = RunSetUp(enlace_.messages, [this] { LoadDegreeData(enlace_); });
    if (loaded) SetCaptions();
    return loaded;
}

void DegreesScreen::SetCaptions() {
    Handler h(*this);
    const InterfaceTexts& t = enlace_.texts;
    auto caption = [&](C control, std::string_view bytes) {
        view_.caption[Index(control)] = CaptionText(bytes);
    };
    auto joined = [&](int a, int b) { return t[a] + "  " + t[b]; };

    const std::string school = cp1252::Encode(enlace_.settings.schoolName);
    view_.windowTitle = CaptionText(t[338] + "  " + school);
    for (C c : {C::BotRetroceder, C::BotMenuRetro, C::ButtonRetroN}) caption(c, t[82]);
    for (C c : {C::BotImprimir, C::BotImprimirN}) caption(c, t[36]);
    caption(C::BotMenuDepor, t[300]);
    caption(C::BotMenuUni, t[503]);
    caption(C::BotMenuDobles, t[242]);
    caption(C::BotDoblesCar, t[242]);
    caption(C::BotUni, t[276]);
    caption(C::BotReq, t[277]);
    caption(C::BotSal, t[311]);
    caption(C::ButEstadisticas, t[227]);
    caption(C::BotMenuArtes, t[524]);
    caption(C::BotArtesPlas, t[525]);
    caption(C::BotMusica, t[526]);
    caption(C::BotDanza, t[527]);
    caption(C::BotDramatico, t[528]);
    caption(C::BotArtesTit, t[533]);
    caption(C::BotArtesEsp, t[534]);
    caption(C::BotArtesLug, t[535]);
    caption(C::BotMenuGrados, t[kAllDegreesText]);
    caption(C::BotIntUni, t[173]);
    view_.hint[Index(C::BotIntUni)] = CaptionText(t[174]);
    caption(C::BotMaster, t[551]);
    caption(C::botinfo1, t[553]);
    caption(C::botinfo2, joined(111, 178));
    caption(C::botinfo3, joined(346, 347));
    caption(C::BotMenuInfo, t[79]);
    caption(C::BotPonde, t[719]);
    caption(C::BotCorte, t[296]);
    caption(C::LabelMaster, t[535] + " ?");
    view_.hint[Index(C::ListSel)] = CaptionText("Clic~Clic - " + t[173]);
    caption(C::LabelBusTit, t[569] + " ...");
    caption(C::LabelBusTit2, t[570]);
    caption(C::EditBusTit, "");
    view_.caption[Index(C::labelCentro)] =
        enlace_.settings.schoolName.trimmed() + QStringLiteral(" - ") + QString::fromLatin1(kSchoolYear);
    enlace_.hintPause.setShownFor(kHintPauseMs);

    const DegreeTables& tables = enlace_.degreeTables;
    view_.comboText = Text(tables.groupingPrompt);
    for (size_t i = 0; i < view_.comboItems.size(); ++i) view_.comboItems[i] = Text(tables.groupingItems[i]);
    touch(DegreesChanges::Captions);
    touch(DegreesChanges::GroupingItems);
}

void DegreesScreen::attachStarMap(StarMap* starMap) {
    if (starMap_) starMap_->attach(nullptr);
    starMap_ = starMap;
    if (starMap_) starMap_->attach(this);
}

DegreesChanges DegreesScreen::takeChanges() {
    DegreesChanges out = std::move(changes_);
    changes_ = DegreesChanges{};
    return out;
}

// --- Helpers ---------------------------------------------------------------------------------

void DegreesScreen::setVisible(C control, bool on) {
    if (view_.setVisible(control, on)) touch(DegreesChanges::Visibility);
}

bool DegreesScreen::isVisible(C control) const { return view_.isVisible(control); }

void DegreesScreen::setCursor(C control, CursorKind kind) {
    if (view_.setCursor(control, kind)) touch(DegreesChanges::Cursors);
}

void DegreesScreen::setTitleBar(const std::string& bytes) {
    view_.titleBar = Text(bytes);
    touch(DegreesChanges::TitleBar);
}

void DegreesScreen::setSelLines(std::vector<std::string> lines) {
    state_.selLines = std::move(lines);
    view_.selRows.clear();
    view_.selRows.reserve(state_.selLines.size());
    for (const std::string& line : state_.selLines) {
        Cell cell;
        cell.text = Text(line);
        if (!line.empty() && line[0] == '-') {
            cell.kind = RowKind::Heading;
            cell.colour = ColourOf(PaletteColour::Maroon);
        }
        view_.selRows.push_back(std::move(cell));
    }
    touch(DegreesChanges::SelRows);
}

void DegreesScreen::setCommunityLines(std::vector<std::string> lines) {
    state_.communityLines = std::move(lines);
    view_.communityRows.clear();  // drawn again, for the mode in force, when the handler ends
    touch(DegreesChanges::CommunityRows);
}

void DegreesScreen::renderCommunityRows() {
    std::vector<Cell> rows;
    rows.reserve(state_.communityLines.size());
    for (const std::string& line : state_.communityLines) {
        Cell cell;
        cell.text = Text(line);
        if (!line.empty() && line[0] == '-') {
            cell.kind = RowKind::Heading;
            cell.fill = ColourOf(PaletteColour::Coral);
            cell.colour = ColourOf(PaletteColour::White);
        } else if (state_.degreeMode || state_.doublesMode ||
                   (state_.otherStudiesMode && line.compare(0, 3, "   ") != 0)) {
            cell.kind = RowKind::Icon;
            cell.icon = state_.degreeMode ? 5 : 3;
            cell.textLeft = 20;
        }
        rows.push_back(std::move(cell));
    }
    if (rows == view_.communityRows) return;
    view_.communityRows = std::move(rows);
    touch(DegreesChanges::CommunityRows);
}

void DegreesScreen::setGridCells(std::vector<std::array<std::string, 2>> cells) {
    state_.gridCells = std::move(cells);
    view_.gridRows.clear();
    view_.gridRows.reserve(state_.gridCells.size());
    for (const auto& row : state_.gridCells) {
        GridRow out;
        for (size_t c = 0; c < 2; ++c) {
            const std::string& text = row[c];
            Cell& cell = out[c];
            cell.textLeft = 2;
            if (!text.empty() && text[0] == '-') {
                cell.kind = RowKind::Heading;
                cell.colour = ColourOf(PaletteColour::Maroon);
                cell.bold = true;
                cell.text = Text(text);
            } else if (!text.empty() && text[0] == '<') {
                cell.kind = RowKind::Icon;
                cell.icon = kDegreeIcon;
                cell.textLeft = 20;
                cell.text = Text(std::string_view(text).substr(1));
            } else {
                cell.text = Text(text);
            }
        }
        view_.gridRows.push_back(std::move(out));
    }
    touch(DegreesChanges::GridRows);
}

void DegreesScreen::setRichSalidas(RichText text) {
    view_.richSalidas = std::move(text);
    touch(DegreesChanges::RichSalidasText);
}

void DegreesScreen::setListSel2(RichText text) {
    view_.listSel2 = std::move(text);
    touch(DegreesChanges::ListSel2Text);
}

void DegreesScreen::setRichSalidasPlace(RichSalidasPlace place) {
    if (view_.richSalidasPlace == place) return;
    view_.richSalidasPlace = place;
    touch(DegreesChanges::Layout);
}

void DegreesScreen::scroll(C control, int topRow, bool clearSelection) {
    changes_.scrolls.push_back({control, topRow, clearSelection});
}

void DegreesScreen::showStarMap() {
    if (starMap_) starMap_->show();
}

void DegreesScreen::hideStarMap() {
    if (starMap_) starMap_->hide();
}

void DegreesScreen::showDetailButtons() {
    for (C c : {C::BotUni, C::BotReq, C::BotSal, C::BotDoblesCar, C::BotPonde, C::BotCorte,
                C::BotMaster, C::BotImprimirN})
        setVisible(c, true);
}

// --- Frame and menu --------------------------------------------------------------------------

void DegreesScreen::botinformacionClick() {
    Handler h(*this);
    setVisible(C::PanelMenu, true);
}

void DegreesScreen::ButEstadisticasClick() {
    // Without the statistics screen there is nowhere to go: the screen stays as it is.
    if (!degreeStatistics_) return;
    Handler h(*this);
    setVisible(C::PanelMenu2, false);
    hideStarMap();
    changes_.hideScreen = true;
    degreeStatistics_->show();
}

void DegreesScreen::MenuMouseMove(C over) {
    Handler h(*this);
    switch (over) {
        case C::BotMenuInfo:
        case C::PanelMenu2:
            setVisible(C::PanelMenu2, true);
            setVisible(C::PanelMenu4, false);
            break;
        case C::BotMenuArtes:
        case C::PanelMenu4:
            setVisible(C::PanelMenu4, true);
            setVisible(C::PanelMenu2, false);
            break;
        default:
            setVisible(C::PanelMenu2, false);
            setVisible(C::PanelMenu4, false);
            break;
    }
}

void DegreesScreen::FormMouseMove() {
    Handler h(*this);
    setVisible(C::PanelMenu2, false);
    setVisible(C::PanelMenu4, false);
    setVisible(C::PanelMapa, false);
}

DegreesScreen::Leave DegreesScreen::BotMenuRetroClick() {
    Handler h(*this);
    setVisible(C::PanelMenu, false);
    return SectionBack(enlace_);
}

bool DegreesScreen::FormCloseQuery(Shutdown& shutdown) {
    Handler h(*this);
    const bool close = shutdown.closeSection();
    if (close) hideStarMap();
    return close;
}

// --- Degree browser --------------------------------------------------------------------------

void DegreesScreen::BotMenuGradosClick() {
    Handler h(*this);
    if (!view_.detailLowered) {
        view_.detailLowered = true;
        touch(DegreesChanges::Layout);
    }
    setRichSalidasPlace(RichSalidasPlace::AtMaster);
    state_.degreeMode = true;
    state_.degreeListMode = true;
    setVisible(C::PanelMenu, false);
    for (C c : {C::PanelSel, C::PanelSelTit, C::PanelTree, C::Listramas}) setVisible(c, true);
    setVisible(C::listgrados, false);
    setVisible(C::Tree, false);
    state_.branchListShown = true;

    std::vector<Cell> rows;
    for (int r = 0; r < 6; ++r) {
        Cell cell;
        cell.text = Text(enlace_.texts[r < 5 ? kFirstBranchText + r : kAllDegreesText]);
        cell.kind = RowKind::Icon;
        cell.icon = kBranchIcons[r];
        cell.iconLeft = 10;
        cell.textLeft = 65;
        cell.textTop = 10;
        rows.push_back(std::move(cell));
    }
    if (rows != view_.branchRows) {
        view_.branchRows = std::move(rows);
        touch(DegreesChanges::BranchRows);
    }
}

void DegreesScreen::ListramasClick(int row) {
    if (row < 0 || row > 5) return;
    Handler h(*this);
    const int b = row + 1;
    const DegreeTables& tables = enlace_.degreeTables;
    const int n = tables.degreeCount();

    setVisible(C::listgrados, true);
    setVisible(C::Listramas, false);
    setVisible(C::Tree, false);

    DegreeList list;
    if (Grouped(b)) {
        for (int g = 1; g <= tables.degreeGroupNames.count; ++g) list.addGroup(tables, g, b);
    } else {
        for (int k = 1; k <= n; ++k)
            if (tables.degreeBranch[static_cast<size_t>(k)] == b) list.addDegree(tables, k);
    }
    showDegreeList(std::move(list));

    state_.branchListShown = false;
    changes_.focus = C::listgrados;
}

void DegreesScreen::showDegreeList(DegreeList list) {
    std::vector<GridRow> rows;
    rows.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        GridRow out;
        if (list.headers[i]) {
            for (Cell& cell : out) {
                cell.kind = RowKind::Heading;
                cell.fill = ColourOf(PaletteColour::Coral);
                cell.colour = ColourOf(PaletteColour::White);
                cell.bold = true;
            }
            out[0].text = Text(list.lines[i]);
        } else {
            out[0].kind = RowKind::Icon;
            out[0].icon = kDegreeIcon;
            out[0].textLeft = 20;
            out[0].text = Text(list.lines[i]);
            out[1].text = Text(list.marks[i]);
            out[1].colour = kYellow;
            out[1].bold = true;
            out[1].textBackground = ColourOf(PaletteColour::Blue);
        }
        rows.push_back(std::move(out));
    }

    state_.workLines = std::move(list.lines);
    state_.workMarks = std::move(list.marks);
    state_.rowDegree = std::move(list.degrees);
    state_.headerRow = std::move(list.headers);
    view_.degreeRows = std::move(rows);
    touch(DegreesChanges::DegreeRows);
    scroll(C::listgrados, 0, false);
    if (!view_.degreeHint.isEmpty() || view_.degreeHintRow != -1) {
        view_.degreeHint.clear();
        view_.degreeHintRow = -1;
        touch(DegreesChanges::DegreeHint);
    }
}

void DegreesScreen::listgradosMouseMove(int row) {
    Handler h(*this);
    const DegreeTables& tables = enlace_.degreeTables;
    const bool inside = row >= 0 && static_cast<size_t>(row) < state_.rowDegree.size();
    const int degree = inside ? state_.rowDegree[static_cast<size_t>(row)] : 0;
    const int titles = degree > 0 ? tables.offerings.distinctTitles.at(degree, 0) : 0;
    if (titles == 0) {
        if (view_.degreeHintRow == -1) return;
        view_.degreeHint.clear();
        view_.degreeHintRow = -1;
        touch(DegreesChanges::DegreeHint);
        return;
    }
    if (view_.degreeHintRow == row) return;
    // Titles lose their padding here: the bubble grows with the longest line.
    std::string text = "    " + enlace_.texts[kSpecificTitlesText] + "\n";
    for (int i = 1; i <= titles; ++i) {
        text += "-";
        text += TrimRight(tables.specificTitle(tables.offerings.distinctTitles.at(degree, i)));
        text += "\n";
    }
    view_.degreeHint = Text(text);
    view_.degreeHintRow = row;
    touch(DegreesChanges::DegreeHint);
}

void DegreesScreen::listgradosMouseUp(int row) {
    if (row < 0 || static_cast<size_t>(row) >= state_.rowDegree.size()) return;
    Handler h(*this);
    SelectDegree(state_.rowDegree[static_cast<size_t>(row)]);
}

void DegreesScreen::SelectDegree(int degree) {
    Handler h(*this);
    state_.currentDegree = degree;
    state_.doublesMode = false;
    state_.pickedFlag = false;
    showDetailButtons();
    setTitleBar(std::string(Trim(enlace_.degreeTables.degreeNames[degree])));
    BotUniClick();
}

void DegreesScreen::ComboAgruChange(int index) {
    if (index < 0 || index > 4) return;
    Handler h(*this);
    setVisible(C::listgrados, false);
    setVisible(C::Listramas, false);
    setVisible(C::Tree, true);
    const DegreeTables& tables = enlace_.degreeTables;
    switch (index) {
        case 0:
            BotMenuGradosClick();
            return;
        case 1:
            view_.tree = TreeByGroups(tables);
            state_.groupedTree = true;
            break;
        case 2:
            view_.tree = TreeByActivity(tables);
            state_.groupedTree = false;
            break;
        case 3:
            view_.tree = TreeByItinerary(tables);
            state_.groupedTree = false;
            break;
        default:
            view_.tree = AlphabeticalTree(tables, enlace_.nonCastilian);
            state_.groupedTree = false;
            break;
    }
    touch(DegreesChanges::Tree);
}

void DegreesScreen::TreeClick(int node) {
    if (node < 0 || static_cast<size_t>(node) >= view_.tree.size()) return;
    Handler h(*this);
    TreeNode& n = view_.tree[static_cast<size_t>(node)];
    if (n.parent >= 0)
        n.selectedImage = 2;
    else if (state_.groupedTree)
        n.selectedImage = n.childCount == 0 ? 2 : n.selectedImage;
    else
        n.selectedImage = 0;
    changes_.repaintTree = true;
    TreeDblClick(node);
}

void DegreesScreen::TreeDblClick(int node) {
    if (node < 0 || static_cast<size_t>(node) >= view_.tree.size()) return;
    Handler h(*this);
    const int degree = view_.tree[static_cast<size_t>(node)].degree;
    if (degree != 0) {
        SelectDegree(degree);
        return;
    }
    setSelLines({});
    setRichSalidas({});
    state_.profileLines.clear();
    hideStarMap();
    setTitleBar("");
}

void DegreesScreen::ButtonRetroNClick() {
    Handler h(*this);
    if (!state_.branchListShown || isVisible(C::Tree)) {
        BotMenuGradosClick();
        return;
    }
    setVisible(C::PanelTree, false);
    hideStarMap();
    BotRetrocederClick();
}

}  // namespace velmora
