// The level screens' maps and places: the name panel over the three maps, a community's centres
// that teach the chosen title (listing A), and the centres of a province, comarca, district or
// Madrid zone with their titles (listing B).
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/vocational/level_screen.h"
#include "core/vocational/vocational_queries.h"

namespace velmora {
namespace {

using C = LevelControl;

constexpr int kBarcelonaComarca = 37;  // the Barcelonès opens the list of districts
constexpr int kDeadDistrictRow = 4;    // the heading line among the districts
constexpr int kFirstDistrict = ComarcaTable::kComarcas + 1;
constexpr int kTitlesText = 190;
constexpr int kNoneText = 292;
constexpr int kCentresText = 323;
constexpr int kZonePanelWidth = 250;
constexpr std::string_view kMadrid = "Madrid";

QString Text(std::string_view bytes) {
    return cp1252::Decode(bytes);
}

QString Joined(int a, std::string_view separator, int b, const InterfaceTexts& texts) {
    return Text(texts[a] + std::string(separator) + texts[b]);
}

}  // namespace

// --- Hover -------------------------------------------------------------------------------------

void LevelScreen::showMapPanel(QPoint at, int width, const QString& text, C map, bool named) {
    setVisible(C::PanelMapa, true);
    view_.mapPanelAt = at;
    view_.mapPanelWidth = width;
    view_.mapPanelText = text;
    touch(LevelChanges::MapPanel);
    setCursor(map, named ? CursorKind::Hand : CursorKind::Default);
}

void LevelScreen::mapaMouseMove(int x, int y) {
    const std::optional<bool> named = enlace_.regionMaps.PointerMoved(RegionMap::Communities, x, y);
    if (!named) return;  // off the map: nothing changes, not even the panel
    Handler h(*this);
    QString name;
    if (*named) {
        const std::string& line =
            enlace_.degreeTables.communities[enlace_.regionMaps.regionUnderCursor];
        if (line.size() > 2)
            name = Text(TrimRight(
                std::string_view(line).substr(2, static_cast<size_t>(description_.mapNameWidth))));
    }
    showMapPanel({x, y + description_.mapPanelOffset}, 115, name, C::mapa, *named);
}

void LevelScreen::mapacMouseMove(int x, int y) {
    const std::optional<bool> named = enlace_.regionMaps.PointerMoved(RegionMap::C, x, y);
    if (!named) return;
    Handler h(*this);
    const ComarcaTable& comarcas = enlace_.vocational.comarcas;
    const int m = enlace_.regionMaps.regionUnderCursor;
    const QString name =
        *named ? Text(TrimRight(comarcas.entries[static_cast<size_t>(m)].name)) : QString();
    showMapPanel({x, y + description_.mapPanelOffset}, 115, name, C::mapac, *named);
}

void LevelScreen::mapamMouseMove(int x, int y) {
    const std::optional<bool> named = enlace_.regionMaps.PointerMoved(RegionMap::M, x, y);
    if (!named) return;
    Handler h(*this);
    QString name;
    if (*named) {
        // The zone's first two lines joined, and the third when the zone has one: a zone of one
        // line shows its name and the joining dash.
        const MadridZoneTable& zones = enlace_.vocational.madridZones;
        const std::vector<int>& lines =
            zones.zoneLines[static_cast<size_t>(enlace_.regionMaps.regionUnderCursor)];
        auto nameOf = [&](size_t k) {
            return k < lines.size()
                       ? Text(TrimRight(zones.entries[static_cast<size_t>(lines[k])].name))
                       : QString();
        };
        name = nameOf(0) + QStringLiteral(" - ") + nameOf(1);
        if (lines.size() > 2) name += QStringLiteral(" - ") + nameOf(2);
    }
    showMapPanel({x, y + description_.mapPanelOffset}, kZonePanelWidth, name, C::mapam, *named);
}

void LevelScreen::FormMouseMove() {
    if (!isVisible(C::PanelMapa)) return;
    Handler h(*this);
    setVisible(C::PanelMapa, false);
}

// --- Clicks on the maps ------------------------------------------------------------------------

void LevelScreen::mapaClick() {
    const int c = enlace_.regionMaps.regionUnderCursor;
    if (c < 1 || c > LevelState::kCommunities) return;
    Handler h(*this);
    eraseBubble();
    setVisible(C::PanelSelec, true);
    setVisible(C::PanelMapa, false);
    if (state_.printPicking) {
        if (state_.picked[static_cast<size_t>(c)] ||
            static_cast<int>(state_.printCommunities.size()) >= LevelState::kCommunities)
            return;
        state_.picked[static_cast<size_t>(c)] = true;
        state_.printCommunities.push_back(c);
        const std::string& line = enlace_.degreeTables.communities[c];
        view_.pickRows.push_back(line.size() > 2 ? Text(TrimRight(std::string_view(line).substr(2)))
                                                 : QString());
        touch(LevelChanges::PickRows);
        return;
    }
    state_.community = c;
    state_.provinces = ProvincesOfCommunity(enlace_.degreeTables.communities, c);
    if (state_.byTitle) {
        setCaption(C::PanelSelTit, Text(text(kCentresText)));
        listCommunityCentres();
    } else if (state_.byPlace) {
        openPlaceMap(c);
    }
}

void LevelScreen::listCommunityCentres() {
    const CommunityProvinces& p = state_.provinces;
    std::vector<std::string> codes;
    for (int k = 0; k < p.count(); ++k)
        codes.emplace_back(ProvinceCode(enlace_.vocational, p.firstCode + k));
    std::vector<ListingRow> rows = CentresTeaching(
        enlace_.vocational, description_.level, codes, p.names, state_.selectedTitle,
        description_.closingRowFillsBothColumns ? std::string(60, ' ') : std::string());
    setVisible(C::listSelFP, false);
    setVisible(C::reja, true);
    state_.gridTitles.clear();
    const bool found = !rows.empty();
    if (!found) {
        if (description_.noneInTextList) setTextLines({text(kNoneText)}, TextStyle::Plain);
        setGridCells({{text(kNoneText), {}}});
    } else {
        if (centresListener_) centresListener_->centresListed(rows);
        setGridCells(std::move(rows));
    }
    changes_.scrolls.push_back({C::reja, 0, true});
    changes_.selectionTransition = TransitionKind::Roll;
    communityCentresShown(found);
}

void LevelScreen::openPlaceMap(int community) {
    state_.localityMode = false;
    // A new community: no comarca, district or zone of it is chosen yet.
    state_.catalanArea = 0;
    state_.madridZone = 0;
    for (C c : {C::PanelEstrellas, C::mapac, C::mapam, C::listBarcelona, C::BotCerrar})
        setVisible(c, false);
    state_.inCatalonia = description_.areaMaps && community == description_.comarcaCommunity;
    state_.inMadrid = description_.areaMaps && community == description_.zoneCommunity;
    const CommunityProvinces& p = state_.provinces;
    if (p.count() == 1 && description_.singleProvinceOpens) {
        state_.selectionCaption = p.names.front();
        setPlaceLines(p.items);
        ListSelLugFPClick(-1);
        return;
    }
    setPlaceLines(p.items);
    const bool areaMap = state_.inCatalonia || state_.inMadrid;
    setVisible(C::ListSelLugFP, !areaMap);
    setVisible(C::mapac, state_.inCatalonia);
    setVisible(C::mapam, state_.inMadrid);
    showPlaceButtons();
}

void LevelScreen::mapacClick() {
    const int m = enlace_.regionMaps.regionUnderCursor;
    if (m < 1 || m > ComarcaTable::kComarcas) return;
    Handler h(*this);
    state_.catalanArea = m;
    setVisible(C::PanelMapa, false);
    if (m == kBarcelonaComarca) {
        setVisible(C::listBarcelona, true);
        setVisible(C::BotCerrar, true);
        return;
    }
    ListSelLugFPClick(state_.placeSelected);
}

void LevelScreen::listBarcelonaClick(int position) {
    const int entry = position + kFirstDistrict;
    if (position < 0 || position == kDeadDistrictRow || entry > enlace_.vocational.comarcas.count ||
        entry > ComarcaTable::kEntries)
        return;
    Handler h(*this);
    state_.catalanArea = entry;
    ListSelLugFPClick(state_.placeSelected);
}

void LevelScreen::mapamClick() {
    const int z = enlace_.regionMaps.regionUnderCursor;
    if (z < 1 || z > MadridZoneTable::kZones) return;
    Handler h(*this);
    setVisible(C::PanelMapa, false);
    state_.madridZone = z;
    ListSelLugFPClick(state_.placeSelected);
}

void LevelScreen::BotCerrarClick() {
    Handler h(*this);
    setVisible(C::listBarcelona, false);
    setVisible(C::BotCerrar, false);
}

// --- A place and its centres -------------------------------------------------------------------

void LevelScreen::ListSelLugFPClick(int position) {
    if (description_.placeWaitsForChoice && (state_.inCatalonia ? state_.catalanArea == 0
                                             : state_.inMadrid  ? state_.madridZone == 0
                                                                : position < 0))
        return;
    Handler h(*this);
    eraseBubble();
    state_.placeSelected = position;
    for (C c : {C::PanelSelec, C::BotRetrocederFP, C::BotImprimir}) setVisible(c, true);
    setVisible(C::BotTodoFP, description_.allTitlesOption);
    const int shown = state_.allTitles ? description_.allTitlesText : description_.ownTitlesText;
    const int other = state_.allTitles ? description_.ownTitlesText : description_.allTitlesText;
    setCaption(C::PanelSelTit, Text(text(shown)));
    setVisible(C::PanelSelTit, true);
    setCaption(C::BotTodoFP, Text(text(other)));

    const CommunityProvinces& p = state_.provinces;
    const int k = p.count() >= 2 && !state_.printCollect ? position + 1 : 1;
    if (k == 0 && !state_.inCatalonia && !state_.inMadrid) return;
    if (!state_.localityMode) {
        int entry = p.firstCode + k - 1;
        if (entry == description_.provinceAlias.entry)
            entry = description_.provinceAlias.searchedAs;
        state_.provinceCode = std::string(ProvinceCode(enlace_.vocational, entry));
        if (k >= 1 && k <= p.count())
            state_.selectionCaption = p.names[static_cast<size_t>(k - 1)];
    } else {
        state_.localityPosition = position + 1;
    }
    state_.wideLocality = IsWideProvince(description_.level, state_.provinceCode);
    listPlace();
}

void LevelScreen::listPlace() {
    const VocationalTables& t = enlace_.vocational;
    int list = 0;
    std::vector<int> centres;
    QString caption;
    if (state_.inCatalonia) {
        list = 4;
        const AreaEntry& area = t.comarcas.entries[static_cast<size_t>(state_.catalanArea)];
        centres = CentresOfArea(t.areaCodesCat, t.centreLists[3].count, area.code);
        caption = Text(TrimRight(area.name));
    } else if (state_.inMadrid) {
        list = 2;
        const std::vector<int>& lines =
            t.madridZones.zoneLines[static_cast<size_t>(state_.madridZone)];
        const std::string code =
            lines.empty() ? std::string()
                          : t.madridZones.entries[static_cast<size_t>(lines.front())].code;
        centres = CentresOfArea(t.areaCodesMadrid, t.centreLists[1].count, code);
        state_.selectionCaption = std::string(kMadrid);
        caption = Text(kMadrid);
    } else {
        list = ListOfCode(state_.provinceCode);
        const char province = state_.provinceCode.size() > 1 ? state_.provinceCode[1] : '\0';
        centres = CentresOfProvince(t, description_.level, list, province, state_.allTitles);
        const LineTable& lines = t.centreList(description_.level, list);
        Localities localities = LocalitiesOf(lines, centres, state_.wideLocality);
        state_.localityStarts = std::move(localities.starts);
        caption = Text(TrimRight(state_.selectionCaption));
        if (!state_.localityMode || state_.allTitlesChanged) {
            // The province's localities first; its centres once a locality is chosen.
            setCaption(C::PanelCarSel, caption);
            setVisible(C::PanelCarSel, true);
            setVisible(C::reja, true);
            setVisible(C::ListSelLugFP, true);
            setPlaceLines(localities.names);
            state_.localityMode = true;
            state_.allTitlesChanged = false;
            return;
        }
    }

    const int locality = state_.localityPosition;
    const int topCentre =
        locality >= 1 && locality <= static_cast<int>(state_.localityStarts.size())
            ? state_.localityStarts[static_cast<size_t>(locality - 1)]
            : 0;
    PlaceRowStyle style;
    style.allTitles = state_.allTitles && description_.allTitlesOption;
    if (description_.placeClosingRowBlank) style.closingRow = std::string(60, ' ');
    PlaceRows rows =
        CentresWithTitles(t, enlace_.texts, description_.level, list, centres, topCentre, style);
    if (state_.printCollect) {
        for (ListingRow& row : rows.rows) {
            if (static_cast<int>(state_.printLines.size()) > LevelState::kMaxPrintLines) break;
            state_.printLines.push_back(std::move(row));
        }
        return;
    }

    state_.gridTitles = std::move(rows.titles);
    const int shown = state_.allTitles ? description_.allTitlesText : description_.ownTitlesText;
    setCaption(C::PanelSelTit, Joined(kTitlesText, " - ", shown, enlace_.texts));
    state_.gridClickable = description_.gridOpensTitles;
    setCursor(C::reja, state_.gridClickable ? CursorKind::Hand : CursorKind::Default);
    setGridCells(std::move(rows.rows));
    setVisible(C::listSelFP, false);
    setVisible(C::reja, true);
    changes_.scrolls.push_back({C::reja, rows.topRow, true});
    if (!enlace_.assistantMode) changes_.focus = C::reja;
    setCaption(C::PanelCarSel, caption);
    setVisible(C::PanelCarSel, true);
    setVisible(C::PanelSelTit, true);
    changes_.selectionTransition = TransitionKind::Roll;
}

void LevelScreen::BotTodoFPClick() {
    if (!description_.allTitlesOption) return;
    Handler h(*this);
    state_.allTitles = !state_.allTitles;
    state_.allTitlesChanged = true;
    clearGrid();
    ListSelLugFPClick(state_.placeSelected);
}

void LevelScreen::rejaDblClick(int row) {
    if (!state_.gridClickable || row < 0 || static_cast<size_t>(row) >= state_.gridTitles.size())
        return;
    const int title = state_.gridTitles[static_cast<size_t>(row)];
    state_.pickedTitle = title;
    if (title == 0) return;
    Handler h(*this);
    state_.localityMode = false;
    for (C c : {C::ListSelLugFP, C::BotImprimir, C::BotTodoFP, C::mapac, C::mapam, C::listBarcelona,
                C::BotCerrar, C::PanelEstrellas, C::PanelMapa, C::BotRetrocederFP})
        setVisible(c, false);
    hidePlaceButtons();
    changes_.mapClean = true;
    clearGrid();
    for (C c : {C::reja, C::PanelSelec, C::listSelFP, C::PanelSelTit, C::PanelCarSel})
        setVisible(c, true);
    state_.byPlace = false;
    state_.byTitle = true;
    state_.gridClickable = false;
    setCursor(C::reja, CursorKind::Default);
    ChooseTitle(title, TitleSource::Grid);
}

}  // namespace velmora
