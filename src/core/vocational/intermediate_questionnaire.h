#pragma once

#include <QPoint>
#include <QRect>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared/screen_view.h"
#include "core/vocational/intermediate_screen.h"

namespace velmora {

class Enlace;
class QuestionnaireOutput;
class Sound;

// The controls of the intermediate screen's questionnaire view beside the screen's own.
enum class QuestionnaireControl {
    ListGM,     // the areas, later the titles they lead to
    ListGM2,    // the statements of the chosen areas
    ListPeque,  // the titles again, small, beside the map
    LabelPeque,
    BitFleGMde,  // forward
    BitFleGMiz,  // back
    BotSalirCues,
    BotImprimirCuesGM,
};
inline constexpr int kQuestionnaireControlCount =
    static_cast<int>(QuestionnaireControl::BotImprimirCuesGM) + 1;

std::string_view QuestionnaireControlName(QuestionnaireControl control);

// The view's two timers: the help line sliding in, and the title list shrinking away.
enum class QuestionnaireTimer { Ayu, Reduce };

// What the questionnaire view shows, beside what the screen's own view shows.
struct QuestionnaireViewState {
    ControlStates<QuestionnaireControl, kQuestionnaireControlCount> controls;
    // ListGM: the areas (with their icons) or the titles; ListGM2: the statements; ListPeque:
    // the titles. Ticked rows are drawn highlighted.
    std::vector<Cell> listRows;
    bool listShowsTitles = false;
    std::vector<Cell> itemRows;
    std::vector<Cell> smallRows;
    // The moving parts: ListGM while it shrinks, LabAyuGM while it slides in, HeliPeque.
    QRect list;
    QRect helpLine;
    QPoint helicopter;
    std::array<bool, 2> timers{};  // by QuestionnaireTimer
};

struct QuestionnaireChanges {
    enum Part : unsigned {
        Controls = 1u << 0,
        ListRows = 1u << 1,
        ItemRows = 1u << 2,
        SmallRows = 1u << 3,
        Places = 1u << 4,  // list, helpLine, helicopter
        Timers = 1u << 5,
    };
    unsigned parts = 0;
    bool any() const { return parts != 0; }
    bool has(Part part) const { return (parts & part) != 0; }
};

// What the questionnaire view keeps.
struct QuestionnaireState {
    bool areasChosen = false;   // the statements are listed
    bool titlesListed = false;  // ListGM lists the titles
    bool titleChosen = false;   // a title went on to the map
    std::vector<bool> areaTicks;
    std::vector<bool> itemTicks;
    std::vector<int> chosenAreaCodes;  // in list order; row 10 gives 0
    std::vector<int> itemOfPosition;   // the statement of each ListGM2 position
    std::vector<int> titles;           // the title of each ListGM position
    int shrinkStep = 0;

    // The report: line k in entry k - 1; the numbers of its bold lines: the heading of the
    // areas, of the statements and of the titles, and of the last centre block (0 for none).
    std::vector<std::string> report;
    std::array<int, 4> reportBold{};
};

// The questionnaire view of the intermediate screen: the student ticks interest areas, then the
// statements that fit, and gets the intermediate titles those statements lead to; a title goes
// on to the map of communities and the centres that teach it, and the whole path is collected
// in a report printed under the student's name. The ESO screen opens it through the
// questionnaire mode; it returns there.
class IntermediateQuestionnaire final : public IntermediateScreen::QuestionnaireView,
                                        public LevelScreen::CentresListener {
  public:
    static constexpr int kWindowWidth = 1024;
    static constexpr int kAreaRowHeight = 30;   // ListGM
    static constexpr int kItemRowHeight = 20;   // ListGM2
    static constexpr int kSmallRowHeight = 16;  // ListPeque
    static constexpr int kTimerMs = 100;
    // ListGM2's place, and ListGM's: the same, one row higher.
    static constexpr QRect kItemList{36, 150, 600, 470};
    static constexpr QRect kTitleList{36, 150, 600, 470 + kAreaRowHeight};
    // Where the help line rests once a title is chosen: over the left column.
    static constexpr QRect kTitleLine{36, 104, 440, 24};
    static constexpr int kHelpLineHeight = 24;
    static constexpr int kHelicopterSize = 48;
    // The icons of the eleven areas in the main menu's icon list.
    static constexpr std::array<int, 11> kAreaIcons = {0, 1, 2, 3, 4, 5, 16, 21, 8, 9, 10};

    IntermediateQuestionnaire(IntermediateScreen& screen, Enlace& enlace,
                              QuestionnaireOutput& output, Sound& sound);

    const QuestionnaireViewState& view() const { return view_; }
    const QuestionnaireState& state() const { return state_; }
    QuestionnaireChanges takeChanges();

    // Opened by the screen while the questionnaire mode is on.
    void open() override;
    // A listing of the centres of a community that teach the chosen title.
    void centresListed(const std::vector<ListingRow>& rows) override;

    void ListGMClick(int position);
    void ListGM2Click(int position);
    void ListPequeClick(int position);
    void BitFleGMdeClick();
    void BitFleGMizClick();
    void BotImprimirCuesGMClick();
    // Leaving: "TForm2" (the ESO screen), "TForm5" (the assistant), or nothing more than
    // hiding the screen when it was opened as another screen's sub-screen.
    std::string_view BotSalirCuesClick();
    void tick(QuestionnaireTimer timer);

    // ListPeque's top on the screen, where the shrinking title list gives way to it.
    void setSmallListTop(int top) { smallListTop_ = top; }

  private:
    // Runs a handler inside the screen's handler scope, so that the widget hears of both
    // models' changes once, when it ends.
    template <typename Body>
    void run(Body&& body);

    void setVisible(QuestionnaireControl control, bool on);
    void touch(QuestionnaireChanges::Part part);
    void setTimer(QuestionnaireTimer timer, bool on);
    void fillAreas();
    void fillTitles(std::vector<Cell>& rows, int height) const;
    void showItems();
    // ListGM at its place with the titles found.
    void showTitleList();
    // The help line and the helicopter go, with their timer and the engine.
    void closeHelp();
    // The help line shows `text` and slides in from the window's right edge.
    void slideHelp(const QString& text, bool withSound);
    void hideMapStep();
    void firstStep();
    void secondStep();
    void report(std::string line, int boldEntry = 0);

    IntermediateScreen& screen_;
    Enlace& enlace_;
    QuestionnaireOutput& output_;
    Sound& sound_;
    QuestionnaireViewState view_;
    QuestionnaireChanges changes_;
    QuestionnaireState state_;
    int smallListTop_ = 514;
};

}  // namespace velmora
