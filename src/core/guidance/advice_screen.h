#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/guidance/advice_screen_view.h"
#include "core/guidance/help_panel.h"
#include "core/guidance/questionnaire_output.h"
#include "core/guidance/scoring.h"

namespace velmora {

class Enlace;
class LineTable;
class Shutdown;

// A line of the studies of a group: the group's name, a heading, or a study or note.
struct GroupStudyLine {
    enum Kind { Group, Heading, Plain };
    std::string text;
    Kind kind = Plain;
};

// The advice screen's own state.
struct AdviceState {
    enum Mode { Qualities = 0, Interests = 1 };
    enum Table { QualityTable = 0, InterestTable = 1, AverageTable = 2 };

    Mode mode = Qualities;
    std::array<bool, 2> filled{};
    // The ticks of ListCua and Listint: item k in entry k - 1.
    std::array<Selection, 2> ticks;
    AdviceScores qualityScores{};
    AdviceScores interestScores{};
    AdviceScores averageScores{};
    // The ranked lines of the last ranking of each kind (empty until it is made).
    std::array<std::vector<std::string>, 3> rankedLines;
    // Rank r (from 0) -> group, of the last ranking made: the one the grid shows.
    std::vector<int> rankPermutation;
};

// The model of the advice screen TFormCon: two lists of qualities and interests to tick, their
// rankings of the 12 itinerary groups and their average, the studies of a ranked group, and the
// report printed or saved. Handlers are named as the screen's events; after each one the widget
// takes the changes and shows them.
class AdviceScreen : public ScreenPublisher<AdviceView, AdviceChanges> {
  public:
    static constexpr int kGridColumnWidths[2] = {360, 60};  // ListResul
    static constexpr int kGridRowHeight = 32;
    static constexpr int kItemRowHeight = 20;  // ListCua, Listint
    static constexpr int kAvisoBelowPointer = 18;
    static constexpr int kTransitionMs = 600;

    AdviceScreen(Enlace& enlace, QuestionnaireOutput& output);

    // FormCreate: reads "cualidad" and "interes" (through RunSetUp) and sets the captions.
    // False when the load was abandoned; the start-up tests the stop flag itself.
    bool FormCreate();
    void SetCaptions();

    const AdviceState& state() const { return state_; }
    const HelpPanel& help() const { return help_; }
    HelpPanel& help() { return help_; }

    // Showing the screen: the name is forgotten, and when a list was filled before, the student
    // is asked whether to start again.
    void FormShow();

    void MenucuaClick();
    void MenuGusClick();
    void MenuMediaClick();
    LeaveTo MenuRetroConClick();

    // A click on (or Enter over) row `row` of ListCua / Listint toggles its item.
    void ListCuaClick(int row);
    void ListintClick(int row);

    void VerResulClick();
    void revisaClick();
    void acabarCuaClick();

    // A double click on row `row` of ListResul (from 0).
    void ListResulDblClick(int row);
    // The pointer at `y` in ListResul, whose top is at `gridTop` in the window.
    void ListResulMouseMove(int y, int gridTop);
    // The pointer over the list panel or the background.
    void FormMouseMove();
    void BotCerrarClick();

    void ImpResulClick();
    void grabarClick();

    // Closing the window: the exit question; true when the window may close.
    bool FormCloseQuery(Shutdown& shutdown);

    // The report's two parts, as printed and saved (line 0 of each is its title).
    std::vector<std::string> ReportPartOne() const;
    ResultReport ReportPartTwo() const;

  private:
    void showHelp(const HelpPanel::Set& set);
    void openList(AdviceState::Mode mode);
    void toggle(AdviceState::Mode mode, int row);
    void fillItemRows(AdviceState::Mode mode);
    void showRanking(std::vector<std::string> lines, const AdviceScores& scores,
                     AdviceState::Table table);
    void setVisited(AdviceMenu menu, bool on);
    void showOnlyMenu(AdviceControl button);
    bool askName();
    // The studies of a group as the studies panel lists them; the report puts a blank before
    // every study name.
    std::vector<GroupStudyLine> StudyLines(int group, bool forReport) const;
    const LineTable& itineraries() const;

    Enlace& enlace_;
    QuestionnaireOutput& output_;
    AdviceState state_;
    HelpPanel help_;
};

}  // namespace velmora
