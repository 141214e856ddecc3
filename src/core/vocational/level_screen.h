#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/vocational/level_description.h"
#include "core/vocational/level_listings.h"
#include "core/vocational/level_screen_view.h"
#include "core/vocational/vocational_queries.h"

namespace velmora {

class Enlace;
class Printing;
class Shutdown;

// The state a level screen keeps while it is hidden. The lists grow with what they hold, so
// nothing is written out of bounds whatever the data.
struct LevelState {
    static constexpr int kCommunities = 19;
    static constexpr int kMaxPrintLines = 1500;
    static constexpr int kLongReport = 150;  // a longer report waits for picked communities

    bool byTitle = false;
    bool byPlace = false;
    bool groupsShown = false;
    int openedGroup = 0;   // the group whose families ListPreFam shows
    int chosenFamily = 0;  // the position of the chosen family in ListPreFam
    // ListPreFam position p (from 1) shows the family of header shownHeaders[p]; entry 0 unused.
    std::vector<int> shownHeaders;

    int selectedTitle = 0;
    int pickedTitle = 0;  // chosen by a double click in the grid
    std::array<bool, kCommunities + 1> titleCommunities{};

    // The community of the last map click and its provinces.
    int community = 0;
    CommunityProvinces provinces;

    bool localityMode = false;
    std::vector<int> localityStarts;
    int localityPosition = 0;  // from 1; 0 for none
    std::string provinceCode;  // the province being listed
    std::string selectionCaption;
    bool allTitles = false;  // AllFp
    bool allTitlesChanged = false;
    bool wideLocality = false;
    int catalanArea = 0;
    int madridZone = 0;
    bool inCatalonia = false;
    bool inMadrid = false;
    int placeSelected = -1;  // the selected row of ListSelLugFP

    std::vector<int> gridTitles;  // GridTitles
    bool gridClickable = false;

    // The report being composed: line 0 is the title; each line has two columns.
    bool printCollect = false;
    std::vector<ListingRow> printLines;
    std::vector<int> printBold;
    std::vector<int> printCommunities;
    std::array<bool, kCommunities + 1> picked{};
    bool printPicking = false;

    int starStep = 0;
    int blinkCount = 0;

    // The texts behind the lists, as bytes.
    std::vector<std::string> textLines;
    std::vector<ListingRow> gridCells;
};

// The model shared by the three vocational level screens: family groups and families, the title
// choice with its map of communities and pulsing stars, the centres of a community that teach
// the title (listing A), the centres of a province, comarca, district or Madrid zone with their
// titles (listing B), the report of a title or a place, and going back step by step. A screen is
// this model with its LevelDescription and the hooks below; handlers carry the screen's event
// names. After each handler the widget takes the changes and shows them.
class LevelScreen {
  public:
    // Where leaving the screen leads.
    enum class Leave { Nowhere, Assistant, Scene, MainMenu };
    // Where a chosen title comes from.
    enum class TitleSource { List, Grid, Questionnaire };

    // Hears of every listing A shown (the questionnaire view collects them in its report).
    class CentresListener {
      public:
        virtual ~CentresListener() = default;
        virtual void centresListed(const std::vector<ListingRow>& rows) = 0;
    };

    static constexpr int kFamilyRowHeight = 33;  // ListPreFam
    static constexpr int kGridRowHeight = 18;    // reja
    static constexpr int kTransitionMs = 1000;

    LevelScreen(Enlace& enlace, const LevelDescription& description, Printing& printing);
    virtual ~LevelScreen();
    LevelScreen(const LevelScreen&) = delete;
    LevelScreen& operator=(const LevelScreen&) = delete;

    const LevelDescription& description() const { return description_; }
    const LevelView& view() const { return view_; }
    const LevelState& state() const { return state_; }

    // The changes since the last call; the widget applies them.
    LevelChanges takeChanges();
    void setOnChange(std::function<void()> listener) { onChange_ = std::move(listener); }

    // The marks a caller sets before showing the screen.
    void setOpenedAsSubScreen(bool on) { subScreen_ = on; }
    void setCentresListener(CentresListener* listener) { centresListener_ = listener; }

    // FormCreate: the screen's data and captions. False when its set-up was abandoned.
    virtual bool FormCreate();

    // --- Family groups, families and titles -----------------------------------------------
    virtual void ListPreFamMouseDown(int position);
    void ListTitClick(int position);
    // Chooses title t as ListTitClick does: from the grid (rejaDblClick) or from the
    // questionnaire view, which keeps the title buttons hidden and shows the title in LabAyuGM.
    void ChooseTitle(int title, TitleSource source);

    // --- Maps and places ---------------------------------------------------------------------
    // The pointer at cell (x, y) of a map (pixel + 1, as RegionMapView passes them).
    void mapaMouseMove(int x, int y);
    void mapacMouseMove(int x, int y);
    void mapamMouseMove(int x, int y);
    // The pointer over the form, its background or the grid.
    void FormMouseMove();
    void mapaClick();
    void mapacClick();
    void mapamClick();
    void listBarcelonaClick(int position);
    void BotCerrarClick();
    // A row of ListSelLugFP (-1: none selected).
    void ListSelLugFPClick(int position);
    void BotTodoFPClick();
    void rejaDblClick(int row);

