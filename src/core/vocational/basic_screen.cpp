#include "core/vocational/basic_screen.h"

#include <array>
#include <utility>

#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/messages.h"
#include "core/shared/sound.h"
#include "core/vocational/vocational_queries.h"

namespace velmora {
namespace {

using C = LevelControl;
using B = BasicControl;

constexpr std::array<std::string_view, kBasicControlCount> kBasicNames = {
    "ListSelFp", "ListFPExpli", "PanelSelTit0", "BotLug"};

constexpr int kRequirementsText = 29;
constexpr int kSubjectsText = 312;
constexpr int kJobsText = 199;
constexpr int kOutputsText = 271;
constexpr int kChooseGroupText = 577;
constexpr int kChooseFamilyText = 578;
constexpr int kChooseTitleText = 307;
constexpr int kNoneText = 292;
constexpr int kTitlesText = 190;
constexpr int kCentresText = 323;
constexpr int kPickCommunityText = 585;
constexpr int kLevelText = 263;
constexpr int kHeadingLine = 54;  // of the explanation lines: the screen's heading
// The explanation lines of every basic title: what it takes to enter, what is studied, what
// the title opens.
constexpr int kRequirementsKey = 8;
constexpr int kSubjectsKey = 9;
constexpr int kOpensKey = 10;
constexpr int kJobEntries = 5;
constexpr int kLastEntry = 25;
constexpr int kBlinkTicks = 12;
constexpr int kFamilyIconsShown = 3;  // later families show icon 1
constexpr int kLaterFamilyIcon = 1;
constexpr size_t kCommunityNameWidth = 30;  // columns 3-32 of "comunida"
// Labeltitulo over the titles: indented to stand over their text.
constexpr int kChooseTitleIndent = 26;
constexpr int kTitleTextTop = 3;  // in ListTitFP's taller rows

QString Text(std::string_view bytes) {
    return cp1252::Decode(bytes);
}

bool Blank(std::string_view line) {
    return Trim(line).empty();
}

// A block's entries without the blank ones at its end: a report does not carry them.
std::vector<std::string> WithoutTrailingBlanks(std::vector<std::string> lines) {
    while (!lines.empty() && Blank(lines.back())) lines.pop_back();
    return lines;
}

void Append(std::vector<std::string>& to, std::vector<std::string> lines) {
    for (std::string& line : lines) to.push_back(std::move(line));
}

}  // namespace

std::string_view BasicControlName(BasicControl control) {
    return kBasicNames[static_cast<size_t>(control)];
}

const LevelDescription& BasicDescription() {
    static const LevelDescription description = [] {
        LevelDescription d;
        d.level = Level::Basic;
        for (int i = 0; i < kLevelControlCount; ++i)
            d.names[static_cast<size_t>(i)] = IntermediateName(static_cast<C>(i));
        auto name = [&d](C control, std::string_view own) {
            d.names[static_cast<size_t>(control)] = own;
        };
        name(C::ListTit, "ListTitFP");
        name(C::listSelFP, "Listsel");
        name(C::PanelSelec, "panelsel");
        name(C::BotPuesto, "BotTra");
        name(C::botAsig, "BotAsig");
        name(C::LabelFP1, "LabelFPIp1");
        for (C none :
             {C::LabelFPGM, C::botTit2, C::botLug2, C::botSalir, C::LabAyuGM, C::HeliPeque})
            name(none, {});
        d.groups = &VocationalTables::basicFamilyGroups;
        d.levelText = kLevelText;
        d.ownTitlesText = kLevelText;
        d.groupIcons = {1, 2, 37, 33, 8, 19, 0, 42, 10};
        d.familyListHeight = 135;
        d.groupListHeight = 135;
        d.mapPanelOffset = 130;
        d.areaMaps = false;
        d.allTitlesOption = false;
        d.gridOpensTitles = false;
        d.placeClosingRowBlank = true;
        d.provinceAlias = {35, 34};
        d.textReportSize = BasicScreen::kReportSize;
        return d;
    }();
    return description;
}

BasicScreen::BasicScreen(Enlace& enlace, Printing& printing, Sound& sound)
    : LevelScreen(enlace, BasicDescription(), printing), sound_(sound) {
    for (B c : {B::ListSelFp, B::ListFPExpli, B::BotLug}) own_.controls.setVisible(c, false);
    for (B c : {B::ListSelFp, B::BotLug}) own_.controls.setCursor(c, CursorKind::Hand);
}

bool BasicScreen::FormCreate() {
    Handler h(*this);
    LevelScreen::FormCreate();
    // The nine groups; the basic tables were loaded at the screen's place in the start-up.
    const FamilyGroups& groups = enlace_.vocational.basicFamilyGroups;
    own_.groupRows.clear();
    for (int g = 1; g <= FamilyGroups::kGroups; ++g) {
        Cell cell;
        cell.text = Text(groups.group(g).name);
        cell.kind = RowKind::Icon;
        cell.icon = description_.groupIcons[static_cast<size_t>(g - 1)];
        cell.textLeft = 50;
        cell.textTop = 6;
        own_.groupRows.push_back(std::move(cell));
    }
    setBlinking(true);
    touch(LevelChanges::Own);
    return true;
}

void BasicScreen::setOwnCaptions() {
    const InterfaceTexts& t = enlace_.texts;
    auto caption = [&](C control, const std::string& bytes) {
        view_.caption[static_cast<size_t>(control)] = CaptionText(bytes);
    };
    caption(C::BotRequisitos, t[277]);
    caption(C::BotPuesto, t[278]);
    caption(C::botAsig, t[30]);
    caption(C::LabelAno, t[175] + "  " + std::string(kSchoolYear));
    caption(C::LabelFP1, enlace_.informa.positional(kHeadingLine));
    own_.controls.setCaption(B::BotLug, CaptionText(t[584]));
    own_.controls.setCaption(B::PanelSelTit0, CaptionText(t[kChooseGroupText]));
}

void BasicScreen::setOwnVisible(BasicControl control, bool on) {
    if (own_.controls.setVisible(control, on)) touch(LevelChanges::Own);
}

void BasicScreen::setOwnCaption(BasicControl control, const QString& text) {
    if (own_.controls.setCaption(control, text)) touch(LevelChanges::Own);
}

void BasicScreen::setBlinking(bool on) {
    blinkCount_ = 0;
    if (own_.blinking == on) return;
    own_.blinking = on;
    touch(LevelChanges::Own);
}

std::optional<LevelScreen::Leave> BasicScreen::takeLeave() {
    return std::exchange(leave_, std::nullopt);
}

// --- Opening and the start ---------------------------------------------------------------------

void BasicScreen::FormActivate() {
    Handler h(*this);
    hideForLeaving();
    state_.byTitle = true;
    state_.byPlace = false;
    state_.localityMode = false;
    state_.printPicking = false;
    groupChosen_ = false;
    hoverGroup_ = -1;
    own_.groupSelected = -1;
    own_.titleSelected = -1;
    own_.previewRows.clear();
    for (B c : {B::ListSelFp, B::PanelSelTit0, B::BotLug}) setOwnVisible(c, true);
    setOwnVisible(B::ListFPExpli, false);
    setVisible(C::BotRetrocederFP, true);
    setOwnCaption(B::PanelSelTit0, CaptionText(text(kChooseGroupText)));
    setBlinking(true);
    // What a basic title is, told by the girl while the student looks at the groups.
    std::array<QString, HelpPanel::kLines> lines;
    const std::vector<std::string> about = enlace_.informa.linesForKey(kSubjectsKey);
    for (size_t k = 0; k < lines.size() && k < about.size(); ++k) lines[k] = Text(Trim(about[k]));
    help_.show(lines);
    touch(LevelChanges::Own);
}

void BasicScreen::tickAyu() {
    if (!own_.blinking) return;
    Handler h(*this);
    ++blinkCount_;
    setOwnCaption(B::PanelSelTit0,
                  blinkCount_ % 2 == 1 ? CaptionText(text(kChooseGroupText)) : QString());
    if (blinkCount_ > kBlinkTicks) setBlinking(false);
}

// --- Groups, families and titles ---------------------------------------------------------------

void BasicScreen::listSelFPMouseMove(int row) {
    if (groupChosen_ || row < 0 || row >= FamilyGroups::kGroups || row == hoverGroup_) return;
    Handler h(*this);
    hoverGroup_ = row;
    own_.groupSelected = row;
    touch(LevelChanges::Own);
}

void BasicScreen::ListSelFpMouseUp(int row) {
    if (row < 0 || row >= FamilyGroups::kGroups) return;
    Handler h(*this);
    groupChosen_ = true;
    own_.groupSelected = row;
    touch(LevelChanges::Own);
    const int g = row + 1;
    state_.openedGroup = g;
    for (C c : {C::PanelSelec, C::ListPreFam, C::PanelSelTit}) setVisible(c, true);
    setCaption(C::PanelSelTit, CaptionText(text(kChooseFamilyText)));
    // The families and titles stand alone on the selection panel.
    for (C c : {C::ListTit, C::Labeltitulo, C::listSelFP, C::reja}) setVisible(c, false);
    setOwnVisible(B::ListFPExpli, false);

    const FamilyGroup& group = enlace_.vocational.basicFamilyGroups.group(g);
    // The group without families is the way to the centres of a place.
    if (group.headers[0] == 0) {
        BotLugClick();
        return;
    }
    const VocationalTables& t = enlace_.vocational;
    state_.shownHeaders.assign(1, 0);
    view_.familyRows.clear();
    for (const int header : group.headers) {
        if (header < 1 || header > t.basicHeaderCount) continue;
        const size_t p = state_.shownHeaders.size() - 1;
        state_.shownHeaders.push_back(header);
        const std::string_view line = t.titlesBasic[t.basicHeaders[static_cast<size_t>(header)]];
        view_.familyRows.push_back(
            FamilyCell(TrimRight(line.substr(std::min<size_t>(1, line.size()))),
                       p < kFamilyIconsShown ? FamilyIconIndex(header) : kLaterFamilyIcon));
    }
    state_.groupsShown = false;
    state_.chosenFamily = 0;
    view_.familyListHeight = description_.familyListHeight;
    view_.familySelected = -1;
    touch(LevelChanges::FamilyRows);
}

TitleRange BasicScreen::familyTitles(int header) const {
    // The last family's titles run to the end of the file.
    const VocationalTables& t = enlace_.vocational;
    return TitlesOfFamily(t.basicHeaders, t.basicHeaderCount, header, t.titlesBasic.count);
}

void BasicScreen::ListPreFamMouseDown(int row) {
    const int p = row + 1;
    if (row < 0 || static_cast<size_t>(p) >= state_.shownHeaders.size()) return;
    Handler h(*this);
    state_.chosenFamily = p;
    view_.familySelected = row;
    touch(LevelChanges::FamilyRows);
    const TitleRange range = familyTitles(state_.shownHeaders[static_cast<size_t>(p)]);
    setTitleRows(range);
    for (Cell& cell : view_.titleRows) cell.textTop = kTitleTextTop;
    hoverTitle_ = -1;
    own_.titleSelected = -1;
    own_.previewRows.clear();
    touch(LevelChanges::Own);
    setVisible(C::ListTit, true);
    setVisible(C::Labeltitulo, true);
    const QString family = view_.familyRows[static_cast<size_t>(row)].text.trimmed();
    setCaption(C::Labeltitulo,
               range.empty() ? family + QStringLiteral(" - ") + CaptionText(text(kNoneText))
                             : QString(kChooseTitleIndent, QLatin1Char(' ')) +
                                   CaptionText(text(kChooseTitleText)) + QStringLiteral("..."));
}

void BasicScreen::ListTitFPMouseMove(int row) {
    if (row < 0 || row == hoverTitle_ || state_.chosenFamily < 1) return;
    Handler h(*this);
    hoverTitle_ = row;
    own_.titleSelected = row;
    own_.previewRows.clear();
    setOwnVisible(B::ListFPExpli, true);
    const VocationalTables& t = enlace_.vocational;
    const int header = state_.shownHeaders[static_cast<size_t>(state_.chosenFamily)];
    const int title = t.basicHeaders[static_cast<size_t>(header)] + row + 1;
    // A row past the family's titles would be the next family's header: no preview.
    if (title <= t.titlesBasic.count && !IsHeaderLine(t.titlesBasic[title])) {
        Cell heading;
        heading.text = Text(std::string(4, ' ') + text(kOutputsText));
        heading.bold = true;
        heading.colour = ColourOf(PaletteColour::Navy);
        own_.previewRows.push_back(std::move(heading));
        for (const std::string& entry : BlockEntries(t.blocksBasic, title, 1, kJobEntries)) {
            Cell cell;
            cell.text = Text(TrimRight(entry));
            cell.textLeft = 4;
            own_.previewRows.push_back(std::move(cell));
        }
    }
    touch(LevelChanges::Own);
}

void BasicScreen::showTitleButtons(TitleSource) {
    for (B c : {B::ListSelFp, B::PanelSelTit0, B::ListFPExpli, B::BotLug}) setOwnVisible(c, false);
    help_.hide();
    setBlinking(false);
    touch(LevelChanges::Own);
    for (C c : {C::PanelSelec, C::BotRequisitos, C::BotPuesto, C::botAsig, C::BotImprimir,
                C::BotRetrocederFP})
        setVisible(c, true);
    communityChosen_ = false;
}

void BasicScreen::hideTitleButtons() {
    for (C c : {C::BotRequisitos, C::BotPuesto, C::botAsig}) setVisible(c, false);
}

// --- The texts of a title ----------------------------------------------------------------------

std::vector<std::string> BasicScreen::subjectLines() const {
    std::vector<std::string> lines = enlace_.informa.linesForKey(kSubjectsKey);
    lines.emplace_back();
    Append(lines, BlockEntries(enlace_.vocational.blocksBasic, state_.selectedTitle,
                               kJobEntries + 1, kLastEntry));
    return lines;
}

std::vector<std::string> BasicScreen::jobLines() const {
    return BlockEntries(enlace_.vocational.blocksBasic, state_.selectedTitle, 1, kJobEntries);
}

void BasicScreen::BotRequisitosClick() {
    if (state_.selectedTitle == 0) return;
    Handler h(*this);
    setCaption(C::PanelSelTit, CaptionText(text(kRequirementsText)));
    showTextList(enlace_.informa.linesForKey(kRequirementsKey), TextStyle::Marked);
}

void BasicScreen::botAsigClick() {
    if (state_.selectedTitle == 0) return;
    Handler h(*this);
    setCaption(C::PanelSelTit, CaptionText(text(kSubjectsText)));
    showTextList(subjectLines(), TextStyle::Marked);
}

void BasicScreen::BotTraClick() {
    if (state_.selectedTitle == 0) return;
    Handler h(*this);
    setCaption(C::PanelSelTit, CaptionText(text(kJobsText)));
    // The jobs under their own heading, then what the title opens.
    std::vector<std::string> lines = {std::string(), "  " + text(kJobsText)};
    Append(lines, jobLines());
    lines.emplace_back();
    Append(lines, enlace_.informa.linesForKey(kOpensKey));
    showTextList(std::move(lines), TextStyle::Marked);
}

void BasicScreen::communityCentresShown(bool found) {
    communityChosen_ = true;
    if (!found) sound_.beep();
}

// --- By place ----------------------------------------------------------------------------------

void BasicScreen::BotLugClick() {
    Handler h(*this);
    state_.byPlace = true;
    state_.byTitle = false;
    state_.localityMode = false;
    state_.allTitles = false;
    state_.gridClickable = false;
    setVisible(C::PanelEstrellas, true);
    setCaption(C::PanelSelTit, CaptionText(text(kTitlesText)));
    setVisible(C::PanelSelTit, true);
    for (C c : {C::ListPreFam, C::ListTit, C::listSelFP, C::Labeltitulo, C::BotRequisitos,
                C::BotPuesto, C::botAsig, C::BotImprimir})
        setVisible(c, false);
    for (B c : {B::ListSelFp, B::PanelSelTit0, B::ListFPExpli, B::BotLug}) setOwnVisible(c, false);
    help_.hide();
    setBlinking(false);
    touch(LevelChanges::Own);
    changes_.mapClean = true;
    setTimer(LevelTimer::Estrellas, false);
    setTimer(LevelTimer::Parpadeo, false);
    clearGrid();
    setVisible(C::reja, true);
    setVisible(C::PanelSelec, true);
    fillProvinceCodes();
    setCaption(C::PanelCarSel, {});
    setVisible(C::PanelCarSel, true);
    setVisible(C::BotRetrocederFP, true);
}

// --- Printing ----------------------------------------------------------------------------------

void BasicScreen::printByTitle() {
    // The report holds the one community last clicked: none yet, nothing to print.
    if (!communityChosen_) {
        enlace_.messages.showMessage(Text(text(kPickCommunityText)));
        return;
    }
    state_.printLines.push_back({titleText() + " (" + text(kLevelText) + ")", {}});
    auto section = [&](int heading, std::vector<std::string> lines) {
        printLine("** " + text(heading) + " **", true);
        for (std::string& line : lines) printLine(std::move(line));
        printLine({});
    };
    section(kRequirementsText, enlace_.informa.linesForKey(kRequirementsKey));
    section(kSubjectsText, WithoutTrailingBlanks(subjectLines()));
    std::vector<std::string> jobs = WithoutTrailingBlanks(jobLines());
    jobs.emplace_back();
    Append(jobs, enlace_.informa.linesForKey(kOpensKey));
    section(kJobsText, std::move(jobs));

    printLine(text(kCentresText), true);
    const std::string& line = enlace_.degreeTables.communities[state_.community];
    const std::string name =
        line.size() > 2 ? std::string(std::string_view(line).substr(2, kCommunityNameWidth))
                        : std::string();
    printLine("***  " + cp1252::Upper(name) + "  ***", true);
    for (const ListingRow& row : state_.gridCells) printLine(row[0] + "  " + row[1]);

    std::vector<std::string> preview;
    for (size_t i = 1; i < state_.printLines.size(); ++i)
        preview.push_back(
            std::string(Bounded(state_.printLines[i][0], ReportBuffer::kEntryCapacity)));
    showTextList(std::move(preview), TextStyle::Preview);
    printCollected();
}

// --- Going back and leaving --------------------------------------------------------------------

void BasicScreen::BotRetrocederFPClick() {
    if (!state_.byTitle || state_.byPlace) {
        LevelScreen::BotRetrocederFPClick();
        return;
    }
    Handler h(*this);
    // From the groups and families the screen is left.
    if (own_.controls.isVisible(B::ListSelFp)) {
        leaveScreen();
        return;
    }
    // From a title, back to the lists as they were left.
    hideTitleButtons();
    for (C c :
         {C::BotImprimir, C::listSelFP, C::reja, C::PanelEstrellas, C::PanelMapa, C::PanelImp})
        setVisible(c, false);
    clearGrid();
    changes_.mapClean = true;
    setTimer(LevelTimer::Estrellas, false);
    setTimer(LevelTimer::Parpadeo, false);
    state_.printPicking = false;
    for (B c : {B::ListSelFp, B::PanelSelTit0, B::BotLug, B::ListFPExpli}) setOwnVisible(c, true);
    for (C c :
         {C::PanelSelTit, C::PanelCarSel, C::PanelSelec, C::ListPreFam, C::ListTit, C::Labeltitulo})
        setVisible(c, true);
    setCaption(C::PanelSelTit, CaptionText(text(kChooseFamilyText)));
    setCaption(C::PanelCarSel, Text(titleText()));
}

void BasicScreen::showStartScreen() {
    // The way back from the map of the by-place path leaves the screen.
    leaveScreen();
}

void BasicScreen::leaveScreen() {
    hideForLeaving();
    for (B c : {B::ListSelFp, B::ListFPExpli, B::PanelSelTit0, B::BotLug}) setOwnVisible(c, false);
    help_.hide();
    setBlinking(false);
    touch(LevelChanges::Own);
    leave_ = leaveTarget();
}

LevelScreen::Leave BasicScreen::FormClose() {
    Handler h(*this);
    leave_.reset();
    BotRetrocederFPClick();
    if (!leave_) leaveScreen();
    return *takeLeave();
}

}  // namespace velmora
