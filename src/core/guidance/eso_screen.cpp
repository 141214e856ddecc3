#include "core/guidance/eso_screen.h"

#include <algorithm>

#include "core/guidance/group_studies.h"
#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/notice.h"
#include "core/shared/section_back.h"
#include "core/shared/shutdown.h"

namespace velmora {
namespace {

using C = EsoControl;

constexpr std::array<std::string_view, kEsoControlCount> kControlNames = {
    "PanelMenu",   "botCuestio",  "BotLOMCE",    "BitAcabarLogse", "PanelMenu2",   "BotCuestio1",
    "BotCuestio2", "BotCuestio3", "PanelItiner", "PanelCuestio",   "Gcuestio",     "ListresCues",
    "BotResCues",  "AcabarCues",  "ImpResul",    "grabar",         "BotContinuar", "PanelCar",
    "ListCar",     "BotCerrar",   "BotImpTit",   "LabelAviso",     "LabelAno",     "LabelNom",
};

constexpr C kHiddenAtStart[] = {C::PanelMenu2,   C::PanelItiner, C::PanelCuestio,
                                C::ListresCues,  C::ImpResul,    C::grabar,
                                C::BotContinuar, C::PanelCar,    C::LabelAviso};

// The buttons that work the questionnaire panel, and what the result list brings with it.
constexpr C kQuestionnaireButtons[] = {C::BotResCues, C::AcabarCues, C::ImpResul, C::grabar};

// Interface texts.
enum : int {
    kHintFull = 3,
    kHintIntermediate = 4,
    kClose = 13,
    kSave = 20,
    kAnswer = 37,
    kSeeResult = 45,
    kUniversity = 46,
    kQuestionnaire = 52,
    kHintShort = 75,
    kFull = 76,
    kIntermediate = 77,
    kHigherTitles = 80,
    kBack = 82,
    kDegrees = 84,
    kShort = 91,
    kAccordingTo = 124,
    kPressArrow = 125,
    kGrade = 152,
    kRecommended = 153,
    kYear = 175,
    kTitles = 190,
    kToComplete = 201,
    kToIntermediate = 202,
    kFinish = 222,
    kBestGroups = 240,
    kPrintResult = 273,
    kPrintStudies = 274,
    kAviso = 283,
    kReview = 328,
    kRestart = 329,
    kWindowTitle = 338,
    kNoHigherTitles = 386,
    kSecondBlock = 394,
    kDiagram = 437,
};

// Help sets.
const HelpPanel::Set kHelpSaved = HelpPanel::Lines({22, 23, 24, 25, 26, 27, 28, 0});
const HelpPanel::Set kHelpStart = HelpPanel::Lines({207, 208, 209, 210, 211, 212, 0, 0});
const HelpPanel::Set kHelpResult = HelpPanel::Lines({213, 214, 215, 216, 217, 218, 219, 220});

constexpr size_t kLineWidth = 60;  // a result or study line
constexpr size_t kAnswerWidth = 12;
constexpr int kRankedShown = 6;  // ranks 1-6 by the whole questionnaire
constexpr int kSecondShown = 2;  // ranks 1-2 by the questions after the short test
constexpr int kShortPixels = 16;
constexpr int kFullPixels = 14;

// The result's bold lines as the report numbers them: the heading, the second recommendation,
// the ranking's heading and the advice's heading.
constexpr int kResultBold[] = {2, 11, 15, 30};

// Icons beside the result lines: the first recommendation (line 10) stretched into x 50-75,
// the ranked groups (17-22) and the top of the second block (25) into x 0-20.
constexpr int kRecommendationLine = 10;
constexpr int kSecondBlockLine = 25;

// The advice lines of each weak habit scale, 14..19.
const std::vector<int> kScaleAdvice[] = {{35, 36}, {37, 38, 39}, {40, 41},
                                         {42, 43}, {44, 45},     {46, 47}};

std::string Blanks(size_t n) {
    return std::string(n, ' ');
}

std::string Cut(std::string_view text, size_t width = kLineWidth) {
    return std::string(Bounded(text, width));
}

std::string Trimmed(std::string_view text) {
    return std::string(TrimRight(text));
}

}  // namespace

std::string_view EsoControlName(EsoControl control) {
    return NameIn(kControlNames, control);
}

std::optional<EsoControl> EsoControlNamed(std::string_view name) {
    return ControlIn<EsoControl>(kControlNames, name);
}

int SchoolNamePoints(int length) {
    if (length > 45) return 16;
    if (length > 35) return 18;
    if (length > 25) return 20;
    return 22;
}

QString EsoScreen::CourseSuffix() {
    return QStringLiteral("  -  %1º de ESO").arg(EsoState::kCourse);
}

EsoScreen::EsoScreen(Enlace& enlace, QuestionnaireOutput& output)
    : enlace_(enlace), output_(output) {
    for (C control : kHiddenAtStart) view_.controls.setVisible(control, false);
    for (C control : {C::botCuestio, C::BotLOMCE, C::BitAcabarLogse, C::BotCuestio1, C::BotCuestio2,
                      C::BotCuestio3, C::BotResCues, C::AcabarCues, C::ImpResul, C::grabar,
                      C::BotContinuar, C::BotCerrar, C::BotImpTit, C::Gcuestio, C::ListCar})
        view_.controls.setCursor(control, CursorKind::Hand);
}

void EsoScreen::FormCreate() {
    const int n = enlace_.guidance.eso.questionCount();
    state_.answers.assign(static_cast<size_t>(n), QuestionAnswer{});
    state_.rowFilled.assign(static_cast<size_t>(n), false);
    view_.questionRows.assign(static_cast<size_t>(n), QuestionRow{});
    state_.secondChance = true;
    SetCaptions();
}

void EsoScreen::SetCaptions() {
    const InterfaceTexts& t = enlace_.texts;
    const auto caption = [&](C control, int text) { setCaption(control, CaptionText(t[text])); };
    caption(C::botCuestio, kQuestionnaire);
    caption(C::BotLOMCE, kDiagram);
    caption(C::BitAcabarLogse, kBack);
    caption(C::BotCuestio1, kFull);
    caption(C::BotCuestio2, kIntermediate);
    caption(C::BotCuestio3, kShort);
    caption(C::AcabarCues, kFinish);
    caption(C::BotResCues, kSeeResult);
    caption(C::ImpResul, kPrintResult);
    caption(C::grabar, kSave);
    caption(C::BotCerrar, kClose);
    caption(C::BotImpTit, kPrintStudies);
    caption(C::LabelAviso, kAviso);
    view_.controls.setHint(C::BotCuestio1, CaptionText(t[kHintFull]));
    view_.controls.setHint(C::BotCuestio2, CaptionText(t[kHintIntermediate]));
    view_.controls.setHint(C::BotCuestio3, CaptionText(t[kHintShort]));
    setCaption(C::LabelAno, CaptionText(t[kYear]) + QLatin1Char('\n') +
                                QString::fromLatin1(kSchoolYear.data(),
                                                    static_cast<qsizetype>(kSchoolYear.size())));
    const QString school = enlace_.settings.schoolName;
    QString trimmed = school;
    while (trimmed.endsWith(u' ')) trimmed.chop(1);
    setCaption(C::LabelNom, trimmed);
    view_.schoolNamePoints = SchoolNamePoints(static_cast<int>(trimmed.size()));
    view_.windowTitle =
        CaptionText(GrowingText({t[kWindowTitle], "  ", cp1252::Encode(school)}, {42}));
    view_.gridHeader = {CaptionText(t[kQuestionnaire]), CaptionText(t[kAnswer]),
                        QStringLiteral("Not")};
    touch(EsoChanges::Controls);
    touch(EsoChanges::Grid);
}

// --- Helpers -----------------------------------------------------------------------------------

void EsoScreen::showHelp(const HelpPanel::Set& set) {
    state_.lastHelp = set;
    help_.show(set, enlace_.texts);
    touch(EsoChanges::Help);
}

bool EsoScreen::ensureName() {
    return output_.studentName().Ensure(output_.notice(), enlace_.texts, CourseSuffix());
}

void EsoScreen::fillRow(int question) {
    if (question < 1 || question > static_cast<int>(state_.answers.size())) return;
    const auto q = static_cast<size_t>(question - 1);
    const QuestionRecord& record = enlace_.guidance.eso.question(question);
    state_.answers[q] = {1, record.weightClass, record.answerKind};
    state_.rowFilled[q] = true;
    // A new row shows no answer until the student gives one.
    view_.questionRows[q] = {cp1252::Decode(TrimRight(record.text)), QString(), QString()};
}

void EsoScreen::hideStudies(bool rolled) {
    if (!view_.controls.isVisible(C::PanelCar)) return;
    if (rolled) {
        changes_.effects.push_back({C::PanelCar, EsoEffect::Kind::Close});
        view_.controls.setVisible(C::PanelCar, false);
        touch(EsoChanges::Controls);
    } else {
        setVisible(C::PanelCar, false);
    }
}

// --- Entering and the menu -------------------------------------------------------------------

void EsoScreen::FormShow(bool diagramButton, bool questionnaireButton) {
    setVisible(C::BotLOMCE, diagramButton);
    setVisible(C::botCuestio, questionnaireButton);
    // The questionnaires' popup belongs to the questionnaire button.
    if (!questionnaireButton) setVisible(C::PanelMenu2, false);
}

void EsoScreen::botCuestioMouseMove() {
    if (view_.controls.isEnabled(C::botCuestio) && view_.controls.isVisible(C::botCuestio))
        setVisible(C::PanelMenu2, true);
}

void EsoScreen::BitAcabarLogseMouseMove() {
    setVisible(C::PanelMenu2, false);
}

void EsoScreen::start(bool full) {
    if (view_.controls.setEnabled(C::botCuestio, false)) touch(EsoChanges::Controls);
    for (C control : {C::BotLOMCE, C::PanelMenu2, C::BitAcabarLogse}) setVisible(control, false);
    setVisible(C::PanelItiner, true);
    setVisible(C::PanelCuestio, true);
    state_.shownRows = full ? enlace_.guidance.eso.questionCount() : kShortTestQuestions;
    state_.shortMode = !full;
    state_.passed = false;
    fillGrid();
}

void EsoScreen::BotCuestio1Click() {
    start(true);
}

void EsoScreen::BotCuestio3Click() {
    start(false);
}

std::string_view EsoScreen::BotCuestio2Click() {
    output_.studentName().clear();
    enlace_.questionnaireMode = true;
    setVisible(C::PanelMenu2, false);
    return "TForm3";
}

std::string_view EsoScreen::BotLOMCEClick() {
    return "TFlomce";
}

void EsoScreen::fillGrid() {
    const InterfaceTexts& t = enlace_.texts;
    const int n = enlace_.guidance.eso.questionCount();
    setVisible(C::ListresCues, false);
    setVisible(C::Gcuestio, true);
    setVisible(C::BotResCues, true);
    setCaption(C::BotResCues, CaptionText(t[kSeeResult]));
    setVisible(C::AcabarCues, true);
    setVisible(C::BotContinuar, false);
    state_.resultShown = false;
    view_.fullResult = false;

    if (state_.gridFilled && state_.left) {
        if (output_.notice().question(cp1252::Decode(t[kRestart]))) {
            state_.left = false;
            state_.gridFilled = false;
            output_.studentName().clear();
            state_.secondChance = true;
        } else {
            // The earlier answers stay and the run becomes the full questionnaire. Rows the
            // earlier runs never reached (only the short test was answered) get their questions
            // now, so that every row shown can be answered and counts as it is shown.
            state_.shownRows = n;
            state_.shortMode = false;
            for (int q = 1; q <= n; ++q)
                if (!state_.rowFilled[static_cast<size_t>(q - 1)]) fillRow(q);
        }
    }
    setCaption(C::PanelItiner, CaptionText(t[state_.shortMode ? kShort : kFull]));
    if (state_.passed) {
        showHelp(state_.lastHelp);
    } else {
        showHelp(kHelpStart);
    }
    view_.gridRows = state_.shownRows;
    touch(EsoChanges::Grid);
    int top = 0;
    if (!state_.gridFilled) {
        state_.gridFilled = true;
        if (!enlace_.assistantMode) changes_.focus = C::Gcuestio;
        if (state_.passed) {
            for (int q = kShortTestQuestions + 1; q <= n; ++q) fillRow(q);
            top = kShortTestQuestions;
        } else {
            for (int q = 1; q <= state_.shownRows; ++q) fillRow(q);
        }
    }
    changes_.scrolls.push_back({C::Gcuestio, top, false});
}

void EsoScreen::GcuestioClick(int question) {
    if (question < 1 || question > state_.shownRows ||
        question > static_cast<int>(state_.answers.size()))
        return;
    const auto q = static_cast<size_t>(question - 1);
    if (!state_.rowFilled[q]) return;
    QuestionAnswer& a = state_.answers[q];
    a.answer = NextAnswer(a.answer, a.answerKind);
    const int label = AnswerLabelText(a.answerKind, a.answer);
    view_.questionRows[q].answer =
        label > 0 ? cp1252::Decode(Bounded(enlace_.texts[label], kAnswerWidth)) : QString();
    view_.questionRows[q].stars = QString::fromLatin1(AnswerStars(a.answerKind, a.answer));
    changes_.answeredRows.push_back(question);
}

// --- The result ------------------------------------------------------------------------------

std::vector<std::string> EsoScreen::ShortTestLines(const ShortTestResult& result) const {
    const InterfaceTexts& t = enlace_.texts;
    const EsoQuestionnaireTables& eso = enlace_.guidance.eso;
    std::vector<std::string> lines(13);
    lines[0] = Blanks(7) + eso.routeLabel(21);
    lines[2] = t[kAccordingTo];
    std::string closing = Blanks(3) + t[kPressArrow];
    switch (result.verdict) {
        case ShortTestVerdict::Good:
            lines[3] = t[142];
            lines[4] = t[143];
            lines[12] = t[kToComplete];
            break;
        case ShortTestVerdict::Fair:
            lines[3] = t[144];
            if (result.weak) lines[4] = t[145];
            lines[12] = t[kToComplete];
            break;
        case ShortTestVerdict::SecondChance:
            lines[3] = t[146];
            lines[4] = t[147];
            lines[5] = t[148];
            lines[6] = t[149];
            closing.clear();
            break;
        case ShortTestVerdict::Insufficient:
            lines[3] = t[150];
            lines[4] = t[151];
            lines[12] = t[kToIntermediate];
            break;
    }
    lines[11] = closing;
    for (std::string& line : lines) line = Cut(line);
    return lines;
}

std::vector<std::string> EsoScreen::FullResultLines(const FullQuestionnaireResult& r) const {
    const InterfaceTexts& t = enlace_.texts;
    const EsoQuestionnaireTables& eso = enlace_.guidance.eso;
    const auto advice = [&](int n) { return eso.adviceLine(n); };
    const std::string rule(56, '_');
    std::vector<std::string> lines;
    lines.push_back(Blanks(7) + eso.routeLabel(21));
    lines.emplace_back();
    lines.push_back(t[kAccordingTo]);
    lines.push_back(t[r.grade >= 5 ? 142 : 146]);
    lines.push_back(t[r.grade >= 5 ? 143 : 147]);
    lines.push_back(t[kGrade] + " " + FormatScore(r.grade));
    lines.push_back(rule);
    lines.emplace_back();
    lines.push_back(t[kRecommended]);
    lines.push_back(Blanks(6) + r.firstRoute);
    lines.push_back(Blanks(6) + r.secondRecommendation);
    lines.push_back(rule);
    lines.emplace_back();
    lines.push_back(Blanks(8) + advice(30));
    lines.push_back(Trimmed(advice(33)) + Blanks(9) + Trimmed(advice(32)));
    lines.push_back(Blanks(2) + t[kBestGroups]);
    for (int r6 = 0; r6 < kRankedShown; ++r6)
        lines.push_back(r6 < static_cast<int>(r.byWhole.lines.size())
                            ? r.byWhole.lines[static_cast<size_t>(r6)]
                            : std::string());
    lines.emplace_back();
    lines.push_back(Blanks(2) + t[kSecondBlock]);
    for (int r2 = 0; r2 < kSecondShown; ++r2)
        lines.push_back(r2 < static_cast<int>(r.bySecondBlock.lines.size())
                            ? r.bySecondBlock.lines[static_cast<size_t>(r2)]
                            : std::string());
    lines.push_back(rule);
    lines.emplace_back();
    lines.push_back(advice(34));
    lines.emplace_back();
    for (const int scale : r.weakScales)
        for (const int n : kScaleAdvice[scale - kFirstHabitScale]) lines.push_back(advice(n));
    if (r.weakScales.empty()) {
        lines.push_back(advice(48));
        lines.push_back(advice(49));
    }
    lines.emplace_back();
    lines.push_back(advice(50));
    lines.emplace_back();
    lines.push_back(advice(51));
    lines.push_back(advice(52));
    for (std::string& line : lines) line = Cut(line);
    return lines;
}

void EsoScreen::showResultRows(const std::vector<int>& icons) {
    std::vector<Cell> rows;
    rows.reserve(state_.resultLines.size());
    for (size_t k = 0; k < state_.resultLines.size(); ++k) {
        const std::string& line = state_.resultLines[k];
        Cell cell;
        cell.text = cp1252::Decode(line);
        cell.bold = true;
        cell.textLeft = 24;
        cell.textTop = 2;
        // Headings and recommendations stand out in maroon.
        if (line.starts_with("  ")) cell.colour = ColourOf(PaletteColour::Maroon);
        const int icon = k < icons.size() ? icons[k] : 0;
        if (icon > 0) {
            const bool recommendation = static_cast<int>(k) + 1 == kRecommendationLine;
            cell.icon = icon;
            cell.iconLeft = recommendation ? 50 : 0;
            cell.iconTop = 0;
            cell.iconWidth = recommendation ? 25 : 20;
            cell.iconHeight = kResultRowHeight;
        }
        rows.push_back(std::move(cell));
    }
    view_.resultRows = std::move(rows);
    touch(EsoChanges::Results);
}

void EsoScreen::evaluate() {
    const ByteGrid& keys = enlace_.degreeTables.questionnaire.esoKeys;
    std::vector<int> icons;
    state_.rankedGroups.clear();
    if (state_.shortMode) {
        const ShortTestResult result = EvaluateShortTest(state_.answers, keys, state_.secondChance);
        state_.passed = result.passed;
        state_.resultLines = ShortTestLines(result);
        view_.resultPixels = kShortPixels;
    } else {
        const FullQuestionnaireResult result =
            EvaluateFullQuestionnaire(state_.answers, keys, enlace_.guidance.eso, enlace_.texts);
        state_.passed = result.passed;
        state_.resultLines = FullResultLines(result);
        state_.rankedGroups = result.permutation;
        view_.resultPixels = kFullPixels;
        icons.assign(state_.resultLines.size(), 0);
        icons[kRecommendationLine - 1] = GroupIconIndex(result.firstGroup);
        for (int r = 0; r < kRankedShown && r < static_cast<int>(result.permutation.size()); ++r)
            icons[static_cast<size_t>(kFirstRankedLine - 1 + r)] =
                GroupIconIndex(result.permutation[static_cast<size_t>(r)]);
        // The icon of the group the line names.
        icons[kSecondBlockLine - 1] =
            GroupIconIndex(result.secondGroup > 0 ? result.secondGroup : result.firstGroup);
    }
    view_.fullResult = !state_.shortMode;
    showResultRows(icons);
}

void EsoScreen::BotResCuesClick() {
    const InterfaceTexts& t = enlace_.texts;
    if (state_.resultShown) {
        hideStudies(false);
        setVisible(C::Gcuestio, true);
        changes_.effects.push_back({C::PanelCuestio, EsoEffect::Kind::CloseThenOpen});
        for (C control : {C::ListresCues, C::grabar, C::ImpResul, C::LabelAviso, C::BotContinuar})
            setVisible(control, false);
        setCaption(C::BotResCues, CaptionText(t[kSeeResult]));
        state_.resultShown = false;
        view_.fullResult = false;
        changes_.focus = C::Gcuestio;
        return;
    }
    if (!state_.shortMode) showHelp(kHelpResult);
    state_.resultShown = true;
    hideStudies(false);
    setVisible(C::PanelMenu, false);
    setVisible(C::Gcuestio, false);
    setCaption(C::BotResCues, CaptionText(t[kReview]));
    setCaption(C::ImpResul, CaptionText(t[kPrintResult]));
    evaluate();
    setVisible(C::ListresCues, true);
    changes_.scrolls.push_back({C::ListresCues, 0, true});
    if (state_.shortMode) {
        setVisible(C::BotContinuar, true);
    } else {
        setVisible(C::grabar, true);
        setVisible(C::ImpResul, true);
        changes_.effects.push_back({C::PanelCuestio, EsoEffect::Kind::CloseThenOpen});
    }
}

std::string_view EsoScreen::BotContinuarClick() {
    setVisible(C::BotContinuar, false);
    if (state_.passed) {
        state_.gridFilled = false;
        state_.shortMode = false;
        state_.left = false;
        state_.shownRows = enlace_.guidance.eso.questionCount();
        fillGrid();
        return {};
    }
    toMenu();
    output_.studentName().clear();
    enlace_.questionnaireMode = true;
    return "TForm3";
}

// --- Leaving the questionnaire and the screen --------------------------------------------------

void EsoScreen::toMenu() {
    if (view_.controls.setEnabled(C::botCuestio, true)) touch(EsoChanges::Controls);
    setVisible(C::botCuestio, true);
    setVisible(C::BitAcabarLogse, true);
    hideStudies(false);
    for (C control :
         {C::BotContinuar, C::PanelItiner, C::PanelCuestio, C::ListresCues, C::LabelAviso})
        setVisible(control, false);
    for (C control : kQuestionnaireButtons) setVisible(control, false);
    setVisible(C::PanelMenu, true);
    setVisible(C::PanelMenu2, true);
    help_.hide();
    touch(EsoChanges::Help);
    state_.resultShown = false;
    view_.fullResult = false;
    state_.left = true;
}

std::string_view EsoScreen::AcabarCuesClick() {
    toMenu();
    return enlace_.assistantMode ? ScreenOf(LeaveTo::Assistant) : std::string_view();
}

std::string_view EsoScreen::BitAcabarLogseClick() {
    setVisible(C::PanelMenu2, false);
    help_.hide();
    touch(EsoChanges::Help);
    return ScreenOf(SectionBack(enlace_));
}

std::string_view EsoScreen::EscapePressed() {
    hideStudies(false);
    if (view_.controls.isVisible(C::PanelCuestio)) return AcabarCuesClick();
    return {};
}

bool EsoScreen::FormCloseQuery(Shutdown& shutdown) {
    return shutdown.closeSection();
}

// --- The hint and the studies of a ranked group ----------------------------------------------

void EsoScreen::ListresCuesMouseMove(int line, QPoint pointer) {
    const bool ranked = view_.fullResult && line >= kFirstRankedLine && line <= kLastRankedLine;
    if (ranked) {
        const QPoint at(pointer.x(), pointer.y() + kAvisoBelowPointer);
        if (view_.avisoAt != at) {
            view_.avisoAt = at;
            touch(EsoChanges::Aviso);
        }
    }
    setVisible(C::LabelAviso, ranked);
}

void EsoScreen::FormMouseMove() {
    setVisible(C::LabelAviso, false);
}

std::vector<std::string> EsoScreen::StudyLinesOf(int group) const {
    const InterfaceTexts& t = enlace_.texts;
    const GroupStudies studies = StudiesOfGroup(enlace_.degreeTables, enlace_.vocational, group);
    std::vector<std::string> lines;
    lines.push_back(Blanks(3) + enlace_.guidance.eso.itineraries[group]);
    if (group != 11 && group != 12) {
        lines.emplace_back();
        lines.push_back("- " + t[kHigherTitles]);
        for (const int title : studies.higherTitles)
            lines.push_back(enlace_.vocational.titlesGS[title]);
    }
    if (group != 13) {
        lines.emplace_back();
        lines.push_back("- " + t[kDegrees] + " " + t[kUniversity]);
        for (const int degree : studies.degrees)
            lines.push_back(enlace_.degreeTables.degreeNames[degree]);
    }
    if (group == 11) {
        lines.push_back(t[kNoHigherTitles]);
        lines.emplace_back();
        for (const int n : {387, 388, 389}) lines.push_back(t[n]);
    }
    for (std::string& line : lines) line = Cut(line);
    return lines;
}

void EsoScreen::showStudies(int group) {
    state_.studyGroup = group;
    state_.studyLines = StudyLinesOf(group);
    std::vector<Cell> rows;
    for (size_t k = 0; k < state_.studyLines.size(); ++k) {
        const std::string& line = state_.studyLines[k];
        Cell cell;
        cell.text = cp1252::Decode(TrimRight(line));
        cell.textLeft = 4;
        cell.textTop = 1;
        if (k == 0 || line.starts_with("-")) {
            cell.kind = RowKind::Heading;
            cell.bold = true;
            cell.colour = ColourOf(k == 0 ? PaletteColour::Navy : PaletteColour::Maroon);
        }
        rows.push_back(std::move(cell));
    }
    view_.studyRows = std::move(rows);
    touch(EsoChanges::Studies);
    setVisible(C::LabelAviso, false);
    view_.controls.setVisible(C::PanelCar, true);
    touch(EsoChanges::Controls);
    changes_.effects.push_back({C::PanelCar, EsoEffect::Kind::Open});
}

void EsoScreen::ListresCuesClick(int line) {
    if (!view_.fullResult || line < kFirstRankedLine || line > kLastRankedLine) return;
    const auto rank = static_cast<size_t>(line - kFirstRankedLine);
    if (rank >= state_.rankedGroups.size()) return;
    showStudies(state_.rankedGroups[rank]);
}

void EsoScreen::BotCerrarClick() {
    hideStudies(true);
}

void EsoScreen::ListCarClick() {
    hideStudies(false);
}

// --- Printing and saving -----------------------------------------------------------------------

ResultReport EsoScreen::ResultReportOf() const {
    ResultReport report;
    report.title = output_.studentName().bytes();
    report.add("");
    for (const std::string& line : state_.resultLines) report.add(line);
    report.boldLines.assign(std::begin(kResultBold), std::end(kResultBold));
    return report;
}

std::vector<std::string> EsoScreen::ResultFileLines() const {
    std::vector<std::string> lines;
    lines.push_back(output_.studentName().bytes());
    lines.emplace_back();
    lines.insert(lines.end(), state_.resultLines.begin(), state_.resultLines.end());
    return lines;
}

ResultReport EsoScreen::StudyReport() const {
    ResultReport report;
    if (state_.studyLines.empty()) return report;
    report.title = state_.studyLines.front();
    report.add(Blanks(13) + enlace_.texts[kTitles]);
    for (size_t k = 1; k < state_.studyLines.size(); ++k) report.add(state_.studyLines[k]);
    return report;
}

void EsoScreen::ImpResulClick() {
    if (state_.resultLines.empty() || !ensureName()) return;
    output_.PrintText(ResultReportOf(), true, 12);
}

void EsoScreen::grabarClick() {
    if (state_.resultLines.empty() || !ensureName()) return;
    if (output_.Save(output_.studentName().text(), ResultFileLines()) != SaveOutcome::Saved) return;
    hideStudies(false);
    showHelp(kHelpSaved);
}

void EsoScreen::BotImpTitClick() {
    if (state_.studyLines.empty()) return;
    output_.PrintText(StudyReport(), true, 10);
}

}  // namespace velmora