    // --- Printing ------------------------------------------------------------------------------
    void BotImprimirClick();
    void ListImpClick(int row);
    void BotAceptarClick();

    virtual void BotRetrocederFPClick();
    void tick(LevelTimer timer);
    // Closing the window: the exit question; true when the window may close.
    bool FormCloseQuery(Shutdown& shutdown);

  protected:
    // Counts nested handler calls so that the listener hears of the changes once, when the
    // outermost handler returns.
    class Handler {
      public:
        explicit Handler(LevelScreen& screen) : screen_(screen) { ++screen_.handlerDepth_; }
        ~Handler() {
            if (--screen_.handlerDepth_ == 0 && screen_.onChange_ && screen_.changes_.any())
                screen_.onChange_();
        }
        Handler(const Handler&) = delete;
        Handler& operator=(const Handler&) = delete;

      private:
        LevelScreen& screen_;
    };

    // --- Hooks of a level ------------------------------------------------------------------
    // The captions of the screen's own controls (after the shared ones).
    virtual void setOwnCaptions() {}
    // A title was chosen: the level's buttons for it.
    virtual void showTitleButtons(TitleSource source) { (void)source; }
    // Back at the title choice or the start: the level's title buttons go.
    virtual void hideTitleButtons() {}
    // Back at the start screen.
    virtual void showStartScreen() {}
    // Any action but the intro's own erases the intro's bubble.
    virtual void eraseBubble() {}
    // The report of a title: the sections before the centres.
    virtual void composeTitleSections() {}
    // The titles of the family of header h that ListPreFam lists.
    virtual TitleRange familyTitles(int header) const;
    // Listing A was shown for a clicked community; `found` says whether any centre teaches the
    // title there.
    virtual void communityCentresShown(bool found) { (void)found; }
    // The report of a title: by default every community that teaches it, or the ones picked
    // when that is too long.
    virtual void printByTitle();
    // The back item of the family list has shown the groups again.
    virtual void groupsShownAgain() {}
    // Going back by title from the map: true when the level has returned to a menu of its own
    // (the map is already hidden and its stars stopped).
    virtual bool backToTitleMenu() { return false; }
    // A community's places are listed / the places are left: the level's buttons for a place.
    virtual void showPlaceButtons() {}
    virtual void hidePlaceButtons() {}
    // A title's report waits for the communities to print / they have been picked.
    virtual void printPickingStarted() {}
    virtual void printPickingEnded() {}
    // The back button was pressed, before any of its cases.
    virtual void goingBack() {}

    // --- For the levels ----------------------------------------------------------------------
    void setVisible(LevelControl control, bool on);
    bool isVisible(LevelControl control) const;
    void setCaption(LevelControl control, const QString& text);
    void setCursor(LevelControl control, CursorKind kind);
    void setTimer(LevelTimer timer, bool on);
    void touch(LevelChanges::Part part) { changes_.parts |= part; }
    // listSelFP's lines and how they are drawn.
    // Marked: an item starting with a blank in blue, one starting with "-" as an item with its
    // icon, the others beside the icons' column.
    enum class TextStyle { Plain, Subjects, Preview, Marked };
    void setTextLines(std::vector<std::string> lines, TextStyle style);
    void setGridCells(std::vector<ListingRow> cells);
    void showTextList(std::vector<std::string> lines, TextStyle style);
    // The chosen title's line without trailing blanks.
    std::string titleText() const;
    // Appends a line to the report being composed (cut to 65 characters when printed).
    void printLine(std::string text, bool bold = false);
    // The groups on ListPreFam (by-title start).
    void showGroups();
    // A row of ListPreFam: its icon of ImageListIconos and its text beside it.
    static Cell FamilyCell(std::string_view text, int icon);
    // ListTit lists the titles of `range`.
    void setTitleRows(const TitleRange& range);
    // Every control hidden but the headings (and the children that follow their panels), the
    // timers stopped: the screen is being left.
    void hideForLeaving();
    // The map with the communities that teach the chosen title, its stars pulsing.
    void showTitleMap();
    // Where leaving leads: nowhere more for a sub-screen (the mark is cleared), the assistant
    // when opened from it, else the scene when it is on, else the main menu.
    Leave leaveTarget();
    void fillProvinceCodes();
    void clearGrid();
    // The report composed in printLines, with its bold lines, through the print dialog.
    void printCollected();
    // The list of the level's titles and the screen's texts.
    const LineTable& titles() const;
    const TitleHeaders& headers() const;
    const std::string& text(int n) const;

    Enlace& enlace_;
    const LevelDescription& description_;
    Printing& printing_;
    LevelState state_;
    LevelView view_;
    LevelChanges changes_;

  private:
    // Listing A for the community of the last map click, shown or collected for the report.
    void listCommunityCentres();
    // Listing B for the place being opened.
    void listPlace();
    void showMapPanel(QPoint at, int width, const QString& text, LevelControl map, bool named);
    void openPlaceMap(int community);
    void printByPlace();
    void setPlaceLines(const std::vector<std::string>& lines);

    bool subScreen_ = false;
    CentresListener* centresListener_ = nullptr;
    std::function<void()> onChange_;
    int handlerDepth_ = 0;
};

}  // namespace velmora
