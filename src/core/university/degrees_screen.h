#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/guidance/star_map.h"
#include "core/shared/rich_text.h"
#include "core/shared/section_back.h"
#include "core/university/arts.h"
#include "core/university/degree_diagram.h"
#include "core/university/degrees_screen_view.h"
#include "core/university/double_degrees.h"
#include "core/university/title_search.h"

namespace velmora {

class AddressOpener;
class Printing;
class CutOffWindow;
class DegreeStatistics;
class Enlace;
class Shutdown;

// The screen's own state, shared by all its views. Capacities of the original tables are kept
// by the data limits; the lists here grow with what they hold, so nothing is written out of
// bounds whatever the data.
struct DegreesState {
    static constexpr int kCommunities = 19;

    int currentDegree = 0;
    int pickedDegree = 0;
    bool pickedFlag = false;

    // Mode flags.
    bool degreeMode = false;
    bool degreeListMode = false;
    bool doublesMode = false;
    bool otherStudiesMode = false;
    bool mastersMode = false;
    bool artsMode = false;  // one of the four kinds is open
    bool plasticArtsMode = false;
    bool musicMode = false;
    bool danceMode = false;
    bool dramaMode = false;
    bool printCollect = false;
    bool branchListShown = false;
    bool groupedTree = false;

    // listgrados: the degree of each row (0 for a heading) and which rows are headings.
    std::vector<int> rowDegree;
    std::vector<bool> headerRow;
    // The grid's contents as built: column 0 and column 1 of each row.
    std::vector<std::string> workLines;
    std::vector<std::string> workMarks;

    // Where to study and the universities flow.
    int clickedCommunity = 0;
    std::vector<int> placeOfRow;  // ListComunidad row -> place (or double-degree group)
    int currentPlace = 0;
    std::vector<int> gridDegree;  // GridNotas row -> degree in the places grid, else 0
    std::array<int, kCommunities + 1> communityFirstRow{};
    // The community last clicked on the star map in the double-degrees view.
    int doublesCommunity = 0;

    // The texts behind the lists, as bytes.
    std::vector<std::string> selLines;                  // ListSel
    std::vector<std::string> communityLines;            // ListComunidad
    std::vector<std::array<std::string, 2>> gridCells;  // GridNotas

    // Double degrees: the degree of each row of ListComunidad in the list of degrees with double
    // degrees (0 for the branch headings), and the view by university of the degree last clicked.
    std::vector<int> doublesRowDegree;
    std::vector<HeadedLine> doublesLines;
    // The profile in RichSalidas, one text per paragraph, as it prints.
    std::vector<std::string> profileLines;

    // Lines collected for the degree report while printCollect is set.
    std::vector<std::string> printLines;
    int whereToStudyStart = 0;  // index in printLines of the where-to-study section
    int requirementsStart = 0;  // index in printLines of the requirements section

    // Artistic studies: the open kind's file, and the plastic-arts specialities (ArtSpecialities)
    // once listed.
    ArtsFile artsFile;
    std::vector<std::string> artSpecialities;
    // Other studies: the entry whose page ListSel shows (0: none).
    int otherStudyShown = 0;
    // "master.txt" as last read.
    std::vector<std::string> mastersLines;
    // Where RichSalidas stood before the masters text moved it; leaving the text puts it back
    // for the profile view.
    RichSalidasPlace richSalidasBeforeMasters = RichSalidasPlace::Design;
};

// The model of the degrees screen TForm1: its menu, the degree browser (branches, the grouped
// and flat degree lists, the four trees), the where-to-study view and the universities flow.
// Handlers are named as the screen's events; after each one the widget takes the changes and
// redraws what they name.
class DegreesScreen final : public StarMapHost {
  public:
    // Where BotMenuRetro leads: the rule every section screen's back path follows.
    using Leave = LeaveTo;

    static constexpr int kDegreeColumnWidths[2] = {375, 12};  // listgrados
    static constexpr int kGridColumnWidths[2] = {360, 60};    // GridNotas
    static constexpr int kBranchRowHeight = 40;               // Listramas
    static constexpr int kCommunityRowHeight = 17;            // ListComunidad
    static constexpr int kTransitionMs = 1000;
    static constexpr int kHintPauseMs = 5000;  // how long hints stay

