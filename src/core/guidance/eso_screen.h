#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/guidance/eso_screen_view.h"
#include "core/guidance/help_panel.h"
#include "core/guidance/questionnaire_output.h"
#include "core/guidance/scoring.h"

namespace velmora {

class Enlace;
class Shutdown;

// What the ESO screen keeps between visits.
struct EsoState {
    static constexpr int kCourse = 4;  // the course its students are in

    int shownRows = 0;         // N for the full questionnaire, 35 for the short test
    bool shortMode = false;    // the short test is running or its result is shown
    bool passed = false;       // grade >= 5 at the last evaluation
    bool gridFilled = false;   // the grid holds the questions and answers of the current run
    bool left = false;         // the student left a questionnaire with AcabarCues
    bool resultShown = false;  // the result list is on screen
    bool secondChance = true;  // a short test from 4.4 to below 5 may be answered again once

    // Question q in entry q - 1: its answer and, once its row was filled, its record.
    EsoAnswers answers;
    std::vector<bool> rowFilled;

    // The result as shown, printed and saved (line k in entry k - 1), at most 60 characters
    // each; and the group whose studies ListCar shows with its lines.
    std::vector<std::string> resultLines;
    std::vector<int> rankedGroups;  // the full result's groups by rank (from 0)
    std::vector<std::string> studyLines;
    int studyGroup = 0;

    HelpPanel::Set lastHelp{};
};

// The model of the ESO screen TForm2: the short test of 35 questions and the full questionnaire
// on study habits and interests, the result with the itinerary it recommends, the studies of a
// ranked group, the result printed or saved under the student's name, and the way to the
// intermediate screen's questionnaire. Handlers are named as the screen's events; after each one
// the widget takes the changes and shows them. Handlers that leave the screen answer the class
// name of the screen to show (empty: stay).
class EsoScreen : public ScreenPublisher<EsoView, EsoChanges> {
  public:
    static constexpr int kGridColumnWidths[3] = {335, 95, 35};  // Gcuestio
    static constexpr int kResultRowHeight = 20;                 // ListresCues
    static constexpr int kAvisoBelowPointer = 17;
    static constexpr int kTransitionMs = 600;
    static constexpr int kFirstRankedLine = 17;  // result lines 17-22 name the ranked groups
    static constexpr int kLastRankedLine = 22;

    EsoScreen(Enlace& enlace, QuestionnaireOutput& output);

    // FormCreate: captions and the screen's own state. The questionnaires and the intermediate
    // titles were read at the screen's place in the start-up.
    void FormCreate();
    void SetCaptions();

    const EsoState& state() const { return state_; }
    const HelpPanel& help() const { return help_; }
    HelpPanel& help() { return help_; }
    // The course as it follows the student's name: "  -  4º de ESO".
    static QString CourseSuffix();

    // Shown by a caller that set which of the menu's two buttons shows: the diagram's (the
    // itineraries door) or the questionnaire's (the questionnaire door, the assistant).
    void FormShow(bool diagramButton, bool questionnaireButton);

    // The popup of the questionnaire button: shown over it, hidden over the back button.
    void botCuestioMouseMove();
    void BitAcabarLogseMouseMove();

    void BotCuestio1Click();  // the full questionnaire
    void BotCuestio3Click();  // the short test
    // The intermediate screen's questionnaire: "TForm3".
    std::string_view BotCuestio2Click();
    // The diagram: "TFlomce".
    std::string_view BotLOMCEClick();

    // A click on (or Enter in) grid row `question` (1-based; the header is row 0).
    void GcuestioClick(int question);
    void BotResCuesClick();
    // After the short test: the full questionnaire goes on, or "TForm3" when it was not passed.
    std::string_view BotContinuarClick();
    // Back to the menu; the assistant when the screen was opened from it.
    std::string_view AcabarCuesClick();
    std::string_view BitAcabarLogseClick();
    // Escape: puts the studies away, and leaves the questionnaire while it is on show.
    std::string_view EscapePressed();

    // The pointer over result line `line` (1-based) at `pointer` in the window, and a click.
    void ListresCuesMouseMove(int line, QPoint pointer);
    void ListresCuesClick(int line);
    // The pointer over anything but the result list.
    void FormMouseMove();
    void BotCerrarClick();
    void ListCarClick();

    void ImpResulClick();
    void grabarClick();
    void BotImpTitClick();

    // Closing the window: the exit question; true when the window may close.
    bool FormCloseQuery(Shutdown& shutdown);

    // The result as printed (title = the student's name) and as saved.
    ResultReport ResultReportOf() const;
    std::vector<std::string> ResultFileLines() const;
    // The studies of group g as ListCar lists them, and as printed.
    std::vector<std::string> StudyLinesOf(int group) const;
    ResultReport StudyReport() const;
    // The result lines of the short test or of the full questionnaire for the answers given.
    std::vector<std::string> ShortTestLines(const ShortTestResult& result) const;
    std::vector<std::string> FullResultLines(const FullQuestionnaireResult& result) const;

  private:
    void start(bool full);
    void fillGrid();
    void fillRow(int question);
    void evaluate();
    void showResultRows(const std::vector<int>& icons);
    void showStudies(int group);
    void hideStudies(bool rolled);
    void toMenu();
    void showHelp(const HelpPanel::Set& set);
    bool ensureName();

    Enlace& enlace_;
    QuestionnaireOutput& output_;
    EsoState state_;
    HelpPanel help_;
};

// LabelNom's size for a school name of `length` characters: 22 up to 25, 20 up to 35, 18 up to
// 45, 16 beyond.
int SchoolNamePoints(int length);

}  // namespace velmora
