#include "core/guidance/professions_screen.h"

#include <algorithm>

#include "core/guidance/questionnaire_load.h"
#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/notice.h"
#include "core/shared/section_back.h"
#include "core/shared/setup_guard.h"

namespace velmora {
namespace {

using C = ProfessionsControl;
using T = ProfessionsTimer;

constexpr std::array<std::string_view, kProfessionsControlCount> kControlNames = {
    "ListCues",      "PanelFrase", "LabelFrase0", "LabelFrase",  "imageIcono",
    "BotSi",         "BotNo",      "BotFraRet",   "BotFraSig",   "PanelSelTit0",
    "LabelTit0",     "ListSel",    "PanelResul",  "LabelTitulo", "LabelActi",
    "LabelTitExpli", "LabelTit1",  "Labeltit2",   "LabelTit3",   "ListResulAct",
    "ListResulProf", "ListTit",    "ListResProf", "BotImp",      "BotAcabar",
};

constexpr C kHiddenAtStart[] = {C::PanelSelTit0, C::ListSel, C::PanelResul, C::ListResProf,
                                C::BotImp};

// Interface texts.
enum : int {
    kPrint = 36,
    kLeave = 54,
    kAccording = 124,
    kNo = 140,
    kYes = 141,
    kWindowTitle = 338,
    kLinkedTo = 624,
    kCloseActivities = 625,
    kIdentify = 626,
    kChoosePerPage = 629,
    kChooseFinal = 630,
    kIntroTitle = 631,
    kIntro = 632,
    kPressYes = 633,
    kTooMany = 634,
    kAtMostThree = 635,
    kThenForward = 636,
    kReview = 637,
    kYourStatements = 639,
    kActivities = 642,
    kHover = 643,
    kLinkedProfessions = 644,
    kStudiesOfEach = 645,
    kExplain = 646,
    kExplain2 = 647,
    kTitle = 648,
    kLeaveQuestion = 649,
    kLeaveNote = 650,
};

constexpr int kMaxKept = 3;

// The icon of statement k in the main menu's icon list; statements past 15 have none.
int StatementIcon(int statement) {
    static constexpr int kIcons[] = {-1, 2, 20, 9, 17, 16, 14, 1, 18, 15, 3, 0, 5, 11, 13, 12};
    if (statement < 1 || statement > 15) return -1;
    return kIcons[statement];
}

const Rgb kGreen{0, 128, 0};

QString Text(std::string_view bytes) {
    return cp1252::Decode(bytes);
}

Cell PlainCell(std::string_view bytes) {
    Cell cell;
    cell.text = Text(bytes);
    cell.textLeft = 4;
    cell.textTop = 2;
    return cell;
}

void Tick(Cell& cell, bool ticked) {
    if (!ticked) return;
    cell.fill = ColourOf(PaletteColour::Navy);
    cell.colour = ColourOf(PaletteColour::White);
}

}  // namespace

std::string_view ProfessionsControlName(ProfessionsControl control) {
    return NameIn(kControlNames, control);
}

std::optional<ProfessionsControl> ProfessionsControlNamed(std::string_view name) {
    return ControlIn<ProfessionsControl>(kControlNames, name);
}

ProfessionsScreen::ProfessionsScreen(Enlace& enlace, QuestionnaireOutput& output)
    : enlace_(enlace), output_(output) {
    for (C control : kHiddenAtStart) view_.controls.setVisible(control, false);
    for (C control : {C::BotSi, C::BotNo, C::BotFraRet, C::BotFraSig, C::BotImp, C::BotAcabar,
                      C::ListSel, C::ListResulAct, C::ListResulProf, C::ListTit})
        view_.controls.setCursor(control, CursorKind::Hand);
    view_.fraseTop = kFraseHomeTop;
    view_.fraseHeight = kFraseHomeHeight;
}

bool ProfessionsScreen::FormCreate() {
    const bool loaded = RunSetUp(enlace_.messages, [this] { LoadProfessionsScreenData(enlace_); });
    studies_ = BuildProfessionStudyIndex(enlace_.degreeTables, enlace_.vocational);
    SetCaptions();
    return loaded;
}

void ProfessionsScreen::SetCaptions() {
    const InterfaceTexts& t = enlace_.texts;
    const auto caption = [&](C control, const std::string& bytes) {
        setCaption(control, CaptionText(bytes));
    };
    caption(C::BotSi, t[kYes]);
    caption(C::BotNo, t[kNo]);
    caption(C::BotImp, t[kPrint]);
    caption(C::BotAcabar, t[kLeave]);
    caption(C::LabelTitulo, t[kTitle]);
    caption(C::LabelActi, t[kActivities] + " " + t[kHover]);
    caption(C::LabelTitExpli, t[kExplain] + "\r" + t[kExplain2]);
    caption(C::LabelTit1, t[kLinkedProfessions]);
    caption(C::Labeltit2, t[kStudiesOfEach]);
    view_.windowTitle =
        CaptionText(t[kWindowTitle] + "  " + cp1252::Encode(enlace_.settings.schoolName));
    touch(ProfessionsChanges::Controls);
}

// --- Helpers ---------------------------------------------------------------------------------

void ProfessionsScreen::setRunning(T timer, bool on) {
    bool& running = view_.timers[static_cast<size_t>(timer)];
    if (running == on) return;
    running = on;
    touch(ProfessionsChanges::Timers);
}

int ProfessionsScreen::tickedStatements() const {
    return static_cast<int>(
        std::count(state_.statementTicks.begin(), state_.statementTicks.end(), true));
}

void ProfessionsScreen::fillStatementRows() {
    const ProfessionsTables& tables = enlace_.guidance.professions;
    view_.statementRows.clear();
    for (int k = 1; k <= tables.statementCount(); ++k) {
        Cell cell;
        cell.text = Text(TrimRight(tables.statements[static_cast<size_t>(k)].text));
        cell.kind = RowKind::Icon;
        cell.icon = StatementIcon(k);
        cell.iconLeft = 0;
        cell.textLeft = 30;
        cell.textTop = 5;
        Tick(cell, state_.statementTicks[static_cast<size_t>(k - 1)]);
        view_.statementRows.push_back(std::move(cell));
    }
    touch(ProfessionsChanges::StatementRows);
}

void ProfessionsScreen::fillPhraseRows() {
    const ProfessionsTables& tables = enlace_.guidance.professions;
    view_.phraseRows.clear();
    for (size_t r = 0; r < state_.shownPhrases.size(); ++r) {
        const int phrase = state_.shownPhrases[r];
        Cell cell = PlainCell(phrase >= 1 && phrase <= tables.phraseCount()
                                  ? TrimRight(tables.phrases[static_cast<size_t>(phrase)].text)
                                  : std::string_view());
        Tick(cell, state_.phraseTicks[r]);
        view_.phraseRows.push_back(std::move(cell));
    }
    touch(ProfessionsChanges::PhraseRows);
}

void ProfessionsScreen::showPhrases(std::vector<int> phrases, const std::vector<int>& tickedRows) {
    state_.shownPhrases = std::move(phrases);
    state_.phraseTicks.assign(state_.shownPhrases.size(), false);
    for (const int row : tickedRows)
        if (row >= 0 && row < static_cast<int>(state_.phraseTicks.size()))
            state_.phraseTicks[static_cast<size_t>(row)] = true;
    fillPhraseRows();
}

void ProfessionsScreen::recordPage(int page) {
    if (page < 1 || page > static_cast<int>(state_.pageChoices.size())) return;
    std::vector<int>& rows = state_.pageChoices[static_cast<size_t>(page - 1)];
    rows.clear();
    for (size_t r = 0; r < state_.phraseTicks.size(); ++r)
        if (state_.phraseTicks[r]) rows.push_back(static_cast<int>(r));
}

void ProfessionsScreen::slideTit0(int text) {
    setCaption(C::LabelTit0, CaptionText(enlace_.texts[text]));
    view_.tit0Left = kTitleBarWidth - 80;
    touch(ProfessionsChanges::Titles);
    setRunning(T::Tit0, true);
}

// --- The statements --------------------------------------------------------------------------

void ProfessionsScreen::BotCuestioClick() {
    const ProfessionsTables& tables = enlace_.guidance.professions;
    setVisible(C::ListCues, true);
    view_.controls.setEnabled(C::ListCues, false);
    view_.controls.setCursor(C::ListCues, CursorKind::NotAllowed);
    setVisible(C::BotFraSig, true);
    view_.controls.setEnabled(C::BotFraSig, false);
    view_.controls.setCursor(C::BotFraSig, CursorKind::NotAllowed);
    for (C control : {C::PanelResul, C::BotImp, C::ListSel, C::PanelSelTit0, C::ListResProf})
        setVisible(control, false);
    for (T timer : {T::Tit0, T::Titles}) setRunning(timer, false);
    state_ = ProfessionsState{};
    state_.statementTicks.assign(static_cast<size_t>(tables.statementCount()), false);
    fillStatementRows();
    setVisible(C::PanelFrase, true);
    Answer(true);  // the introduction
    output_.studentName().clear();
    touch(ProfessionsChanges::Controls);
}

void ProfessionsScreen::Answer(bool yes) {
    const InterfaceTexts& t = enlace_.texts;
    const int count = enlace_.guidance.professions.statementCount();
    setVisible(C::BotNo, true);
    ++state_.cursor;
    if (state_.cursor > count) {
        setRunning(T::Frase, false);
        setVisible(C::PanelFrase, false);
        return;
    }
    if (state_.cursor == count) {
        if (yes && count > 0) state_.statementTicks[static_cast<size_t>(count - 1)] = true;
        fillStatementRows();
        setCaption(C::LabelFrase0, CaptionText(t[kYourStatements]));
        view_.controls.setEnabled(C::ListCues, true);
        view_.controls.setCursor(C::ListCues, CursorKind::Hand);
        view_.controls.setEnabled(C::BotFraSig, true);
        view_.controls.setCursor(C::BotFraSig, CursorKind::Hand);
        setVisible(C::imageIcono, false);
        setCaption(C::LabelFrase,
                   CaptionText(tickedStatements() < 4
                                   ? t[kReview] + " " + t[kThenForward]
                                   : t[kTooMany] + " " + t[kAtMostThree] + " " + t[kThenForward]));
        setVisible(C::BotNo, false);
        // The summary is on show even when the panel had been put away.
        setVisible(C::PanelFrase, true);
        touch(ProfessionsChanges::Controls);
        return;
    }
    // The panel grows again from its middle.
    view_.fraseHeight = 10;
    view_.fraseTop = kFraseHomeTop + kFraseHomeHeight / 2;
    touch(ProfessionsChanges::Frase);
    if (state_.cursor >= 0) {
        const LongStatement& statement =
            enlace_.guidance.professions.statements[static_cast<size_t>(state_.cursor + 1)];
        setCaption(C::LabelFrase, Text(TrimRight(statement.text)));
        view_.statementIcon = StatementIcon(state_.cursor + 1);
        touch(ProfessionsChanges::StatementIcon);
        setVisible(C::imageIcono, view_.statementIcon >= 0);
    }
    setCaption(C::LabelFrase0, CaptionText(t[kIdentify]));
    if (state_.cursor == -1) {
        setVisible(C::imageIcono, false);
        setCaption(C::LabelFrase0, CaptionText(t[kIntroTitle]));
        setCaption(C::LabelFrase,
                   CaptionText(t[kIntro] + "\r" + t[kAtMostThree] + "\r" + t[kPressYes]));
        setVisible(C::BotNo, false);
    }
    if (yes && state_.cursor > 0) {
        state_.statementTicks[static_cast<size_t>(state_.cursor - 1)] = true;
        fillStatementRows();
    }
    setRunning(T::Frase, true);
}

void ProfessionsScreen::ListCuesClick(int row) {
    if (!view_.controls.isEnabled(C::ListCues)) return;
    if (row < 0 || row >= static_cast<int>(state_.statementTicks.size())) return;
    state_.statementTicks[static_cast<size_t>(row)] =
        !state_.statementTicks[static_cast<size_t>(row)];
    fillStatementRows();
}

// --- Forward and back ------------------------------------------------------------------------

void ProfessionsScreen::BotFraSigClick() {
    if (!view_.controls.isEnabled(C::BotFraSig)) return;
    if (state_.finalMode) {
        showResults();
        return;
    }
    if (state_.page == 0) {
        const int kept = tickedStatements();
        if (kept == 0 || kept > kMaxKept) {
            // The summary again, saying why.
            state_.cursor = enlace_.guidance.professions.statementCount() - 1;
            Answer(false);
            return;
        }
        setRunning(T::Frase, false);
        setVisible(C::PanelFrase, false);
    }
    // Never past the final list; when no phrase came of the statements (no page at all) that
    // is page 1 again, built anew and as empty.
    state_.page = std::min(state_.page + 1, state_.pages.count() + 1);
    if (state_.page == 1) {
        buildPages();
    } else {
        leavePage(state_.page - 1);
    }
}

void ProfessionsScreen::buildPages() {
    const ProfessionsTables& tables = enlace_.guidance.professions;
    state_.page = 1;
    std::vector<int> kept;
    for (size_t k = 0; k < state_.statementTicks.size(); ++k)
        if (state_.statementTicks[k]) kept.push_back(static_cast<int>(k) + 1);
    state_.codes = ActivityCodeSet(tables, kept);
    state_.pool = PhrasePool(tables, state_.codes);
    state_.pages = DealPhrases(state_.pool);
    state_.pageChoices.assign(static_cast<size_t>(state_.pages.count()), {});
    state_.chosen.clear();
    setVisible(C::ListSel, true);
    setVisible(C::PanelSelTit0, true);
    slideTit0(kChoosePerPage);
    showPhrases(state_.pages.count() > 0 ? state_.pages.pages[0] : std::vector<int>{}, {});
    setVisible(C::ListCues, false);
}

void ProfessionsScreen::leavePage(int page) {
    recordPage(page);
    const int pages = state_.pages.count();
    if (page + 1 <= pages) {
        showPhrases(state_.pages.pages[static_cast<size_t>(page)],
                    state_.pageChoices[static_cast<size_t>(page)]);
        return;
    }
    slideTit0(kChooseFinal);
    state_.chosen.clear();
    for (int k = 0; k < pages; ++k)
        for (const int row : state_.pageChoices[static_cast<size_t>(k)])
            state_.chosen.push_back(
                state_.pages.pages[static_cast<size_t>(k)][static_cast<size_t>(row)]);
    showPhrases(state_.chosen, {});
    state_.finalMode = true;
}

void ProfessionsScreen::BotFraRetClick() {
    if (state_.resultsShown) {
        state_.resultsShown = false;
        for (C control : {C::PanelResul, C::BotImp, C::ListResProf, C::ListTit})
            setVisible(control, false);
        setRunning(T::Titles, false);
        return;
    }
    setVisible(C::BotFraSig, true);
    // What was ticked on a page is kept for when the student comes forward again.
    if (!state_.finalMode) recordPage(state_.page);
    state_.finalMode = false;
    state_.page = std::max(state_.page - 1, 0);
    if (state_.page >= 1) {
        const auto k = static_cast<size_t>(state_.page - 1);
        if (k < state_.pages.pages.size())
            showPhrases(state_.pages.pages[k], state_.pageChoices[k]);
        setCaption(C::LabelTit0, CaptionText(enlace_.texts[kChoosePerPage]));
        return;
    }
    setVisible(C::ListSel, false);
    setVisible(C::PanelSelTit0, false);
    setRunning(T::Tit0, false);
    setVisible(C::ListCues, true);
    fillStatementRows();
}

void ProfessionsScreen::ListSelClick(int row) {
    if (row < 0 || row >= static_cast<int>(state_.phraseTicks.size())) return;
    std::vector<bool>& ticks = state_.phraseTicks;
    if (state_.finalMode) {
        ticks.assign(ticks.size(), false);
        ticks[static_cast<size_t>(row)] = true;
    } else {
        ticks[static_cast<size_t>(row)] = !ticks[static_cast<size_t>(row)];
        // A page keeps at most two: a third tick keeps only itself.
        if (std::count(ticks.begin(), ticks.end(), true) > 2) {
            ticks.assign(ticks.size(), false);
            ticks[static_cast<size_t>(row)] = true;
        }
    }
    fillPhraseRows();
}

// --- Results ---------------------------------------------------------------------------------

void ProfessionsScreen::showResults() {
    const ProfessionsTables& tables = enlace_.guidance.professions;
    const InterfaceTexts& t = enlace_.texts;
    // The final pick is the ticked row; without one there is nothing to score yet.
    const auto picked = std::find(state_.phraseTicks.rbegin(), state_.phraseTicks.rend(), true);
    if (picked == state_.phraseTicks.rend()) return;
    const int finalRow = static_cast<int>(state_.phraseTicks.rend() - picked) - 1;
    state_.finalPhrase = state_.shownPhrases[static_cast<size_t>(finalRow)];
    state_.activityScores = ScoreActivities(tables, state_.chosen, finalRow);
    state_.rankedActivities = RankActivities(tables, state_.activityScores);
    state_.linkedProfessions = LinkedProfessions(tables, state_.finalPhrase);
    state_.resultsShown = true;

    setVisible(C::PanelResul, true);
    setVisible(C::BotImp, true);
    state_.titleTicks = 0;
    view_.tit1Left = kTitlesStart;
    view_.actiLeft = kTitlesStart;
    touch(ProfessionsChanges::Titles);
    setRunning(T::Titles, true);

    view_.activityRows.clear();
    view_.activityRows.push_back(PlainCell(std::string(9, ' ') + t[kCloseActivities]));
    view_.activityRows.back().bold = true;
    for (size_t r = 0; r < 2 && r < state_.rankedActivities.size(); ++r) {
        const ActivityRecord& activity =
            tables.activities[static_cast<size_t>(state_.rankedActivities[r])];
        view_.activityRows.push_back(
            PlainCell(std::to_string(r + 1) + "\xBA " + std::string(TrimRight(activity.name))));
    }
    view_.professionRows.clear();
    view_.professionRows.push_back(PlainCell(""));
    for (const int p : state_.linkedProfessions)
        view_.professionRows.push_back(PlainCell(
            "\x95 " + std::string(TrimRight(tables.professions[static_cast<size_t>(p)].name))));
    touch(ProfessionsChanges::ResultRows);

    // Both views start empty, with the first data row of each list selected.
    setCaption(C::LabelTit3, QString());
    view_.studyRows.clear();
    view_.activityProfessionRows.clear();
    touch(ProfessionsChanges::StudyRows);
    touch(ProfessionsChanges::ActivityProfessionRows);
    setVisible(C::ListTit, true);
    setVisible(C::ListResProf, true);
    view_.activitySelected = view_.activityRows.size() > 1 ? 1 : -1;
    view_.professionSelected = view_.professionRows.size() > 1 ? 1 : -1;
    touch(ProfessionsChanges::Selection);
    state_.lastActivityRow = 1;
    state_.lastProfessionRow = 1;
    state_.frozen = false;
}

std::vector<Cell> ProfessionsScreen::studyCells(int profession) const {
    std::vector<Cell> cells;
    for (const ProfessionStudyLine& line : ProfessionStudyLines(
             studies_, enlace_.degreeTables, enlace_.vocational, enlace_.texts, profession)) {
        Cell cell = PlainCell(line.text);
        if (line.heading) {
            cell.kind = RowKind::Heading;
            cell.colour = kGreen;
            cell.bold = true;
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

std::vector<Cell> ProfessionsScreen::activityProfessionCells(int rank) const {
    const ProfessionsTables& tables = enlace_.guidance.professions;
    std::vector<Cell> cells;
    if (rank < 1 || rank > static_cast<int>(state_.rankedActivities.size())) return cells;
    Cell heading = PlainCell(std::string(5, ' ') + enlace_.texts[kLinkedTo] + " " +
                             std::to_string(rank) + "\xBA");
    heading.bold = true;
    heading.colour = ColourOf(PaletteColour::Maroon);
    cells.push_back(heading);
    for (const int p :
         ProfessionsOfActivity(tables, state_.rankedActivities[static_cast<size_t>(rank - 1)]))
        cells.push_back(PlainCell(
            "\x95 " + std::string(TrimRight(tables.professions[static_cast<size_t>(p)].name))));
    return cells;
}

void ProfessionsScreen::ListResulActMouseMove(int row) {
    setVisible(C::ListResProf, true);
    if (state_.frozen || row <= 1 || row == state_.lastActivityRow) return;
    if (row > static_cast<int>(view_.activityRows.size())) return;
    state_.lastActivityRow = row;
    view_.activitySelected = row - 1;
    touch(ProfessionsChanges::Selection);
    view_.activityProfessionRows = activityProfessionCells(row - 1);
    touch(ProfessionsChanges::ActivityProfessionRows);
}

void ProfessionsScreen::ListResulProfMouseMove(int row) {
    setVisible(C::ListTit, true);
    if (state_.frozen || row <= 1 || row == state_.lastProfessionRow) return;
    if (row > static_cast<int>(view_.professionRows.size())) return;
    state_.lastProfessionRow = row;
    view_.professionSelected = row - 1;
    touch(ProfessionsChanges::Selection);
    setCaption(C::LabelTit3, view_.professionRows[static_cast<size_t>(row - 1)].text);
    view_.studyRows = studyCells(state_.linkedProfessions[static_cast<size_t>(row - 2)]);
    touch(ProfessionsChanges::StudyRows);
}

void ProfessionsScreen::ListResulActMouseUp(int row) {
    state_.frozen = !state_.frozen;
    if (row >= 1 && row <= static_cast<int>(view_.activityRows.size())) {
        view_.activitySelected = row - 1;
        touch(ProfessionsChanges::Selection);
    }
}

void ProfessionsScreen::ListResulProfMouseUp(int row) {
    state_.frozen = !state_.frozen;
    if (row >= 1 && row <= static_cast<int>(view_.professionRows.size())) {
        view_.professionSelected = row - 1;
        touch(ProfessionsChanges::Selection);
    }
}

void ProfessionsScreen::PanelResulMouseMove() {
    state_.frozen = false;
}

void ProfessionsScreen::FormMouseMove() {
    setVisible(C::ListTit, false);
    setVisible(C::ListResProf, false);
}

// --- Timers ----------------------------------------------------------------------------------

void ProfessionsScreen::tick(ProfessionsTimer timer) {
    switch (timer) {
        case T::Frase: {
            bool moved = false;
            if (view_.fraseHeight < kFraseHomeHeight) {
                view_.fraseHeight += 10;
                moved = true;
            }
            if (view_.fraseTop > kFraseHomeTop) {
                view_.fraseTop -= 5;
                moved = true;
            }
            if (moved) {
                touch(ProfessionsChanges::Frase);
            } else {
                setRunning(T::Frase, false);  // in place
            }
            break;
        }
        case T::Tit0:
            if (view_.tit0Left > kTit0Stop && view_.controls.isVisible(C::PanelSelTit0)) {
                view_.tit0Left -= kSlideStep;
                touch(ProfessionsChanges::Titles);
            } else {
                setRunning(T::Tit0, false);
            }
            break;
        case T::Titles:
            ++state_.titleTicks;
            if (view_.tit1Left > kTitlesStop) view_.tit1Left -= kSlideStep;
            if (state_.titleTicks > kActiAfterTicks) {
                if (view_.actiLeft > kTitlesStop) view_.actiLeft -= kSlideStep;
                if (view_.actiLeft <= kTitlesStop) setRunning(T::Titles, false);
            }
            touch(ProfessionsChanges::Titles);
            break;
    }
}

// --- Printing and leaving --------------------------------------------------------------------

ResultReport ProfessionsScreen::Report() const {
    const ProfessionsTables& tables = enlace_.guidance.professions;
    const InterfaceTexts& t = enlace_.texts;
    ResultReport report;
    report.title = output_.studentName().bytes();
    report.add(t[kTitle], true);
    report.add("");
    report.add(t[kAccording]);
    report.add(t[kLinkedProfessions], true);
    report.add("      - " + t[kStudiesOfEach]);
    for (size_t i = 0; i < state_.linkedProfessions.size(); ++i) {
        const int p = state_.linkedProfessions[i];
        report.add(
            "\x95 " + std::string(TrimRight(tables.professions[static_cast<size_t>(p)].name)),
            true);
        for (const ProfessionStudyLine& line :
             ProfessionStudyLines(studies_, enlace_.degreeTables, enlace_.vocational, t, p))
            report.add(std::string(4, ' ') + (line.heading ? line.text : "- " + line.text));
    }
    report.add("");
    report.add(t[kActivities], true);
    for (const Cell& row : view_.activityRows) report.add(cp1252::Encode(row.text));
    report.add("");
    report.add(std::string(5, ' ') + t[kLinkedTo] + " 1\xBA:");
    if (!state_.rankedActivities.empty())
        for (const int p : ProfessionsOfActivity(tables, state_.rankedActivities.front()))
            report.add("  \x95 " +
                       std::string(TrimRight(tables.professions[static_cast<size_t>(p)].name)));
    return report;
}

void ProfessionsScreen::BotImpClick() {
    if (!state_.resultsShown) return;
    if (!output_.studentName().Ensure(output_.notice(), enlace_.texts)) return;
    output_.PrintText(Report(), false, 12);
}

std::optional<LeaveTo> ProfessionsScreen::BotAcabarClick(bool fromStudies) {
    if (enlace_.assistantMode && !fromStudies) return LeaveTo::Assistant;
    const QString question = Text(enlace_.texts[kLeaveQuestion]);
    const bool yes =
        fromStudies ? output_.notice().questionWithNote(question, Text(enlace_.texts[kLeaveNote]))
                    : output_.notice().question(question);
    if (!yes) return std::nullopt;
    for (C control : {C::PanelResul, C::BotImp, C::ListSel, C::PanelSelTit0, C::ListCues,
                      C::ListResProf, C::PanelFrase})
        setVisible(control, false);
    for (T timer : {T::Frase, T::Tit0, T::Titles}) setRunning(timer, false);
    state_.resultsShown = false;
    return SectionBack(enlace_);
}

}  // namespace velmora
