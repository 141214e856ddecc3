#include "core/vocational/level_screen.h"

#include <algorithm>

#include "core/menu/courses.h"
#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/section_back.h"
#include "core/shared/shutdown.h"
#include "core/vocational/vocational_load.h"
#include "core/vocational/vocational_queries.h"

namespace velmora {
namespace {

using C = LevelControl;

constexpr std::array<std::string_view, kLevelControlCount> kIntermediateNames = {
    "PanelEstrellas",  "mapa",          "LabelSelCom1", "LabelSelCom2", "mapac",
    "mapam",           "PanelMapa",     "ListPreFam",   "ListTit",      "Labeltitulo",
    "PanelSelec",      "listSelFP",     "reja",         "PanelSelTit",  "PanelCarSel",
    "ListSelLugFP",    "listBarcelona", "BotCerrar",    "PanelImp",     "ListImp",
    "BotAceptar",      "BotRequisitos", "BotPuesto",    "botAsig",      "BotImprimir",
    "BotRetrocederFP", "BotTodoFP",     "botTit2",      "botLug2",      "botSalir",
    "LabelFP1",        "LabelFPGM",     "LabelAno",     "LabAyuGM",     "HeliPeque",
};

// Controls hidden until a path shows them; the others are visible inside their parents.
constexpr C kHiddenAtStart[] = {
    C::PanelEstrellas, C::mapac,        C::mapam,         C::PanelMapa,   C::ListPreFam,
    C::ListTit,        C::Labeltitulo,  C::PanelSelec,    C::reja,        C::PanelSelTit,
    C::PanelCarSel,    C::ListSelLugFP, C::listBarcelona, C::BotCerrar,   C::PanelImp,
    C::BotRequisitos,  C::BotPuesto,    C::botAsig,       C::BotImprimir, C::BotRetrocederFP,
    C::BotTodoFP,      C::LabAyuGM,     C::HeliPeque,     C::botTit2,     C::botLug2,
    C::botSalir,
};

// The controls a screen keeps when it is left: its headings, and the children that follow their
// panels.
constexpr C kKeptOnLeaving[] = {C::LabelFP1, C::LabelFPGM,    C::LabelAno,
                                C::mapa,     C::LabelSelCom1, C::LabelSelCom2,
                                C::ListImp,  C::BotAceptar,   C::listSelFP};

constexpr C kHandControls[] = {
    C::ListPreFam, C::ListTit,   C::ListSelLugFP, C::listBarcelona,
    C::ListImp,    C::BotCerrar, C::BotAceptar,   C::BotRequisitos,
    C::BotPuesto,  C::botAsig,   C::BotImprimir,  C::BotRetrocederFP,
    C::BotTodoFP,  C::botTit2,   C::botLug2,      C::botSalir,
};

// ImageListIconos: the back item of the family list.
constexpr int kBackIcon = 43;
// The group that also lists the last family, and the one that also lists the families of the
// later catalogue generations.
constexpr int kGroupWithLastFamily = 1;
constexpr int kGroupWithBarFamilies = 6;
// DegreesRowIcons: a title, a place.
constexpr int kTitleIcon = 3;
constexpr int kPlaceIcon = 5;

constexpr int kBackText = 82;
constexpr int kFamilyChoiceText = 578;
constexpr int kChooseTitleText = 307;
constexpr int kNoneText = 292;
constexpr int kCentresText = 323;

size_t Index(C control) {
    return static_cast<size_t>(control);
}

QString Text(std::string_view bytes) {
    return cp1252::Decode(bytes);
}

Cell IconRow(std::string_view text, int icon) {
    Cell cell;
    cell.text = Text(TrimRight(text));
    cell.kind = RowKind::Icon;
    cell.icon = icon;
    cell.textLeft = 20;
    return cell;
}

}  // namespace

std::string_view IntermediateName(LevelControl control) {
    return kIntermediateNames[Index(control)];
}

LevelScreen::LevelScreen(Enlace& enlace, const LevelDescription& description, Printing& printing)
    : enlace_(enlace), description_(description), printing_(printing) {
    view_.visible.fill(true);
    for (C control : kHiddenAtStart) view_.visible[Index(control)] = false;
    view_.cursor.fill(CursorKind::Default);
    for (C control : kHandControls) view_.cursor[Index(control)] = CursorKind::Hand;
    view_.familyListHeight = description_.groupListHeight;
}

LevelScreen::~LevelScreen() = default;

bool LevelScreen::FormCreate() {
    Handler h(*this);
    const InterfaceTexts& t = enlace_.texts;
    view_.windowTitle = VocationalWindowTitle(t, enlace_.settings.schoolName);
    auto caption = [&](C control, const std::string& bytes) {
        view_.caption[Index(control)] = CaptionText(bytes);
    };
    caption(C::BotImprimir, t[36]);
    caption(C::BotRetrocederFP, t[kBackText]);
    caption(C::BotTodoFP, t[description_.allTitlesText]);
    caption(C::BotCerrar, t[13]);
    caption(C::BotAceptar, t[19]);
    caption(C::Labeltitulo, t[kChooseTitleText]);
    caption(C::LabelSelCom1, t[558] + " " + t[559]);
    caption(C::LabelSelCom2, t[560] + " " + t[561]);
    setOwnCaptions();
    touch(LevelChanges::Captions);

    // The districts of Barcelona: the comarcas table's entries after the 41 comarcas.
    const ComarcaTable& comarcas = enlace_.vocational.comarcas;
    view_.districtRows.clear();
    for (int e = ComarcaTable::kComarcas + 1; e <= comarcas.count && e <= ComarcaTable::kEntries;
         ++e)
        view_.districtRows.push_back(
            Text(TrimRight(comarcas.entries[static_cast<size_t>(e)].name)));
    touch(LevelChanges::DistrictRows);
    fillProvinceCodes();
    return true;
}

LevelChanges LevelScreen::takeChanges() {
    LevelChanges out = std::move(changes_);
    changes_ = LevelChanges{};
    return out;
}

// --- Helpers -----------------------------------------------------------------------------------

void LevelScreen::setVisible(C control, bool on) {
    if (view_.setVisible(control, on)) touch(LevelChanges::Visibility);
}

bool LevelScreen::isVisible(C control) const {
    return view_.isVisible(control);
}

void LevelScreen::setCaption(C control, const QString& text) {
    if (view_.setCaption(control, text)) touch(LevelChanges::Captions);
}

void LevelScreen::setCursor(C control, CursorKind kind) {
    if (view_.setCursor(control, kind)) touch(LevelChanges::Cursors);
}

void LevelScreen::setTimer(LevelTimer timer, bool on) {
    bool& running = view_.timers[static_cast<size_t>(timer)];
    if (running == on) return;
    running = on;
    touch(LevelChanges::Timers);
}

const LineTable& LevelScreen::titles() const {
    return enlace_.vocational.titles(description_.level);
}

const TitleHeaders& LevelScreen::headers() const {
    return description_.level == Level::Higher ? enlace_.vocational.headersGS
                                               : enlace_.vocational.headersGM;
}

const std::string& LevelScreen::text(int n) const {
    return enlace_.texts[n];
}

std::string LevelScreen::titleText() const {
    return std::string(TrimRight(titles()[state_.selectedTitle]));
}

void LevelScreen::fillProvinceCodes() {
    FillProvinceCodes(enlace_.vocational);
}

void LevelScreen::setTextLines(std::vector<std::string> lines, TextStyle style) {
    state_.textLines = std::move(lines);
    view_.textRows.clear();
    view_.textMonospaced = style == TextStyle::Preview;
    bool headingSeen = false;
    std::vector<int> bold = state_.printBold;
    for (size_t i = 0; i < state_.textLines.size(); ++i) {
        const std::string& line = state_.textLines[i];
        Cell cell;
        cell.text = Text(line);
        cell.textLeft = 20;
        switch (style) {
            case TextStyle::Plain:
                break;
            case TextStyle::Subjects:
                // The first "-" line heads the list; every item after it is a subject.
                if (!headingSeen && line.starts_with('-')) {
                    headingSeen = true;
                    cell.kind = RowKind::Heading;
                    cell.fill = ColourOf(PaletteColour::PaleBlue);
                    cell.colour = ColourOf(PaletteColour::Navy);
                    cell.bold = true;
                } else if (headingSeen && !line.empty() && line[0] != ' ') {
                    cell.kind = RowKind::Icon;
                    cell.icon = kTitleIcon;
                }
                break;
            case TextStyle::Marked:
                cell.textLeft = 18;
                if (line.starts_with(' ')) {
                    cell.colour = ColourOf(PaletteColour::Blue);
                } else if (line.starts_with('-')) {
                    cell.text = Text(Trim(std::string_view(line).substr(1)));
                    cell.kind = RowKind::Icon;
                    cell.icon = kTitleIcon;
                    cell.iconLeft = 0;
                }
                break;
            case TextStyle::Preview: {
                // Preview row i is report line i + 1.
                const int number = static_cast<int>(i) + 1;
                cell.textLeft = 4;
                cell.bold = line.starts_with("***") ||
                            std::find(bold.begin(), bold.end(), number) != bold.end();
                break;
            }
        }
        view_.textRows.push_back(std::move(cell));
    }
    touch(LevelChanges::TextRows);
}

void LevelScreen::showTextList(std::vector<std::string> lines, TextStyle style) {
    setTextLines(std::move(lines), style);
    setVisible(C::PanelSelec, true);
    setVisible(C::reja, false);
    setVisible(C::listSelFP, true);
    setCursor(C::listSelFP, CursorKind::Default);
    changes_.selectionTransition = TransitionKind::Radial;
}

void LevelScreen::setGridCells(std::vector<ListingRow> cells) {
    state_.gridCells = std::move(cells);
    view_.gridRows.clear();
    view_.gridRows.reserve(state_.gridCells.size());
    for (const ListingRow& row : state_.gridCells) {
        GridRow out;
        const std::string& text = row[0];
        Cell& first = out[0];
        first.text = Text(text);
        first.textLeft = 2;
        first.textTop = 2;
        if (text.starts_with('-')) {
            first.kind = RowKind::Heading;
            first.fill = ColourOf(PaletteColour::Maroon);
            first.colour = ColourOf(PaletteColour::White);
        } else if (text.size() < 5 || text.compare(2, 3, "---") != 0) {
            first.textLeft = 20;
            if (!Trim(text).empty()) {
                first.kind = RowKind::Icon;
                first.icon = kTitleIcon;
                first.iconLeft = 0;
                first.iconTop = 3;
            }
        }
        out[1].text = Text(row[1]);
        out[1].textLeft = 2;
        out[1].textTop = 2;
        view_.gridRows.push_back(std::move(out));
    }
    touch(LevelChanges::GridRows);
}

void LevelScreen::clearGrid() {
    state_.gridTitles.clear();
    setGridCells({});
}

void LevelScreen::setPlaceLines(const std::vector<std::string>& lines) {
    view_.placeRows.clear();
    for (const std::string& line : lines) view_.placeRows.push_back(IconRow(line, kPlaceIcon));
    state_.placeSelected = -1;
    touch(LevelChanges::PlaceRows);
}

void LevelScreen::printLine(std::string text, bool bold) {
    if (static_cast<int>(state_.printLines.size()) > LevelState::kMaxPrintLines) return;
    state_.printLines.push_back({std::move(text), {}});
    if (bold) state_.printBold.push_back(static_cast<int>(state_.printLines.size()) - 1);
}

// --- Family groups, families and titles ----------------------------------------------------------

void LevelScreen::showGroups() {
    state_.groupsShown = true;
    const FamilyGroups& groups = enlace_.vocational.*description_.groups;
    view_.familyRows.clear();
    for (int g = 1; g <= FamilyGroups::kGroups; ++g) {
        Cell cell;
        cell.text = Text(groups.group(g).name);
        cell.kind = RowKind::Icon;
        cell.icon = description_.groupIcons[static_cast<size_t>(g - 1)];
        cell.textLeft = 40;
        cell.textTop = 4;
        view_.familyRows.push_back(std::move(cell));
    }
    view_.familyListHeight = description_.groupListHeight;
    view_.familySelected = -1;
    touch(LevelChanges::FamilyRows);
}

void LevelScreen::ListPreFamMouseDown(int position) {
    if (position < 0) return;
    Handler h(*this);
    eraseBubble();
    const TitleHeaders& heads = headers();
    if (state_.groupsShown) {
        const int g = position + 1;
        if (g > FamilyGroups::kGroups) return;
        state_.openedGroup = g;
        const FamilyGroup& group = (enlace_.vocational.*description_.groups).group(g);
        // Each listed family keeps its header number by list position, so that a group slot
        // left empty ("00") moves the later families up without losing them.
        state_.shownHeaders.assign(1, 0);
        std::vector<std::string> names;
        for (const int header : group.headers) {
            if (header < 1 || header > heads.count()) continue;
            state_.shownHeaders.push_back(header);
            names.emplace_back(TrimRight(heads.texts[header]));
        }
        bool tall = false;
        auto addFromSecond = [&](int header) {
            state_.shownHeaders.push_back(header);
            names.emplace_back(TrimRight(std::string_view(heads.texts[header]).substr(1)));
            tall = true;
        };
        if (g == kGroupWithLastFamily && heads.count() > 0) addFromSecond(heads.count());
        // The later generations' families exist only when a "|" header does.
        const bool barFamilies = description_.level == Level::Higher
                                     ? enlace_.vocational.marksGS.firstBarLine > 0
                                     : enlace_.vocational.marksGM.firstBarLine > 0;
        const int base = description_.level == Level::Higher
                             ? enlace_.vocational.marksGS.barHeaderBase
                             : enlace_.vocational.marksGM.barHeaderBase;
        if (g == kGroupWithBarFamilies && barFamilies)
            for (int k = base + 1; k < heads.count(); ++k) addFromSecond(k);

        view_.familyRows.clear();
        view_.familyRows.push_back(FamilyCell(text(kBackText), kBackIcon));
        int icon = description_.groupIcons[static_cast<size_t>(g - 1)];
        for (size_t p = 1; p < state_.shownHeaders.size(); ++p) {
            // The first three show their family's icon (a header beyond the 26 families keeps
            // the one before); the later ones the first family's.
            const int header = state_.shownHeaders[p <= 3 ? p : 1];
            if (header >= 1 && header <= VocationalTables::kFamilies)
                icon = FamilyIconIndex(header);
            view_.familyRows.push_back(FamilyCell(names[p - 1], icon));
        }
        view_.familyListHeight =
            tall ? description_.groupListHeight : description_.familyListHeight;
        view_.familySelected = -1;
        touch(LevelChanges::FamilyRows);
        state_.groupsShown = false;
        setCaption(C::PanelSelTit, CaptionText(text(kFamilyChoiceText)));
        return;
    }
    if (position == 0) {
        showGroups();
        setVisible(C::ListTit, false);
        setVisible(C::Labeltitulo, false);
        groupsShownAgain();
        return;
    }
    if (static_cast<size_t>(position) >= state_.shownHeaders.size()) return;
    state_.chosenFamily = position;
    view_.familySelected = position;
    touch(LevelChanges::FamilyRows);
    const QString family = view_.familyRows[static_cast<size_t>(position)].text.trimmed();
    const TitleRange range = familyTitles(state_.shownHeaders[static_cast<size_t>(position)]);
    setTitleRows(range);
    setVisible(C::ListTit, true);
    setVisible(C::Labeltitulo, true);
    setCaption(C::Labeltitulo,
               range.empty() ? family + QStringLiteral(" - ") + CaptionText(text(kNoneText))
                             : family + QStringLiteral(" - ") +
                                   CaptionText(text(kChooseTitleText)) + QStringLiteral("..."));
}

Cell LevelScreen::FamilyCell(std::string_view text, int icon) {
    Cell cell = IconRow(text, icon);
    cell.textLeft = 40;
    cell.textTop = 4;
    return cell;
}

void LevelScreen::setTitleRows(const TitleRange& range) {
    view_.titleRows.clear();
    for (int t = range.first; t <= range.last; ++t)
        view_.titleRows.push_back(IconRow(titles()[t], kTitleIcon));
    touch(LevelChanges::TitleRows);
}

TitleRange LevelScreen::familyTitles(int header) const {
    return TitlesOfFamily(headers(), header, titles().count);
}

void LevelScreen::ListTitClick(int position) {
    if (state_.chosenFamily < 1 ||
        static_cast<size_t>(state_.chosenFamily) >= state_.shownHeaders.size())
        return;
    const TitleRange range =
        familyTitles(state_.shownHeaders[static_cast<size_t>(state_.chosenFamily)]);
    if (position < 0 || position >= range.size()) return;
    ChooseTitle(range.first + position, TitleSource::List);
}

void LevelScreen::ChooseTitle(int title, TitleSource source) {
    if (title < 1 || title > titles().count) return;
    Handler h(*this);
    eraseBubble();
    for (C c : {C::ListPreFam, C::ListTit, C::Labeltitulo, C::LabAyuGM, C::HeliPeque})
        setVisible(c, false);
    for (C c : {C::listSelFP, C::PanelSelTit, C::PanelCarSel}) setVisible(c, true);
    state_.selectedTitle = title;
    if (source == TitleSource::Questionnaire) {
        // The questionnaire's titles go on by title, as the title list's do.
        state_.byTitle = true;
        state_.byPlace = false;
        fillProvinceCodes();
    }
    showTitleButtons(source);
    setCaption(C::PanelSelTit, {});
    setCaption(C::PanelCarSel, Text(titleText()));
    setTextLines({}, TextStyle::Plain);
    if (description_.titleShowsMap) showTitleMap();
    state_.blinkCount = 0;
    setTimer(LevelTimer::Parpadeo, true);
}

void LevelScreen::showTitleMap() {
    const LineTable& communities = enlace_.degreeTables.communities;
    for (int c = 1; c <= LevelState::kCommunities; ++c)
        state_.titleCommunities[static_cast<size_t>(c)] = TitleRunsInCommunity(
            enlace_.vocational, communities, description_.level, c, state_.selectedTitle);
    changes_.mapClean = true;
    state_.starStep = 0;
    setVisible(C::PanelEstrellas, true);
    setVisible(C::mapac, false);
    setVisible(C::mapam, false);
    setTimer(LevelTimer::Estrellas, true);
}

void LevelScreen::tick(LevelTimer timer) {
    Handler h(*this);
    if (timer == LevelTimer::Estrellas) {
        ++state_.starStep;
        changes_.markerSteps.push_back(
            enlace_.regionMaps.MarkerStepAt(state_.starStep, state_.titleCommunities));
        if (state_.starStep >= 3) state_.starStep = 0;
        return;
    }
    ++state_.blinkCount;
    setCaption(C::PanelCarSel, state_.blinkCount % 2 == 1 ? Text(titleText()) : QString());
    if (state_.blinkCount > 8) {
        setTimer(LevelTimer::Parpadeo, false);
        state_.blinkCount = 0;
    }
}

// --- Going back ----------------------------------------------------------------------------------

void LevelScreen::BotRetrocederFPClick() {
    Handler h(*this);
    eraseBubble();
    goingBack();
    const int provinces = state_.provinces.count();
    // A level that lists a single province too goes back to it as to one of several.
    if (state_.localityMode && (provinces > 1 || !description_.singleProvinceOpens)) {
        state_.localityMode = false;
        clearGrid();
        setPlaceLines(state_.provinces.names);
        ListSelLugFPClick(-1);
        return;
    }
    if (provinces == 1) state_.localityMode = false;
    const bool mapShown = isVisible(C::PanelEstrellas);
    // A pending choice of communities to print ends with the view it belongs to, and the title
    // bar stops blinking the title it leaves.
    state_.printPicking = false;
    setTimer(LevelTimer::Parpadeo, false);
    state_.blinkCount = 0;
    setVisible(C::PanelImp, false);

    auto stopStars = [&] {
        changes_.mapClean = true;
        setTimer(LevelTimer::Estrellas, false);
    };
    auto hideMaps = [&] {
        for (C c :
             {C::PanelEstrellas, C::mapac, C::mapam, C::listBarcelona, C::BotCerrar, C::PanelMapa})
            setVisible(c, false);
    };
    auto hideCaptions = [&] {
        setVisible(C::PanelSelTit, false);
        setVisible(C::PanelCarSel, false);
    };

    if (state_.byPlace) {
        for (C c : {C::ListSelLugFP, C::BotImprimir, C::BotTodoFP}) setVisible(c, false);
        hidePlaceButtons();
        clearGrid();
        if (mapShown) {  // back to the start screen
            stopStars();
            hideMaps();
            for (C c : {C::reja, C::BotRetrocederFP, C::PanelSelec, C::listSelFP})
                setVisible(c, false);
            hideCaptions();
            state_.gridClickable = false;
            showStartScreen();
        } else {  // back to the map
            for (C c : {C::mapac, C::mapam, C::listBarcelona, C::BotCerrar, C::PanelSelec, C::reja,
                        C::listSelFP})
                setVisible(c, false);
            setVisible(C::PanelEstrellas, true);
            hideCaptions();
            setCaption(C::PanelSelTit, {});
            setCaption(C::PanelCarSel, {});
            state_.allTitles = false;
        }
        return;
    }

    hideTitleButtons();
    for (C c : {C::reja, C::BotImprimir, C::BotTodoFP, C::listSelFP}) setVisible(c, false);
    hideMaps();
    stopStars();
    if (mapShown && backToTitleMenu()) return;
    if (mapShown) {  // back to the title choice, as it was left
        if (view_.familyRows.empty()) showGroups();
        const bool familyChosen = !state_.groupsShown && view_.familySelected > 0;
        setVisible(C::ListPreFam, true);
        setVisible(C::ListTit, familyChosen);
        setVisible(C::Labeltitulo, familyChosen);
        return;
    }
    // Back to the start screen.
    view_.familyListHeight = description_.groupListHeight;
    touch(LevelChanges::FamilyRows);
    for (C c : {C::ListPreFam, C::ListTit, C::PanelSelec, C::Labeltitulo, C::BotRetrocederFP})
        setVisible(c, false);
    hideCaptions();
    showStartScreen();
}

void LevelScreen::hideForLeaving() {
    setTimer(LevelTimer::Estrellas, false);
    setTimer(LevelTimer::Parpadeo, false);
    for (int i = 0; i < kLevelControlCount; ++i) {
        const auto control = static_cast<C>(i);
        if (std::find(std::begin(kKeptOnLeaving), std::end(kKeptOnLeaving), control) ==
            std::end(kKeptOnLeaving))
            setVisible(control, false);
    }
}

LevelScreen::Leave LevelScreen::leaveTarget() {
    if (subScreen_) {
        subScreen_ = false;
        return Leave::Nowhere;
    }
    switch (SectionBack(enlace_)) {
        case LeaveTo::Assistant:
            return Leave::Assistant;
        case LeaveTo::Scene:
            return Leave::Scene;
        case LeaveTo::MainMenu:
            break;
    }
    return Leave::MainMenu;
}

bool LevelScreen::FormCloseQuery(Shutdown& shutdown) {
    Handler h(*this);
    return shutdown.closeSection();
}

}  // namespace velmora
