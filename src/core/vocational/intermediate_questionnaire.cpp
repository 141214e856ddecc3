#include "core/vocational/intermediate_questionnaire.h"

#include <algorithm>

#include "core/guidance/questionnaire_output.h"
#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/section_back.h"
#include "core/shared/sound.h"

namespace velmora {
namespace {

using Q = QuestionnaireControl;
using L = LevelControl;

constexpr std::array<std::string_view, kQuestionnaireControlCount> kControlNames = {
    "ListGM",     "ListGM2",    "ListPeque",    "LabelPeque",
    "BitFleGMde", "BitFleGMiz", "BotSalirCues", "BotImprimirCuesGM",
};

// Interface texts.
enum : int {
    kPrint = 36,
    kLeave = 54,
    kChooseAreas = 163,
    kChooseStatements = 164,
    kThenForward = 165,
    kChooseTitle = 189,
    kTitles = 190,
    kOtherTitle = 395,
    kChosenTitle = 592,
    kWhereToStudy = 593,
    kAreasHeading = 594,
    kStatementsHeading = 595,
};

constexpr int kAreas = EsoQuestionnaireTables::kAreas;
constexpr int kByPlaceArea = 11;     // the last area: the centres of a place
constexpr int kLastCodedArea = 10;   // area rows 1-10 give the codes 1-9 and 0
constexpr int kHelpRightInset = 30;  // where the help line starts sliding in
constexpr int kHelpAboveList = 50;
constexpr int kHelicopterAboveHelp = 5;
constexpr int kHelicopterBehind = 85;  // the helicopter pulls the line from its left
constexpr int kHelpStep = 40;
constexpr int kHelpRightMargin = 80;
constexpr int kHelpStopsLeftOf = 300;
constexpr size_t kTitleWidth = 60;
constexpr size_t kCentreWidth = 44;
constexpr int kTitleIcon = 3;  // the degrees screen's title icon

std::string Trimmed(std::string_view text) {
    return std::string(TrimRight(text));
}

Cell Ticked(Cell cell, bool ticked) {
    if (ticked) {
        cell.fill = ColourOf(PaletteColour::Navy);
        cell.colour = ColourOf(PaletteColour::White);
    }
    return cell;
}

bool Contains(const std::vector<int>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace

std::string_view QuestionnaireControlName(QuestionnaireControl control) {
    return NameIn(kControlNames, control);
}

IntermediateQuestionnaire::IntermediateQuestionnaire(IntermediateScreen& screen, Enlace& enlace,
                                                     QuestionnaireOutput& output, Sound& sound)
    : screen_(screen), enlace_(enlace), output_(output), sound_(sound) {
    view_.controls.visible.fill(false);
    for (int i = 0; i < kQuestionnaireControlCount; ++i)
        view_.controls.setCursor(static_cast<Q>(i), CursorKind::Hand);
    view_.controls.setCursor(Q::LabelPeque, CursorKind::Default);
    const InterfaceTexts& t = enlace_.texts;
    view_.controls.setCaption(Q::LabelPeque, CaptionText(t[kOtherTitle]));
    view_.controls.setCaption(Q::BotSalirCues, CaptionText(t[kLeave]));
    view_.controls.setCaption(Q::BotImprimirCuesGM, CaptionText(t[kPrint]));
    view_.list = kTitleList;
    screen_.setQuestionnaireView(this);
    screen_.setCentresListener(this);
}

QuestionnaireChanges IntermediateQuestionnaire::takeChanges() {
    return std::exchange(changes_, QuestionnaireChanges{});
}

template <typename Body>
void IntermediateQuestionnaire::run(Body&& body) {
    // The screen's handler scope: it tells the widget once, when the outermost one ends.
    IntermediateScreen::Handler h(screen_);
    body();
    if (changes_.any()) screen_.touch(LevelChanges::Own);
}

// --- Helpers -----------------------------------------------------------------------------------

void IntermediateQuestionnaire::touch(QuestionnaireChanges::Part part) {
    changes_.parts |= part;
}

void IntermediateQuestionnaire::setVisible(QuestionnaireControl control, bool on) {
    if (view_.controls.setVisible(control, on)) touch(QuestionnaireChanges::Controls);
}

void IntermediateQuestionnaire::setTimer(QuestionnaireTimer timer, bool on) {
    bool& running = view_.timers[static_cast<size_t>(timer)];
    if (running == on) return;
    running = on;
    touch(QuestionnaireChanges::Timers);
}

void IntermediateQuestionnaire::report(std::string line, int boldEntry) {
    state_.report.push_back(std::move(line));
    if (boldEntry > 0)
        state_.reportBold[static_cast<size_t>(boldEntry - 1)] =
            static_cast<int>(state_.report.size());
}

void IntermediateQuestionnaire::fillAreas() {
    const LineTable& areas = enlace_.guidance.eso.intermediateAreas;
    state_.areaTicks.resize(kAreas, false);
    view_.listRows.clear();
    for (int a = 1; a <= kAreas; ++a) {
        Cell cell;
        cell.text = cp1252::Decode(TrimRight(areas[a]));
        cell.icon = kAreaIcons[static_cast<size_t>(a - 1)];
        cell.iconLeft = 2;
        cell.textLeft = 35;
        cell.textTop = 7;
        view_.listRows.push_back(
            Ticked(std::move(cell), state_.areaTicks[static_cast<size_t>(a - 1)]));
    }
    view_.listShowsTitles = false;
    touch(QuestionnaireChanges::ListRows);
}

void IntermediateQuestionnaire::fillTitles(std::vector<Cell>& rows, int height) const {
    rows.clear();
    for (const int title : state_.titles) {
        Cell cell;
        cell.text =
            cp1252::Decode(TrimRight(Bounded(enlace_.vocational.titlesGM[title], kTitleWidth)));
        cell.icon = kTitleIcon;
        cell.iconLeft = 2;
        cell.iconTop = (height - 16) / 2;
        cell.textLeft = 20;
        cell.textTop = (height - 16) / 2;
        rows.push_back(std::move(cell));
    }
}

void IntermediateQuestionnaire::showTitleList() {
    view_.list = kTitleList;
    touch(QuestionnaireChanges::Places);
    fillTitles(view_.listRows, kAreaRowHeight);
    view_.listShowsTitles = true;
    touch(QuestionnaireChanges::ListRows);
    setVisible(Q::ListGM, true);
}

void IntermediateQuestionnaire::showItems() {
    const EsoQuestionnaireTables& eso = enlace_.guidance.eso;
    view_.itemRows.clear();
    for (size_t p = 0; p < state_.itemOfPosition.size(); ++p) {
        Cell cell;
        cell.text = cp1252::Decode(TrimRight(eso.itemText(state_.itemOfPosition[p])));
        cell.textLeft = 4;
        cell.textTop = 2;
        view_.itemRows.push_back(Ticked(std::move(cell), state_.itemTicks[p]));
    }
    touch(QuestionnaireChanges::ItemRows);
}

void IntermediateQuestionnaire::slideHelp(const QString& text, bool withSound) {
    screen_.setCaption(L::LabAyuGM, text);
    const int top = kTitleList.top() - kHelpAboveList;
    view_.helpLine = QRect(kWindowWidth - kHelpRightInset, top, 0, kHelpLineHeight);
    view_.helicopter =
        QPoint(view_.helpLine.left() - kHelicopterBehind, top - kHelicopterAboveHelp);
    touch(QuestionnaireChanges::Places);
    screen_.setVisible(L::LabAyuGM, true);
    screen_.setVisible(L::HeliPeque, true);
    setTimer(QuestionnaireTimer::Ayu, true);
    if (withSound) PlayMotorSound(sound_, enlace_.paths, true);
}

void IntermediateQuestionnaire::closeHelp() {
    screen_.setVisible(L::LabAyuGM, false);
    screen_.setVisible(L::HeliPeque, false);
    setTimer(QuestionnaireTimer::Ayu, false);
    sound_.stopWave();
}

// --- Opening -----------------------------------------------------------------------------------

void IntermediateQuestionnaire::open() {
    run([&] {
        screen_.hideAllButHeadings();
        state_.areasChosen = false;
        state_.titlesListed = false;
        state_.titleChosen = false;
        state_.areaTicks.assign(kAreas, false);
        state_.shrinkStep = 0;
        setTimer(QuestionnaireTimer::Reduce, false);
        for (int i = 0; i < kQuestionnaireControlCount; ++i) setVisible(static_cast<Q>(i), false);
        for (Q control : {Q::BotSalirCues, Q::BitFleGMde, Q::ListGM}) setVisible(control, true);
        view_.list = kTitleList;
        fillAreas();
        slideHelp(CaptionText(enlace_.texts[kChooseAreas]), true);
    });
}

// --- Ticking and choosing ------------------------------------------------------------------------

void IntermediateQuestionnaire::ListGMClick(int position) {
    run([&] {
        if (!state_.titlesListed) {
            if (position < 0 || position >= kAreas) return;
            const auto k = static_cast<size_t>(position);
            state_.areaTicks[k] = !state_.areaTicks[k];
            fillAreas();
            return;
        }
        if (state_.titleChosen || position < 0 ||
            position >= static_cast<int>(state_.titles.size()))
            return;
        setTimer(QuestionnaireTimer::Ayu, false);
        sound_.stopWave();
        const int title = state_.titles[static_cast<size_t>(position)];
        if (title == 0) return;
        state_.titleChosen = true;
        screen_.ChooseTitle(title, LevelScreen::TitleSource::Questionnaire);
        setVisible(Q::BotImprimirCuesGM, true);
        view_.helpLine = kTitleLine;
        touch(QuestionnaireChanges::Places);
        state_.shrinkStep = 0;
        setTimer(QuestionnaireTimer::Reduce, true);
    });
}

void IntermediateQuestionnaire::ListGM2Click(int position) {
    if (position < 0 || position >= static_cast<int>(state_.itemTicks.size())) return;
    run([&] {
        const auto k = static_cast<size_t>(position);
        state_.itemTicks[k] = !state_.itemTicks[k];
        showItems();
    });
}

void IntermediateQuestionnaire::ListPequeClick(int position) {
    run([&] {
        setVisible(Q::BotImprimirCuesGM, false);
        screen_.setGridCells({});
        screen_.state_.gridTitles.clear();
        if (position < 0 || position >= static_cast<int>(state_.titles.size())) return;
        const int title = state_.titles[static_cast<size_t>(position)];
        if (title == 0) return;
        screen_.ChooseTitle(title, LevelScreen::TitleSource::Questionnaire);
        view_.helpLine = kTitleLine;
        touch(QuestionnaireChanges::Places);
    });
}

// --- Forward -------------------------------------------------------------------------------------

void IntermediateQuestionnaire::firstStep() {
    const InterfaceTexts& t = enlace_.texts;
    const EsoQuestionnaireTables& eso = enlace_.guidance.eso;
    state_.report.clear();
    state_.reportBold = {};
    report(t[kAreasHeading], 1);
    report({});
    state_.chosenAreaCodes.clear();
    for (int row = 1; row <= kLastCodedArea; ++row) {
        if (!state_.areaTicks[static_cast<size_t>(row - 1)]) continue;
        report(Trimmed(eso.intermediateAreas[row]));
        state_.chosenAreaCodes.push_back(row == kLastCodedArea ? 0 : row);
    }
    state_.areasChosen = true;
    slideHelp(CaptionText(t[kChooseStatements] + " " + t[kThenForward]), true);

    // The statements of a chosen first area, then again those whose second area was chosen
    // too: a statement that speaks for two chosen areas is listed twice.
    const std::vector<int>& codes = state_.chosenAreaCodes;
    state_.itemOfPosition.clear();
    for (int i = 1; i <= eso.itemCount(); ++i)
        if (Contains(codes, eso.firstArea[static_cast<size_t>(i)]))
            state_.itemOfPosition.push_back(i);
    for (int i = 1; i <= eso.itemCount(); ++i) {
        const int second = eso.secondArea[static_cast<size_t>(i)];
        if (second != 0 && Contains(codes, second)) state_.itemOfPosition.push_back(i);
    }
    state_.itemTicks.assign(state_.itemOfPosition.size(), false);
    showItems();
    setVisible(Q::ListGM, false);
    setVisible(Q::ListGM2, true);
}

void IntermediateQuestionnaire::secondStep() {
    if (std::find(state_.itemTicks.begin(), state_.itemTicks.end(), true) ==
        state_.itemTicks.end()) {
        sound_.exclamation();
        return;
    }
    const InterfaceTexts& t = enlace_.texts;
    const EsoQuestionnaireTables& eso = enlace_.guidance.eso;
    state_.titleChosen = false;
    state_.titlesListed = true;
    slideHelp(CaptionText(t[kChooseTitle]), false);
    report({});
    report(t[kStatementsHeading], 2);
    report({});
    const VocationalTables& vocational = enlace_.vocational;
    for (size_t p = 0; p < state_.itemTicks.size(); ++p) {
        if (!state_.itemTicks[p]) continue;
        const int item = state_.itemOfPosition[p];
        report(Trimmed(eso.itemText(item)));
        for (int title = 1; title <= vocational.titlesGM.count; ++title) {
            const auto& items = vocational.factsOfGM(title).questionnaireItems;
            if (std::find(items.begin(), items.end(), item) != items.end() &&
                !Contains(state_.titles, title))
                state_.titles.push_back(title);
        }
    }
    report({});
    report(t[kTitles], 3);
    for (const int title : state_.titles)
        report(Trimmed(Bounded(vocational.titlesGM[title], kTitleWidth)));
    setVisible(Q::ListGM2, false);
    showTitleList();
    setVisible(Q::BitFleGMde, false);
}

void IntermediateQuestionnaire::BitFleGMdeClick() {
    run([&] {
        state_.titles.clear();
        if (!state_.areasChosen) {
            if (state_.areaTicks[kByPlaceArea - 1]) {
                // The centres of a place: the screen's own path, out of the questionnaire.
                for (Q control : {Q::BitFleGMde, Q::ListGM, Q::BotSalirCues})
                    setVisible(control, false);
                closeHelp();
                enlace_.questionnaireMode = false;
                screen_.botLug2Click();
                return;
            }
            if (std::find(state_.areaTicks.begin(), state_.areaTicks.end(), true) ==
                state_.areaTicks.end()) {
                sound_.exclamation();
                return;
            }
            setVisible(Q::BitFleGMiz, true);
            firstStep();
            return;
        }
        setVisible(Q::BitFleGMiz, true);
        secondStep();
    });
}

// --- Back ----------------------------------------------------------------------------------------

void IntermediateQuestionnaire::hideMapStep() {
    screen_.eraseBubble();
    for (L control :
         {L::PanelSelTit, L::PanelCarSel, L::PanelSelec, L::listSelFP, L::mapac, L::mapam,
          L::listBarcelona, L::BotCerrar, L::PanelEstrellas, L::PanelMapa, L::reja})
        screen_.setVisible(control, false);
    screen_.setTimer(LevelTimer::Estrellas, false);
    screen_.setTimer(LevelTimer::Parpadeo, false);
    for (Q control : {Q::ListPeque, Q::LabelPeque}) setVisible(control, false);
    setTimer(QuestionnaireTimer::Reduce, false);
    state_.shrinkStep = 0;
}

void IntermediateQuestionnaire::BitFleGMizClick() {
    run([&] {
        const InterfaceTexts& t = enlace_.texts;
        setVisible(Q::BotImprimirCuesGM, false);
        if (state_.titleChosen) {
            hideMapStep();
            state_.titleChosen = false;
            showTitleList();
            slideHelp(CaptionText(t[kChooseTitle]), false);
            return;
        }
        // Back to the statements or the areas: the chosen areas are ticked again.
        state_.areaTicks.assign(kAreas, false);
        for (const int code : state_.chosenAreaCodes)
            state_.areaTicks[static_cast<size_t>(code == 0 ? kLastCodedArea - 1 : code - 1)] = true;
        fillAreas();
        if (state_.titlesListed && state_.areasChosen) {
            setVisible(Q::BitFleGMde, true);
            setVisible(Q::ListGM2, true);
            setVisible(Q::ListGM, false);
            state_.titlesListed = false;
            slideHelp(CaptionText(t[kChooseStatements] + " " + t[kThenForward]), false);
            return;
        }
        setVisible(Q::BitFleGMde, true);
        setVisible(Q::BitFleGMiz, false);
        state_.areasChosen = false;
        setVisible(Q::ListGM, true);
        setVisible(Q::ListGM2, false);
        slideHelp(CaptionText(t[kChooseAreas]), false);
    });
}

// --- The report, printing and leaving ------------------------------------------------------------

void IntermediateQuestionnaire::centresListed(const std::vector<ListingRow>& rows) {
    if (!enlace_.questionnaireMode) return;
    run([&] {
        const InterfaceTexts& t = enlace_.texts;
        setVisible(Q::BotImprimirCuesGM, true);
        report({});
        report(t[kChosenTitle], 4);
        report(screen_.titleText());
        report({});
        report(t[kWhereToStudy] + ":");
        report({});
        for (const ListingRow& row : rows)
            report(std::string(Bounded(std::string(Bounded(row[0], kCentreWidth)) + row[1],
                                       ReportBuffer::kEntryCapacity)));
    });
}

void IntermediateQuestionnaire::BotImprimirCuesGMClick() {
    StudentName& name = output_.studentName();
    if (!name.Ask(output_.notice(), enlace_.texts, QString())) return;
    ResultReport printed;
    printed.title = name.bytes();
    printed.lines = state_.report;
    // The heading of the last centre block only when a block follows the restart.
    for (const int line : state_.reportBold)
        if (line > 0) printed.boldLines.push_back(line);
    output_.PrintText(printed, true, 10);
}

std::string_view IntermediateQuestionnaire::BotSalirCuesClick() {
    std::string_view to;
    run([&] {
        enlace_.questionnaireMode = false;
        output_.studentName().clear();
        hideMapStep();
        for (int i = 0; i < kQuestionnaireControlCount; ++i) setVisible(static_cast<Q>(i), false);
        closeHelp();
        switch (screen_.leaveTarget()) {
            case LevelScreen::Leave::Nowhere:
                break;
            case LevelScreen::Leave::Assistant:
                to = ScreenOf(LeaveTo::Assistant);
                break;
            case LevelScreen::Leave::Scene:
            case LevelScreen::Leave::MainMenu:
                to = "TForm2";
                break;
        }
    });
    return to;
}

// --- Timers
// ----------------------------------------------------------------------------------------

void IntermediateQuestionnaire::tick(QuestionnaireTimer timer) {
    if (!view_.timers[static_cast<size_t>(timer)]) return;
    run([&] {
        if (timer == QuestionnaireTimer::Ayu) {
            QRect& line = view_.helpLine;
            line.setWidth(std::max(0, kWindowWidth - kHelpRightMargin - line.left()));
            line.moveLeft(line.left() - kHelpStep);
            view_.helicopter.setX(line.left() - kHelicopterBehind);
            touch(QuestionnaireChanges::Places);
            screen_.setVisible(L::LabAyuGM, true);
            screen_.setVisible(L::HeliPeque, true);
            if (line.left() < kHelpStopsLeftOf) {
                setTimer(QuestionnaireTimer::Ayu, false);
                sound_.stopWave();
            }
            return;
        }
        state_.shrinkStep += 2;
        const int step = state_.shrinkStep;
        QRect& list = view_.list;
        // Down and smaller: the top moves by the step, the height shrinks by as much.
        list = QRect(list.left(), list.top() + step, std::max(0, list.width() - step - step / 2),
                     std::max(0, list.height() - step));
        touch(QuestionnaireChanges::Places);
        setVisible(Q::ListGM, true);
        if (list.top() <= smallListTop_) return;
        setTimer(QuestionnaireTimer::Reduce, false);
        state_.shrinkStep = 0;
        setVisible(Q::ListGM, false);
        setVisible(Q::ListPeque, true);
        setVisible(Q::LabelPeque, true);
        screen_.setCaption(L::PanelSelTit, {});
        screen_.setVisible(L::PanelSelTit, true);
        screen_.setCaption(L::PanelCarSel, cp1252::Decode(screen_.titleText()));
        screen_.setVisible(L::PanelCarSel, true);
        screen_.setTextLines({}, IntermediateScreen::TextStyle::Plain);
        screen_.setVisible(L::listSelFP, true);
        screen_.setVisible(L::PanelEstrellas, true);
        fillTitles(view_.smallRows, kSmallRowHeight);
        touch(QuestionnaireChanges::SmallRows);
        screen_.setTimer(LevelTimer::Parpadeo, true);
        list = kTitleList;
    });
}

}  // namespace velmora