    DegreesScreen(Enlace& enlace, AddressOpener& opener, Printing& printing);
    ~DegreesScreen() override;

    // FormCreate: loads the degree tables (LoadDegreeData, through RunSetUp) and sets every
    // caption. False when the load was abandoned; the start-up tests the stop flag itself.
    bool FormCreate();
    // The captions alone, over tables already loaded.
    void SetCaptions();

    // The star map window that accompanies the screen (created before it).
    void attachStarMap(StarMap* starMap);
    StarMap* starMap() const { return starMap_; }

    const DegreesView& view() const { return view_; }
    const DegreesState& state() const { return state_; }

    // The changes since the last call; the widget applies them.
    DegreesChanges takeChanges();
    // Called at the end of every handler that changed something (and when the star map scrolls
    // the grid).
    void setOnChange(std::function<void()> listener) { onChange_ = std::move(listener); }

    // --- Frame and menu -------------------------------------------------------------------
    void botinformacionClick();
    // The degree statistics screen (created before this one), opened from the information menu:
    // this screen hides itself and that one shows it again when left.
    void attachDegreeStatistics(DegreeStatistics* statistics) { degreeStatistics_ = statistics; }
    void ButEstadisticasClick();
    // The pointer over a menu button or submenu (BotMenuInfo, PanelMenu2, BotMenuArtes,
    // BotMenuUni, BotMenuDobles, BotMenuDepor); any other control counts as the background.
    void MenuMouseMove(DegreesControl over);
    // The pointer over the screen's background: both submenus and PanelMapa hidden.
    void FormMouseMove();
    Leave BotMenuRetroClick();
    // Closing the window: the exit question; true when the window may close.
    bool FormCloseQuery(Shutdown& shutdown);

    // --- Degree browser -------------------------------------------------------------------
    void BotMenuGradosClick();
    void ListramasClick(int row);
    // Pointer over listgrados row `row` (-1 outside the cells).
    void listgradosMouseMove(int row);
    void listgradosMouseUp(int row);
    void SelectDegree(int degree);
    void ComboAgruChange(int index);
    // Node by absolute index.
    void TreeClick(int node);
    void TreeDblClick(int node);
    void ButtonRetroNClick();

    // --- Title search (title_search.cpp) ----------------------------------------------------
    // The magnifier: searches the degrees by the text of EditBusTit.
    void BitBusTitClick(const QString& text);
    // A key pressed in EditBusTit (a Qt::Key): Enter searches.
    void EditBusTitKeyDown(int key, const QString& text);

    // --- Profile and career outputs (degree_profile.cpp) ------------------------------------
    void BotSalClick();

    // --- Double degrees (double_degrees.cpp) -------------------------------------------------
    void BotMenuDoblesClick();
    void BotDoblesCarMouseUp();

    // --- Where to study and universities (where_to_study.cpp) -----------------------------
    void BotUniClick();
    void BotMenuUniClick();
    // Pointer at (x, y) of `mapa` in grid cells (pixel + 1, as RegionMapView passes them).
    void mapaMouseMove(int x, int y);
    void mapaClick();
    void ListComunidadClick(int row);
    void GridNotasDblClick(int row);
    void BotIntUniMouseUp();
    void BotRetrocederClick();

    // StarMapHost.
    bool starMapDoublesMode() const override { return state_.doublesMode; }
    int starMapFirstRow(int community) const override;
    void starMapScrollTo(int row) override;
    void starMapDoublesCommunity(int community) override;

    // --- Requirements and the cut-off window (requirements.cpp) ---------------------------
    // The window of cut-off marks and weighting documents (created before this screen).
    void attachCutOffWindow(CutOffWindow* window);
    void BotReqClick();
    // Hand-over to the cut-off window on its cut-off panel, or on its weightings panel; this
    // screen hides itself and the window shows it again when closed.
    void BotCorteMouseUp();
    void BotPondeMouseUp();

