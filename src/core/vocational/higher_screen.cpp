#include "core/vocational/higher_screen.h"

#include <climits>
#include <utility>

#include "core/menu/menu_texts.h"
#include "core/shared/address_opener.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/vocational/vocational_load.h"

namespace velmora {
namespace {

using C = LevelControl;
using H = HigherControl;

constexpr std::array<std::string_view, kHigherControlCount> kHigherNames = {
    "PanelFP",      "MenuFP1",      "MenuFP2",          "menuFP3",      "PanelFpTit",
    "MenuFpTit1",   "MenuFpTit2",   "MenuFpTit3",       "MenuFpTit4",   "MenuFpTit5",
    "MenuFpTit6",   "MenuFPTitEst", "PanelEstadistica", "ButtonEstad1", "ButtonEstad2",
    "ButtonEstad3", "BotInternetC", "labelCentro"};

constexpr int kInterestText = 595;
constexpr int kRequirementsText = 277;
constexpr int kSubjectsText = 312;
constexpr int kAccessText = 717;
constexpr int kJobsText = 271;
constexpr int kLomceText = 438;
constexpr int kFirstAccessLine = 711;
constexpr int kLastAccessLine = 715;
constexpr int kJobEntries = 5;
constexpr int kBlockEntries = 25;
constexpr int kShortestSubjects = 14;  // trailing blank entries go while the list is longer
constexpr size_t kLomceWidth = 60;
constexpr int kNoFamily = 0;
constexpr std::string_view kLomceKey = "18";

constexpr Rgb kHeadingFill = ColourOf(PaletteColour::PaleBlue);
constexpr int kTitleIcon = 3;        // DegreesRowIcons: a title or a subject
constexpr int kFirstHeadingRow = 7;  // a "-" item from this row on heads what follows

size_t At(H control) {
    return static_cast<size_t>(control);
}

bool Blank(std::string_view line) {
    return Trim(line).empty();
}

}  // namespace

std::string_view HigherName(HigherControl control) {
    return kHigherNames[At(control)];
}

const LevelDescription& HigherDescription() {
    static const LevelDescription description = [] {
        LevelDescription d;
        d.level = Level::Higher;
        for (int i = 0; i < kLevelControlCount; ++i)
            d.names[static_cast<size_t>(i)] = IntermediateName(static_cast<C>(i));
        auto name = [&](C control, std::string_view own) {
            d.names[static_cast<size_t>(control)] = own;
        };
        name(C::PanelSelec, "PanelSel");
        name(C::ListTit, "ListTitFP");
        name(C::BotTodoFP, "botTodaFP");
        for (C none : {C::BotRequisitos, C::BotPuesto, C::botAsig, C::botTit2, C::botLug2,
                       C::botSalir, C::LabelFPGM, C::LabelAno, C::LabAyuGM, C::HeliPeque})
            name(none, {});
        d.groups = &VocationalTables::familyGroups;  // the degrees screen's copy
        d.levelText = 47;
        d.ownTitlesText = 392;
        d.allTitlesText = 391;
        d.familyListHeight = 202;
        d.mapNameWidth = 60;  // the whole line
        d.closingRowFillsBothColumns = true;
        d.noneInTextList = false;
        d.singleProvinceOpens = false;
        d.placeReportNamesLevel = false;
        d.titleShowsMap = false;
        d.placeWaitsForChoice = true;
        d.placeReportCentresBold = true;
        d.ruleIndent = 6;
        d.ruleLength = 24;
        d.whereToStudyBold = true;
        d.communityHeadingEnd = "***";
        return d;
    }();
    return description;
}

HigherScreen::HigherScreen(Enlace& enlace, Printing& printing, AddressOpener& opener)
    : LevelScreen(enlace, HigherDescription(), printing), opener_(opener) {
    for (H hidden : {H::PanelFpTit, H::PanelEstadistica, H::BotInternetC})
        own_.visible[At(hidden)] = false;
    for (int i = 0; i < kHigherControlCount; ++i)
        if (static_cast<H>(i) != H::labelCentro && static_cast<H>(i) != H::PanelFpTit &&
            static_cast<H>(i) != H::PanelFP && static_cast<H>(i) != H::PanelEstadistica)
            own_.cursor[static_cast<size_t>(i)] = CursorKind::Hand;
}

void HigherScreen::setOwnCaptions() {
    const InterfaceTexts& t = enlace_.texts;
    view_.caption[static_cast<size_t>(C::LabelFP1)] = CaptionText(t[513]);
    auto caption = [&](H control, const std::string& bytes) {
        own_.caption[At(control)] = CaptionText(bytes);
    };
    caption(H::MenuFP1, t[316]);
    caption(H::MenuFP2, t[317]);
    caption(H::menuFP3, t[82]);
    caption(H::MenuFpTit1, t[317]);
    caption(H::MenuFpTit2, t[kRequirementsText]);
    caption(H::MenuFpTit3, t[319]);
    caption(H::MenuFpTit4, t[298] + " " + t[46]);
    caption(H::MenuFpTit5, t[321]);
    caption(H::MenuFpTit6, t[322]);
    caption(H::MenuFPTitEst, t[227]);
    caption(H::ButtonEstad1, t[228]);
    caption(H::ButtonEstad2, t[231]);
    caption(H::ButtonEstad3, t[232]);
    caption(H::BotInternetC, t[173]);
    own_.hint[At(H::BotInternetC)] = CaptionText(t[174]);
    own_.caption[At(H::labelCentro)] =
        enlace_.settings.schoolName.trimmed() + QStringLiteral(" - ") + QLatin1String(kSchoolYear);
    touch(LevelChanges::Own);
}

void HigherScreen::setOwnVisible(H control, bool on) {
    if (own_.setVisible(control, on)) touch(LevelChanges::Own);
}

bool HigherScreen::takeHandOver() {
    return std::exchange(handOver_, false);
}

void HigherScreen::SectionOpened(bool labelShown, bool menuShown) {
    Handler h(*this);
    setVisible(C::LabelFP1, labelShown);
    setOwnVisible(H::PanelFP, menuShown);
}

// --- The start menu ------------------------------------------------------------------------------

void HigherScreen::MenuFP1Click() {
    Handler h(*this);
    setOwnVisible(H::PanelFP, false);
    // The selection panel waits for a title: the start menu comes back under the groups.
    setVisible(C::PanelSelec, false);
    setVisible(C::PanelCarSel, false);
    setCaption(C::PanelSelTit, CaptionText(text(kInterestText)));
    setVisible(C::PanelSelTit, true);
    state_.printPicking = false;
    state_.byPlace = false;
    state_.byTitle = true;
    fillProvinceCodes();
    showGroups();
    setVisible(C::ListPreFam, true);
    setVisible(C::reja, false);
    setTextLines({}, TextStyle::Plain);
    setVisible(C::listSelFP, false);
    setCursor(C::listSelFP, CursorKind::Hand);
    // The way back to the start menu while the groups are shown.
    setVisible(C::BotRetrocederFP, true);
}

void HigherScreen::MenuFP2Click() {
    Handler h(*this);
    state_.byPlace = true;
    state_.byTitle = false;
    state_.allTitles = false;
    for (C c : {C::ListPreFam, C::listSelFP, C::ListTit, C::Labeltitulo}) setVisible(c, false);
    setCaption(C::PanelSelTit, {});
    setCaption(C::PanelCarSel, {});
    setVisible(C::PanelSelTit, true);
    setVisible(C::PanelCarSel, true);
    setVisible(C::PanelSelec, true);
    clearGrid();
    setVisible(C::reja, true);
    fillProvinceCodes();
    setOwnVisible(H::PanelFpTit, false);
    setOwnVisible(H::PanelFP, false);
    changes_.mapClean = true;
    setTimer(LevelTimer::Estrellas, false);
    setTimer(LevelTimer::Parpadeo, false);
    setVisible(C::PanelEstrellas, true);
    setVisible(C::BotRetrocederFP, true);
    setCursor(C::reja, CursorKind::Hand);
    state_.gridClickable = true;
}

LevelScreen::Leave HigherScreen::menuFP3Click() {
    Handler h(*this);
    setVisible(C::LabelFP1, false);
    setOwnVisible(H::PanelFP, false);
    setTimer(LevelTimer::Estrellas, false);
    setTimer(LevelTimer::Parpadeo, false);
    return leaveTarget();
}

void HigherScreen::showStartScreen() {
    setOwnVisible(H::PanelFP, true);
}

void HigherScreen::groupsShownAgain() {
    // The start menu comes back under the groups, in the selection panel's place.
    for (C c : {C::PanelSelec, C::PanelCarSel}) setVisible(c, false);
    setOwnVisible(H::PanelFP, true);
}

// --- A title and its menu ------------------------------------------------------------------------

void HigherScreen::showTitleButtons(TitleSource) {
    setVisible(C::PanelSelec, true);
    setVisible(C::BotRetrocederFP, true);
    setOwnVisible(H::PanelFP, false);
    setOwnVisible(H::PanelFpTit, true);
}

void HigherScreen::hideTitleButtons() {
    setOwnVisible(H::PanelFpTit, false);
    setOwnVisible(H::PanelEstadistica, false);
}

void HigherScreen::pressed(H entry) {
    setOwnVisible(H::PanelEstadistica, false);
    for (size_t i = 0; i < kTitleMenu.size(); ++i)
        if (kTitleMenu[i] == entry && !own_.visited[i]) {
            own_.visited[i] = true;
            touch(LevelChanges::Own);
        }
}

void HigherScreen::MenuFpTit1Click() {
    if (state_.selectedTitle == 0) return;
    Handler h(*this);
    pressed(H::MenuFpTit1);
    state_.printCollect = false;
    setTextLines({}, TextStyle::Plain);
    showTitleMap();
    setOwnVisible(H::PanelFpTit, false);
    setOwnVisible(H::PanelFP, false);
    setVisible(C::BotRetrocederFP, true);
}

void HigherScreen::MenuFpTit2Click() {
    showTitleTexts(TitleTexts::Requirements);
}

void HigherScreen::MenuFpTit3Click() {
    showTitleTexts(TitleTexts::Subjects);
}

void HigherScreen::MenuFpTit4Click() {
    showTitleTexts(TitleTexts::Access);
}

void HigherScreen::MenuFpTit5Click() {
    if (state_.selectedTitle == 0) return;
    Handler h(*this);
    pressed(H::MenuFpTit5);
    BotImprimirClick();
}

void HigherScreen::MenuFpTit6Click() {
    Handler h(*this);
    pressed(H::MenuFpTit6);
    for (C c : {C::listSelFP, C::reja}) setVisible(c, false);
    setOwnVisible(H::PanelFpTit, false);
    setOwnVisible(H::PanelFP, false);
    // The title choice as it was left; the groups when no family was ever chosen (a title
    // opened from the grid).
    if (view_.familyRows.empty()) showGroups();
    const bool familyChosen = !state_.groupsShown && view_.familySelected > 0;
    setVisible(C::ListPreFam, true);
    setVisible(C::ListTit, familyChosen);
    setVisible(C::Labeltitulo, familyChosen);
    setVisible(C::BotRetrocederFP, true);
}

void HigherScreen::MenuFPTitEstClick() {
    Handler h(*this);
    pressed(H::MenuFPTitEst);
    setOwnVisible(H::PanelEstadistica, true);
}

std::vector<std::string> HigherScreen::titleTexts(TitleTexts kind) const {
    const VocationalTables& t = enlace_.vocational;
    const int title = state_.selectedTitle;
    std::vector<std::string> lines;
    switch (kind) {
        case TitleTexts::Requirements: {
            for (const int v : t.factsOfGS(title).accessLines)
                if (v > 0 && v <= t.accessLinesGS.count)
                    lines.emplace_back(TrimRight(t.accessLinesGS[v]));
            // The titles of the first catalogue generation add the LOMCE access; a mark no line
            // of fp gives lies beyond every title.
            const int bar = t.marksGS.firstBarLine > 0 ? t.marksGS.firstBarLine : INT_MAX;
            if (title < bar) {
                lines.emplace_back();
                lines.emplace_back(
                    Bounded("      **  " + text(kLomceText) + " LOMCE **", kLomceWidth));
                for (const std::string& line : enlace_.informa.linesForKey(kLomceKey))
                    lines.push_back(" " + std::string(TrimRight(line)));
            }
            break;
        }
        case TitleTexts::Subjects: {
            lines.push_back(std::string(5, ' ') + text(kJobsText));
            for (int e = 1; e <= kBlockEntries; ++e) {
                const std::string& entry = t.blocksGS.field(title, e - 1);
                // The jobs and the subjects stand apart.
                if (e == kJobEntries + 1 && !Blank(lines.back())) lines.emplace_back();
                lines.emplace_back(TrimRight(entry));
            }
            while (lines.size() > kShortestSubjects && Blank(lines.back())) lines.pop_back();
            break;
        }
        case TitleTexts::Access:
            for (int n = kFirstAccessLine; n <= kLastAccessLine; ++n) lines.push_back(text(n));
            break;
    }
    return lines;
}

void HigherScreen::showTitleTexts(TitleTexts kind) {
    if (state_.selectedTitle == 0) return;
    Handler h(*this);
    static constexpr std::array<H, 3> kEntries = {H::MenuFpTit2, H::MenuFpTit3, H::MenuFpTit4};
    static constexpr std::array<int, 3> kCaptions = {kRequirementsText, kSubjectsText, kAccessText};
    const auto index = static_cast<size_t>(kind) - 2;
    pressed(kEntries[index]);
    setCaption(C::PanelSelTit, CaptionText(text(kCaptions[index])));
    showTextList(titleTexts(kind), TextStyle::Plain);
    if (kind != TitleTexts::Subjects) return;
    // The subjects: the first row and every "-" row from the seventh on head what follows;
    // after the last heading each subject has its icon, and a row marked "?-" is an item too.
    int lastHeading = 0;
    for (size_t i = kFirstHeadingRow; i < state_.textLines.size(); ++i)
        if (state_.textLines[i].starts_with('-')) lastHeading = static_cast<int>(i);
    for (size_t i = 0; i < view_.textRows.size(); ++i) {
        const std::string& line = state_.textLines[i];
        Cell& cell = view_.textRows[i];
        const bool heading = i == 0 || (i >= kFirstHeadingRow && line.starts_with('-'));
        if (heading) {
            cell.kind = RowKind::Heading;
            cell.fill = kHeadingFill;
            cell.colour = ColourOf(PaletteColour::Navy);
            cell.bold = true;
        } else if (line.size() > 1 && line[1] == '-') {
            cell.kind = RowKind::Icon;
            cell.icon = kTitleIcon;
            cell.text = cp1252::Decode(std::string_view(line).substr(2));
        } else if (static_cast<int>(i) > lastHeading && !line.empty() && line[0] != ' ') {
            cell.kind = RowKind::Icon;
            cell.icon = kTitleIcon;
        }
    }
}

void HigherScreen::composeTitleSections() {
    static constexpr std::array<std::pair<TitleTexts, int>, 3> kSections = {
        {{TitleTexts::Requirements, kRequirementsText},
         {TitleTexts::Subjects, kSubjectsText},
         {TitleTexts::Access, kAccessText}}};
    for (const auto& [kind, heading] : kSections) {
        printLine("- " + text(heading), true);
        for (std::string& line : titleTexts(kind)) printLine(std::move(line));
        printLine({});
    }
}

// --- Statistics --------------------------------------------------------------------------------

int HigherScreen::statisticsFamily() const {
    const int family = enlace_.vocational.factsOfGS(state_.selectedTitle).family;
    return family == kNoFamily ? kDefaultStatisticsFamily : family;
}

void HigherScreen::openStatistics(void (StatisticsWindow::*open)(int), int on) {
    if (!statistics_) return;  // without the window the screen stays as it is
    Handler h(*this);
    (statistics_->*open)(on);
    statistics_->show();
    handOver_ = true;
    touch(LevelChanges::Own);
}

void HigherScreen::ButtonEstad1Click() {
    openStatistics(&StatisticsWindow::labelEstad1Click, state_.selectedTitle);
}

void HigherScreen::ButtonEstad2Click() {
    openStatistics(&StatisticsWindow::labelEstad3Click, statisticsFamily());
}

void HigherScreen::ButtonEstad3Click() {
    openStatistics(&StatisticsWindow::labelEstad4Click, statisticsFamily());
}

// --- Places --------------------------------------------------------------------------------------

void HigherScreen::showPlaceButtons() {
    setOwnVisible(H::BotInternetC, true);
    setVisible(C::BotTodoFP, true);
    setCaption(C::BotTodoFP, CaptionText(text(state_.allTitles ? description_.ownTitlesText
                                                               : description_.allTitlesText)));
}

void HigherScreen::hidePlaceButtons() {
    setOwnVisible(H::BotInternetC, false);
    setOwnVisible(H::PanelFP, false);
}

void HigherScreen::BotInternetCMouseUp() {
    const int c = state_.community;
    if (c < 1 || c > DegreeTables::kPortals) return;
    const std::string& portal = enlace_.degreeTables.communityPortals[static_cast<size_t>(c)];
    if (Trim(portal).empty()) return;
    opener_.open(QStringLiteral("http://") + cp1252::Decode(Trim(portal)));
}

// --- Going back and printing ---------------------------------------------------------------------

void HigherScreen::goingBack() {
    setCaption(C::PanelSelTit, {});
    setVisible(C::BotImprimir, false);
}

bool HigherScreen::backToTitleMenu() {
    // From where to study back to the title's menu.
    setOwnVisible(H::PanelFpTit, true);
    setOwnVisible(H::PanelEstadistica, false);
    clearGrid();
    setVisible(C::listSelFP, true);
    setVisible(C::BotRetrocederFP, true);
    return true;
}

void HigherScreen::printPickingStarted() {
    setOwnVisible(H::PanelFpTit, false);
    setOwnVisible(H::PanelFP, false);
    // The stars say which communities have centres to pick.
    showTitleMap();
}

void HigherScreen::printPickingEnded() {
    for (C c : {C::mapac, C::mapam, C::listBarcelona, C::BotCerrar, C::PanelEstrellas})
        setVisible(c, false);
    changes_.mapClean = true;
    setTimer(LevelTimer::Estrellas, false);
    setOwnVisible(H::PanelFpTit, true);
}

}  // namespace velmora
