#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/guidance/professions_funnel.h"
#include "core/guidance/professions_screen_view.h"
#include "core/guidance/questionnaire_output.h"

namespace velmora {

class Enlace;

// The state of a run of the professions funnel.
struct ProfessionsState {
    // -2 before the start, -1 on the introduction, 0..count-1 on statement cursor + 1, count on
    // the summary.
    int cursor = -2;
    std::vector<bool> statementTicks;  // statement k in entry k - 1
    std::vector<std::string> codes;    // the activity code set
    std::vector<int> pool;             // the phrase pool
    PhrasePages pages;
    std::vector<std::vector<int>> pageChoices;  // per page: the ticked rows (from 0)
    int page = 0;                               // 0 statements, 1..P pages, P + 1 final list
    bool finalMode = false;
    std::vector<int> chosen;        // the phrases picked on the pages
    std::vector<bool> phraseTicks;  // the rows of ListSel as shown
    std::vector<int> shownPhrases;  // the phrase of each row of ListSel
    std::vector<double> activityScores;
    std::vector<int> rankedActivities;
    std::vector<int> linkedProfessions;
    int finalPhrase = 0;
    bool resultsShown = false;
    bool frozen = false;  // hover updates wait until the pointer crosses the result panel
    int lastActivityRow = 1;
    int lastProfessionRow = 1;
    int titleTicks = 0;
};

// The model of the professions screen Tprofe: the long statements answered yes or no, the
// phrases of their professions on up to four pages, the final pick, and the activities and
// professions it points to with the studies of each. Handlers are named as the screen's events;
// rows of the result lists are counted from 1 (row 1 is the header).
class ProfessionsScreen : public ScreenPublisher<ProfessionsView, ProfessionsChanges> {
  public:
    static constexpr int kStatementRowHeight = 30;
    static constexpr int kResultRowHeight = 22;
    // PanelFrase as designed; it grows from its middle into place.
    static constexpr int kFraseHomeTop = 224;
    static constexpr int kFraseHomeHeight = 217;
    // The pages' title bar and where the sliding titles start and stop.
    static constexpr int kTitleBarWidth = 800;
    static constexpr int kTitlesStart = 300;
    static constexpr int kTitlesStop = 20;
    static constexpr int kTit0Stop = 80;
    static constexpr int kSlideStep = 4;
    static constexpr int kActiAfterTicks = 70;

    ProfessionsScreen(Enlace& enlace, QuestionnaireOutput& output);

    // FormCreate: reads "fracortas", "fralargas", "activida" and "profesio" (through RunSetUp),
    // builds the studies of every profession and sets the captions.
    bool FormCreate();
    void SetCaptions();

    const ProfessionsState& state() const { return state_; }
    const ProfessionStudyIndex& studies() const { return studies_; }

    // A new run (the opening screens call it first).
    void BotCuestioClick();
    void BotSiClick() { Answer(true); }
    void BotNoClick() { Answer(false); }
    // A click on ListCues row `row` (from 0) toggles its statement, once the list is enabled.
    void ListCuesClick(int row);
    void BotFraSigClick();
    void BotFraRetClick();
    // A click on ListSel row `row` (from 0).
    void ListSelClick(int row);

    // The pointer over row `row` (from 1; 0 outside the rows) of ListResulAct / ListResulProf.
    void ListResulActMouseMove(int row);
    void ListResulProfMouseMove(int row);
    void ListResulActMouseUp(int row);
    void ListResulProfMouseUp(int row);
    // The pointer over the result panel (not its lists) / over the background.
    void PanelResulMouseMove();
    void FormMouseMove();

    void BotImpClick();
    // Leaving by BotAcabar or the window's close button, or by a click on ListTit (which adds a
    // note to the question). Where to go, or nothing when the student stays.
    std::optional<LeaveTo> BotAcabarClick(bool fromStudies = false);

    void tick(ProfessionsTimer timer);

    // The printed report: the student's name as its title.
    ResultReport Report() const;

  private:
    void Answer(bool yes);
    void setRunning(ProfessionsTimer timer, bool on);
    int tickedStatements() const;
    void fillStatementRows();
    void showPhrases(std::vector<int> phrases, const std::vector<int>& tickedRows);
    void fillPhraseRows();
    void recordPage(int page);
    void slideTit0(int text);
    void buildPages();
    void leavePage(int page);
    void showResults();
    std::vector<Cell> studyCells(int profession) const;
    std::vector<Cell> activityProfessionCells(int rank) const;

    Enlace& enlace_;
    QuestionnaireOutput& output_;
    ProfessionStudyIndex studies_;
    ProfessionsState state_;
};

}  // namespace velmora