    // --- Artistic studies (arts.cpp) ------------------------------------------------------
    void BotArtesPlasClick();
    void BotMusicaClick();
    void BotDanzaClick();
    void BotDramaticoClick();
    void BotArtesTitClick();
    void BotArtesEspClick();
    void BotArtesLugClick();
    // A double click on ListSel row `row`: a web address of the arts lists opens.
    void ListSelDblClick(int row);
    // The pointer over ListSel: in the arts lists its hint is offered only where rows link.
    void ListSelMouseMove();

    // --- Other studies, masters and information pages (other_studies.cpp) ------------------
    void BotMenuDeporClick();
    // The page of other study `block` (1..50) in ListSel.
    void ShowOtherStudyBlock(int block);
    void BotMasterClick();
    void LabelMaster2MouseUp();
    void botinfo2Click();
    // The diagram of the structure of degrees in PanelGradosT, over the whole window.
    void botinfo1Click();
    void TimergradoTimer();
    void TimerfraseTimer();
    void BotAvanzaClick();
    void BotAcabarGClick();
    const DegreeDiagram& diagram() const { return diagram_; }
    void botinfo3Click();

    // --- Printing (degrees_printing.cpp) -------------------------------------------------------
    // The full report of the current degree, or the whole content of the open arts kind.
    void BotImprimirNClick();
    // What the list and grid show; `selectedRow` is the selected row of ListComunidad (-1: none).
    void BotImprimirClick(int selectedRow);

  private:
    // Counts nested handler calls so that the listener hears of the changes once, when the
    // outermost handler returns.
    class Handler {
      public:
        explicit Handler(DegreesScreen& screen) : screen_(screen) { ++screen_.handlerDepth_; }
        ~Handler() {
            if (--screen_.handlerDepth_ > 0) return;
            screen_.renderCommunityRows();
            if (screen_.onChange_ && screen_.changes_.any()) screen_.onChange_();
        }
        Handler(const Handler&) = delete;
        Handler& operator=(const Handler&) = delete;

      private:
        DegreesScreen& screen_;
    };

    void setVisible(DegreesControl control, bool on);
    bool isVisible(DegreesControl control) const;
    void setCursor(DegreesControl control, CursorKind kind);
    void setTitleBar(const std::string& bytes);
    void setSelLines(std::vector<std::string> lines);
    void setCommunityLines(std::vector<std::string> lines);
    void setGridCells(std::vector<std::array<std::string, 2>> cells);
    void scroll(DegreesControl control, int topRow, bool clearSelection);
    void showStarMap();
    void hideStarMap();
    void renderCommunityRows();
    void touch(DegreesChanges::Part part) { changes_.parts |= part; }
    void showDetailButtons();
    void showPlaces();
    void handOverToCutOffWindow(bool weightings);
    void showDegreeList(DegreeList list);
    void setRichSalidas(RichText text);
    void setListSel2(RichText text);
    // A row of the list of degrees with double degrees: that degree's double degrees by
    // university in listSel2.
    void doublesListClick(int row);
    // GridNotas with the double degrees of the current degree in community c (0: every one).
    void showDoublesOfCurrentDegree(int community);

    void openArts(ArtsKind kind);
    ArtsKind artsKind() const;
    // Row s of the plastic-arts specialities: the places that teach it.
    void plasticSpecialityClick(int row);
    // Community c on the map in plastic-arts mode: its places and their specialities.
    void plasticArtsMapClick(int community);
    // A row of the list of other studies.
    void otherStudiesClick(int row);
    void setRichSalidasPlace(RichSalidasPlace place);
    enum class ReportShape { List, Proportional10, Proportional12, Monospaced10 };
    // Puts `title` and `lines` (bold where `bold` says) in the shared buffer and prints them.
    void printReport(std::string_view title, const std::vector<std::string>& lines,
                     const std::vector<bool>& bold, ReportShape shape);
    void printArts();

    Enlace& enlace_;
    AddressOpener& opener_;
    Printing& printing_;
    DegreeDiagram diagram_;
    StarMap* starMap_ = nullptr;
    CutOffWindow* cutOffWindow_ = nullptr;
    DegreeStatistics* degreeStatistics_ = nullptr;
    DegreesState state_;
    DegreesView view_;
    DegreesChanges changes_;
    std::function<void()> onChange_;
    int handlerDepth_ = 0;
    SearchTexts searchTexts_;  // made at the first search
};

}  // namespace velmora
