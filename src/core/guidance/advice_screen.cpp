#include "core/guidance/advice_screen.h"

#include "core/guidance/group_studies.h"
#include "core/guidance/questionnaire_load.h"
#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/messages.h"
#include "core/shared/notice.h"
#include "core/shared/section_back.h"
#include "core/shared/setup_guard.h"
#include "core/shared/shutdown.h"

namespace velmora {
namespace {

using C = AdviceControl;

constexpr std::array<std::string_view, kAdviceControlCount> kControlNames = {
    "PanelMenuCon", "Menucua",      "MenuGus",   "MenuMedia",   "MenuRetroCon",
    "PanelListCon", "ListCua",      "Listint",   "PanelResCon", "ListResul",
    "VerResul",     "revisa",       "acabarCua", "ImpResul",    "grabar",
    "PanelResul",   "ListCarreras", "BotCerrar", "LabelAviso",  "labelCentro",
};

constexpr C kHiddenAtStart[] = {C::PanelListCon, C::ListCua,  C::Listint,    C::PanelResCon,
                                C::ListResul,    C::VerResul, C::revisa,     C::acabarCua,
                                C::ImpResul,     C::grabar,   C::PanelResul, C::LabelAviso};

constexpr C kMenuButtons[] = {C::Menucua, C::MenuGus, C::MenuMedia, C::MenuRetroCon};

// Interface texts.
enum : int {
    kClose = 13,
    kPrint = 36,
    kBack = 82,
    kStudiesPrompt = 274,
    kQualitiesTitle = 279,
    kInterestsTitle = 280,
    kAviso = 283,
    kPupil = 284,
    kAverageHeading = 285,
    kResultOf = 286,
    kSeeResult = 287,
    kAverageCaption = 288,
    kQualitiesMenu = 301,
    kInterestsMenu = 302,
    kAverageMenu = 303,
    kHigherTitles = 326,
    kDegrees = 327,
    kReview = 328,
    kRestart = 329,
    kSave = 330,
    kWindowTitle = 338,
    kBestThree = 340,
    kNoHigherTitles = 386,
    kFinish = 511,
    kReportTitle = 596,
    kReportTitle2 = 597,
    kGoodLuck = 598,
};

constexpr size_t kScoreWidth = 4;
constexpr size_t kStudyWidth = 60;

// Help sets.
const HelpPanel::Set kHelpQualities = HelpPanel::Lines({355, 357, 358, 359, 360, 361, 362, 363});
const HelpPanel::Set kHelpInterests = HelpPanel::Lines({356, 357, 358, 359, 360, 361, 362, 363});
const HelpPanel::Set kHelpRanking = HelpPanel::Lines({364, 365, 366, 367, 368, 369, 370, 371});
const HelpPanel::Set kHelpAverage = HelpPanel::Lines({378, 379, 380, 381, 382, 383, 384, 0});
const HelpPanel::Set kHelpPrinted = HelpPanel::Lines({0, 410, 411, 412, 413, 0, 0, 0});
const HelpPanel::Set kHelpFillBoth = HelpPanel::Lines({0, 0, 415, 416, 417, 0, 0, 0});
const HelpPanel::Set kHelpSaved = HelpPanel::Lines({22, 23, 24, 25, 26, 27, 28, 0});

std::string Blanks(size_t n) {
    return std::string(n, ' ');
}

std::string Cut(std::string_view text, size_t width) {
    return std::string(Bounded(text, width));
}

}  // namespace

std::string_view AdviceControlName(AdviceControl control) {
    return NameIn(kControlNames, control);
}

std::optional<AdviceControl> AdviceControlNamed(std::string_view name) {
    return ControlIn<AdviceControl>(kControlNames, name);
}

AdviceScreen::AdviceScreen(Enlace& enlace, QuestionnaireOutput& output)
    : enlace_(enlace), output_(output) {
    for (C control : kHiddenAtStart) view_.controls.setVisible(control, false);
    for (C control : kMenuButtons) view_.controls.setCursor(control, CursorKind::Hand);
    for (C control : {C::VerResul, C::revisa, C::acabarCua, C::ImpResul, C::grabar, C::BotCerrar,
                      C::ListCua, C::Listint, C::ListResul})
        view_.controls.setCursor(control, CursorKind::Hand);
}

bool AdviceScreen::FormCreate() {
    const bool loaded = RunSetUp(enlace_.messages, [this] { LoadAdviceScreenData(enlace_); });
    state_.filled = {false, false};
    SetCaptions();
    return loaded;
}

void AdviceScreen::SetCaptions() {
    const InterfaceTexts& t = enlace_.texts;
    const auto caption = [&](C control, int text) { setCaption(control, CaptionText(t[text])); };
    caption(C::Menucua, kQualitiesMenu);
    caption(C::MenuGus, kInterestsMenu);
    caption(C::MenuMedia, kAverageMenu);
    caption(C::MenuRetroCon, kBack);
    caption(C::VerResul, kSeeResult);
    caption(C::revisa, kReview);
    caption(C::acabarCua, kFinish);
    caption(C::ImpResul, kPrint);
    caption(C::grabar, kSave);
    caption(C::BotCerrar, kClose);
    caption(C::LabelAviso, kAviso);
    const std::string school = cp1252::Encode(enlace_.settings.schoolName);
    view_.windowTitle = CaptionText(GrowingText({t[kWindowTitle], "  ", school}, {42}));
    setCaption(C::labelCentro, enlace_.settings.schoolName.trimmed() + QStringLiteral(" - ") +
                                   QString::fromLatin1(kSchoolYear));
    touch(AdviceChanges::Controls);
}

// --- Helpers ---------------------------------------------------------------------------------

void AdviceScreen::showHelp(const HelpPanel::Set& set) {
    help_.show(set, enlace_.texts);
    touch(AdviceChanges::Help);
}

void AdviceScreen::setVisited(AdviceMenu menu, bool on) {
    bool& visited = view_.visited[static_cast<size_t>(menu)];
    if (visited == on) return;
    visited = on;
    touch(AdviceChanges::Menu);
}

void AdviceScreen::showOnlyMenu(C button) {
    for (C control : kMenuButtons) setVisible(control, control == button);
}

const LineTable& AdviceScreen::itineraries() const {
    // The ESO screen's reading (width 54) is the one in force once it has been made; before it,
    // the degrees screen's.
    const LineTable& eso = enlace_.guidance.eso.itineraries;
    return eso.count > 0 ? eso : enlace_.degreeTables.questionnaire.itineraries;
}

void AdviceScreen::fillItemRows(AdviceState::Mode mode) {
    const LineTable& items = mode == AdviceState::Qualities ? enlace_.guidance.advice.qualities
                                                            : enlace_.guidance.advice.interests;
    const Selection& ticks = state_.ticks[static_cast<size_t>(mode)];
    std::vector<Cell> rows;
    rows.reserve(static_cast<size_t>(items.count));
    for (int k = 1; k <= items.count; ++k) {
        Cell cell;
        cell.text = cp1252::Decode(TrimRight(items[k]));
        cell.textLeft = 4;
        cell.textTop = 1;
        if (k <= static_cast<int>(ticks.size()) && ticks[static_cast<size_t>(k - 1)]) {
            cell.fill = ColourOf(PaletteColour::Navy);
            cell.colour = ColourOf(PaletteColour::White);
        }
        rows.push_back(std::move(cell));
    }
    if (mode == AdviceState::Qualities) {
        view_.qualityRows = std::move(rows);
        touch(AdviceChanges::QualityRows);
    } else {
        view_.interestRows = std::move(rows);
        touch(AdviceChanges::InterestRows);
    }
}

// --- Showing the screen and its menu -----------------------------------------------------------

void AdviceScreen::FormShow() {
    output_.studentName().clear();
    if (!state_.filled[0] && !state_.filled[1]) return;
    if (!output_.notice().question(cp1252::Decode(enlace_.texts[kRestart]))) return;
    for (AdviceMenu menu : {AdviceMenu::Qualities, AdviceMenu::Interests, AdviceMenu::Average})
        setVisited(menu, false);
    if (enlace_.assistantMode) {
        setVisible(C::ListCua, false);
        setVisible(C::Listint, false);
    }
    state_.filled = {false, false};
    // A new student: nothing of the last one's scores may reach the new average or report.
    state_.qualityScores = {};
    state_.interestScores = {};
    state_.averageScores = {};
    for (auto& lines : state_.rankedLines) lines.clear();
    state_.rankPermutation.clear();
}

void AdviceScreen::openList(AdviceState::Mode mode) {
    const bool qualities = mode == AdviceState::Qualities;
    setVisited(qualities ? AdviceMenu::Qualities : AdviceMenu::Interests, true);
    showHelp(qualities ? kHelpQualities : kHelpInterests);
    state_.mode = mode;
    showOnlyMenu(qualities ? C::Menucua : C::MenuGus);
    setVisible(C::revisa, false);
    setVisible(C::VerResul, true);
    setVisible(C::PanelListCon, true);
    const C list = qualities ? C::ListCua : C::Listint;
    setVisible(list, true);
    changes_.focus = list;
    setVisible(qualities ? C::Listint : C::ListCua, false);
    setVisible(C::ListResul, false);
    setVisible(C::PanelResCon, false);
    setVisible(C::PanelResul, false);
    const auto m = static_cast<size_t>(mode);
    if (!state_.filled[m]) {
        const LineTable& items =
            qualities ? enlace_.guidance.advice.qualities : enlace_.guidance.advice.interests;
        state_.ticks[m].assign(static_cast<size_t>(items.count), false);
        state_.filled[m] = true;
    }
    fillItemRows(mode);
}

void AdviceScreen::MenucuaClick() {
    openList(AdviceState::Qualities);
}

void AdviceScreen::MenuGusClick() {
    openList(AdviceState::Interests);
}

void AdviceScreen::MenuMediaClick() {
    if (!state_.filled[0] || !state_.filled[1]) {
        showHelp(kHelpFillBoth);
        return;
    }
    setVisited(AdviceMenu::Average, true);
    showOnlyMenu(C::MenuMedia);
    for (C control : {C::acabarCua, C::ImpResul, C::grabar, C::PanelListCon})
        setVisible(control, true);
    for (C control : {C::ListCua, C::Listint, C::VerResul, C::revisa, C::PanelResul})
        setVisible(control, false);
    state_.averageScores = AverageScores(state_.qualityScores, state_.interestScores);
    showRanking(AverageResultLines(itineraries(), state_.averageScores), state_.averageScores,
                AdviceState::AverageTable);
    showHelp(kHelpAverage);
    setCaption(C::PanelResCon, CaptionText(enlace_.texts[kAverageCaption]));
    setVisible(C::PanelResCon, true);
    setVisible(C::ListResul, true);
}

LeaveTo AdviceScreen::MenuRetroConClick() {
    help_.hide();
    touch(AdviceChanges::Help);
    setVisible(C::LabelAviso, false);
    return SectionBack(enlace_);
}

// --- Lists and rankings ----------------------------------------------------------------------

void AdviceScreen::toggle(AdviceState::Mode mode, int row) {
    Selection& ticks = state_.ticks[static_cast<size_t>(mode)];
    if (row < 0 || row >= static_cast<int>(ticks.size())) return;
    ticks[static_cast<size_t>(row)] = !ticks[static_cast<size_t>(row)];
    fillItemRows(mode);
}

void AdviceScreen::ListCuaClick(int row) {
    toggle(AdviceState::Qualities, row);
}

void AdviceScreen::ListintClick(int row) {
    toggle(AdviceState::Interests, row);
}

void AdviceScreen::showRanking(std::vector<std::string> lines, const AdviceScores& scores,
                               AdviceState::Table table) {
    AdviceRanking ranking = RankAdviceLines(std::move(lines), scores);
    state_.rankedLines[static_cast<size_t>(table)] = ranking.ranked.lines;
    state_.rankPermutation = ranking.permutation;
    std::vector<GridRow> rows;
    for (size_t r = 0; r < ranking.ranked.lines.size(); ++r) {
        // The name in column 0, the score in column 1: the average's score starts a column
        // earlier than the others'.
        const size_t nameWidth =
            table == AdviceState::AverageTable ? kAverageNameWidth : kAdviceNameWidth;
        const std::string_view line = ranking.ranked.lines[r];
        GridRow row;
        row[0].text = cp1252::Decode(TrimRight(Bounded(line, nameWidth)));
        row[0].icon = GroupIconIndex(ranking.permutation[r]);
        row[0].iconLeft = 0;
        row[0].kind = RowKind::Icon;
        row[0].textLeft = 35;
        row[0].textTop = 6;
        row[1].text = cp1252::Decode(line.size() > nameWidth ? line.substr(nameWidth, kScoreWidth)
                                                             : std::string_view());
        row[1].textLeft = 5;
        row[1].textTop = 6;
        rows.push_back(std::move(row));
    }
    view_.resultRows = std::move(rows);
    touch(AdviceChanges::ResultRows);
}

void AdviceScreen::VerResulClick() {
    setVisible(C::VerResul, false);
    setVisible(C::revisa, true);
    setVisible(C::acabarCua, true);
    showHelp(kHelpRanking);
    const bool qualities = state_.mode == AdviceState::Qualities;
    const Selection& selected = state_.ticks[static_cast<size_t>(state_.mode)];
    const QuestionnaireLoads& keys = enlace_.degreeTables.questionnaire;
    int title = kQualitiesTitle;
    if (qualities) {
        state_.qualityScores = QualityScores(selected, keys.qualityKeys);
        showRanking(AdviceResultLines(itineraries(), state_.qualityScores), state_.qualityScores,
                    AdviceState::QualityTable);
    } else {
        title = kInterestsTitle;
        state_.interestScores = InterestScores(selected, keys.interestKeys);
        showRanking(AdviceResultLines(itineraries(), state_.interestScores), state_.interestScores,
                    AdviceState::InterestTable);
    }
    const InterfaceTexts& t = enlace_.texts;
    setCaption(C::PanelResCon, CaptionText(GrowingText({t[kResultOf], Blanks(4), t[title]}, {34})));
    setVisible(C::PanelResCon, true);
    setVisible(C::ListCua, false);
    setVisible(C::Listint, false);
    setVisible(C::ListResul, true);
    changes_.effects.push_back({C::PanelListCon, AdviceEffect::Kind::Open});
}

void AdviceScreen::revisaClick() {
    changes_.effects.push_back({C::PanelListCon, AdviceEffect::Kind::CloseThenOpen});
    setVisible(C::revisa, false);
    setVisible(C::VerResul, true);
    for (C control : {C::PanelResCon, C::acabarCua, C::ListResul, C::PanelResul, C::LabelAviso})
        setVisible(control, false);
    const C list = state_.mode == AdviceState::Qualities ? C::ListCua : C::Listint;
    setVisible(list, true);
    changes_.focus = list;
}

void AdviceScreen::acabarCuaClick() {
    for (C control : kMenuButtons) setVisible(control, true);
    for (C control : {C::revisa, C::VerResul, C::ListResul, C::PanelResCon, C::acabarCua,
                      C::PanelResul, C::ImpResul, C::grabar, C::LabelAviso, C::PanelListCon})
        setVisible(control, false);
}

// --- Studies of a group ------------------------------------------------------------------------

std::vector<GroupStudyLine> AdviceScreen::StudyLines(int group, bool forReport) const {
    using K = GroupStudyLine::Kind;
    const InterfaceTexts& t = enlace_.texts;
    const std::string prefix = forReport ? " " : "";
    const GroupStudies studies = StudiesOfGroup(enlace_.degreeTables, enlace_.vocational, group);
    std::vector<GroupStudyLine> lines;
    const auto add = [&](std::string_view text, K kind) {
        lines.push_back({Cut(text, kStudyWidth), kind});
    };
    add(TrimRight(itineraries()[group]), K::Group);
    add("", K::Plain);
    add(t[kDegrees], K::Heading);
    for (const int d : studies.degrees)
        add(prefix + std::string(TrimRight(enlace_.degreeTables.degreeNames[d])), K::Plain);
    if (group == 11) {
        // This group has no higher vocational titles: a note takes the heading's place.
        add(t[kNoHigherTitles], K::Heading);
        add("", K::Plain);
        for (int n : {387, 388, 389}) add(t[n], K::Plain);
    } else {
        add("", K::Plain);
        add(t[kHigherTitles], K::Heading);
    }
    for (const int title : studies.higherTitles)
        add(prefix +
                std::string(TrimRight(Bounded(enlace_.vocational.titlesGS[title], kStudyWidth))),
            K::Plain);
    return lines;
}

void AdviceScreen::ListResulDblClick(int row) {
    if (row < 0 || row >= static_cast<int>(state_.rankPermutation.size())) return;
    const int group = state_.rankPermutation[static_cast<size_t>(row)];
    std::vector<Cell> rows;
    for (const GroupStudyLine& line : StudyLines(group, false)) {
        Cell cell;
        cell.text = cp1252::Decode(line.text);
        cell.textLeft = 4;
        cell.textTop = 1;
        if (line.kind != GroupStudyLine::Plain) {
            cell.kind = RowKind::Heading;
            cell.bold = true;
            cell.colour = ColourOf(line.kind == GroupStudyLine::Group ? PaletteColour::Navy
                                                                      : PaletteColour::Maroon);
        }
        rows.push_back(std::move(cell));
    }
    view_.studyRows = std::move(rows);
    touch(AdviceChanges::StudyRows);
    setVisible(C::VerResul, false);
    setVisible(C::LabelAviso, false);
    setVisible(C::PanelResul, true);
    changes_.effects.push_back({C::PanelResul, AdviceEffect::Kind::Open});
}

void AdviceScreen::ListResulMouseMove(int y, int gridTop) {
    const int top = y + gridTop + kAvisoBelowPointer;
    if (view_.avisoTop != top) {
        view_.avisoTop = top;
        touch(AdviceChanges::Aviso);
    }
    setVisible(C::LabelAviso, true);
}

void AdviceScreen::FormMouseMove() {
    setVisible(C::LabelAviso, false);
}

void AdviceScreen::BotCerrarClick() {
    setVisible(C::PanelResul, false);
    changes_.effects.push_back({C::PanelResul, AdviceEffect::Kind::Close});
}

// --- The report ------------------------------------------------------------------------------

std::vector<std::string> AdviceScreen::ReportPartOne() const {
    const InterfaceTexts& t = enlace_.texts;
    std::vector<std::string> lines;
    // A blank between the label and the name: the slot keeps no trailing blank.
    lines.push_back(t[kPupil] + " " + output_.studentName().bytes());
    lines.push_back(t[kReportTitle] + " " + t[kReportTitle2]);
    lines.emplace_back();
    const auto table = [&](int heading, size_t indent, AdviceState::Table which) {
        lines.push_back(Blanks(indent) + t[heading]);
        lines.emplace_back();
        const std::vector<std::string>& ranked = state_.rankedLines[static_cast<size_t>(which)];
        for (size_t r = 0; r < kAdviceGroups; ++r)
            lines.push_back(Blanks(6) + (r < ranked.size() ? ranked[r] : std::string()));
    };
    table(kQualitiesTitle, 27, AdviceState::QualityTable);
    lines.insert(lines.end(), 2, std::string());
    table(kInterestsTitle, 27, AdviceState::InterestTable);
    lines.insert(lines.end(), 2, std::string());
    table(kAverageHeading, 12, AdviceState::AverageTable);
    lines.emplace_back();
    lines.push_back(Blanks(45) + t[kGoodLuck]);
    for (std::string& line : lines) line = Cut(line, ReportBuffer::kEntryCapacity);
    return lines;
}

ResultReport AdviceScreen::ReportPartTwo() const {
    const InterfaceTexts& t = enlace_.texts;
    ResultReport report;
    report.title = t[kBestThree];
    report.add("");
    for (size_t r = 0; r < 3 && r < state_.rankPermutation.size(); ++r) {
        for (const GroupStudyLine& line : StudyLines(state_.rankPermutation[r], true))
            report.add(line.text, line.kind == GroupStudyLine::Group);
        report.add("");
        report.add(std::string(30, '_'));
        report.add("");
    }
    return report;
}

bool AdviceScreen::askName() {
    StudentName& name = output_.studentName();
    return name.Ask(output_.notice(), enlace_.texts, name.text());
}

void AdviceScreen::ImpResulClick() {
    if (!askName()) return;
    const std::vector<std::string> partOne = ReportPartOne();
    ResultReport first;
    first.title = partOne.front();
    first.lines.assign(partOne.begin() + 1, partOne.end());
    first.boldLines = {3, 19, 35};
    if (!output_.PrintText(first, true, 12)) return;
    const QString ask = cp1252::Decode(enlace_.texts[kStudiesPrompt] + " ??");
    if (enlace_.messages.askYesNo(QString(), ask)) output_.PrintList(ReportPartTwo(), false);
    showHelp(kHelpPrinted);
}

void AdviceScreen::grabarClick() {
    if (!askName()) return;
    std::vector<std::string> lines = ReportPartOne();
    lines.erase(lines.begin());  // the name stays out of the file
    const ResultReport partTwo = ReportPartTwo();
    lines.push_back(partTwo.title);
    for (const std::string& line : partTwo.lines)
        lines.push_back(Cut(line, ReportBuffer::kEntryCapacity));
    if (output_.Save(output_.studentName().text(), lines) != SaveOutcome::Saved) return;
    setVisible(C::ListResul, false);
    showHelp(kHelpSaved);
}

bool AdviceScreen::FormCloseQuery(Shutdown& shutdown) {
    return shutdown.closeSection();
}

}  // namespace velmora
