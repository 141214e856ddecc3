#include "core/university/where_to_study.h"

#include <cstdio>

#include "core/shared/address_opener.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/university/degrees_screen.h"

namespace velmora {
namespace {

using C = DegreesControl;
using Row = std::array<std::string, 2>;

constexpr int kWhereToStudyTitle = 593;
constexpr int kDoubleDegreesTitle = 242;
constexpr int kNoPlaces = 292;
constexpr int kBranchNameBase = 514;  // branch b is interface text 514 + b
constexpr int kRegroupFrom = 16;      // a place with this many lines lists them by branch
constexpr size_t kPlaceNameWidth = 35;
constexpr size_t kNameWidth = 55;
constexpr size_t kSecondNameWidth = 51;
constexpr size_t kMarkWidth = 4;
constexpr int kMaxOfferings = 300;

// A line of the places grid: its first 55 characters, and a blank and its last 4.
Row SplitLine(const std::string& line) {
    const size_t tail = line.size() < kMarkWidth ? 0 : line.size() - kMarkWidth;
    return {line.substr(0, kNameWidth), " " + line.substr(tail)};
}

// The name a degree goes by at a place: its specific title there, else its own name.
std::string NameAtPlace(const DegreeTables& tables, int degree, int place, size_t width) {
    const int title = OfferedTitle(tables, degree, place);
    return FitToWidth(title != 0 ? tables.specificTitle(title) : tables.degreeNames[degree], width);
}

}  // namespace

std::string FormatCutOff(int tenths) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%3d", tenths);
    std::string text = digits;
    text.insert(text.size() - 1, ",");
    if (text == " 1,0") return "  - ";
    return text;
}

std::string CommunityName(const DegreeTables& tables, int community) {
    const std::string& line = tables.communities[community];
    if (line.size() <= 2) return {};
    return std::string(TrimRight(std::string_view(line).substr(2)));
}

WhereToStudy BuildWhereToStudy(const DegreeTables& tables, const InterfaceTexts& texts,
                               int degree) {
    WhereToStudy out;
    out.rows.push_back({"-" + std::string(17, ' ') + texts[kWhereToStudyTitle], ""});
    out.rows.push_back({"", "Not."});

    const int n = std::min(tables.offeringCount(degree), kMaxOfferings);
    std::vector<int> communityOf(static_cast<size_t>(n) + 1);
    for (int i = 1; i <= n; ++i)
        communityOf[static_cast<size_t>(i)] =
            tables.place(tables.offerings.places.at(degree, i)).communityCode;

    for (int c = 1; c <= DegreeTables::kCommunities; ++c) {
        bool heading = false;
        for (int i = 1; i <= n; ++i) {
            if (communityOf[static_cast<size_t>(i)] != c) continue;
            if (!heading) {
                heading = true;
                out.markers[static_cast<size_t>(c)] = true;
                out.firstRow[static_cast<size_t>(c)] = static_cast<int>(out.rows.size());
                const std::string& line = tables.communities[c];
                out.rows.push_back({"- " + (line.size() > 2 ? line.substr(2) : std::string()), ""});
            }
            const Place& place = tables.place(tables.offerings.places.at(degree, i));
            out.rows.push_back({"<" + FitToWidth(place.name, kPlaceNameWidth),
                                " " + FormatCutOff(tables.offerings.cutOffTenths.at(degree, i))});
        }
    }
    return out;
}

std::vector<int> PlacesOfCommunity(const DegreeTables& tables, int community) {
    std::vector<int> out;
    for (int p = 1; p <= tables.placeCount(); ++p)
        if (tables.place(p).communityCode == community) out.push_back(p);
    return out;
}

PlaceDegrees BuildDegreesOfPlace(const DegreeTables& tables, const InterfaceTexts& texts,
                                 int place) {
    std::vector<std::string> lines;
    std::vector<int> degrees;
    for (int d = 1; d <= tables.degreeCount(); ++d) {
        const int n = tables.offeringCount(d);
        for (int i = 1; i <= n; ++i) {
            if (tables.offerings.places.at(d, i) != place) continue;
            const int title = tables.offerings.titles.at(d, i);
            const std::string& name =
                title != 0 ? tables.specificTitle(title) : tables.degreeNames[d];
            lines.push_back("<" + FitToWidth(name, kNameWidth) +
                            FormatCutOff(tables.offerings.cutOffTenths.at(d, i)));
            degrees.push_back(d);
        }
    }

    if (static_cast<int>(lines.size()) >= kRegroupFrom) {
        std::vector<std::string> grouped;
        std::vector<int> groupedDegrees;
        for (int b = 1; b <= 5; ++b) {
            bool heading = false;
            for (size_t k = 0; k < lines.size(); ++k) {
                if (tables.degreeBranch[static_cast<size_t>(degrees[k])] != b) continue;
                if (!heading) {
                    heading = true;
                    grouped.push_back("-   " + texts[kBranchNameBase + b] + std::string(5, ' '));
                    groupedDegrees.push_back(0);
                }
                grouped.push_back(lines[k]);
                groupedDegrees.push_back(degrees[k]);
            }
        }
        lines = std::move(grouped);
        degrees = std::move(groupedDegrees);
    }

    if (place >= 1 && static_cast<size_t>(place) <= tables.doubleDegrees.size()) {
        const DoubleDegreeGroup& group = tables.doubleDegrees[static_cast<size_t>(place) - 1];
        if (!group.entries.empty()) {
            lines.emplace_back();
            lines.push_back("-" + std::string(16, ' ') + texts[kDoubleDegreesTitle] +
                            std::string(5, ' '));
            for (const DoubleDegreeEntry& entry : group.entries) {
                lines.push_back(NameAtPlace(tables, entry.degreeA, place, kNameWidth) + entry.tag);
                lines.push_back(" + " +
                                NameAtPlace(tables, entry.degreeB, place, kSecondNameWidth) +
                                std::string(4, ' '));
                lines.push_back(std::string(17, ' ') + "-----" + std::string(5, ' '));
            }
            degrees.resize(lines.size(), 0);
        }
    }

    PlaceDegrees out;
    out.rows.reserve(lines.size());
    for (const std::string& line : lines) out.rows.push_back(SplitLine(line));
    out.gridDegree = std::move(degrees);
    return out;
}

// --- The degrees screen's where-to-study handlers --------------------------------------------

void DegreesScreen::BotUniClick() {
    Handler h(*this);
    state_.doublesMode = false;
    if (state_.pickedFlag) state_.currentDegree = state_.pickedDegree;
    if (state_.printCollect) {
        state_.printLines.emplace_back();
        state_.whereToStudyStart = static_cast<int>(state_.printLines.size()) - 1;
    }
    const DegreeTables& tables = enlace_.degreeTables;
    const int degree = state_.currentDegree;
    setTitleBar(std::string(Trim(tables.degreeNames[degree])));
    setVisible(C::RichSalidas, false);

    if (degree <= 0 || degree > tables.degreeCount()) {
        setSelLines({});
        setVisible(C::GridNotas, false);
        hideStarMap();
        return;
    }

    WhereToStudy where = BuildWhereToStudy(tables, enlace_.texts, degree);
    for (int c = 1; c <= DegreesState::kCommunities; ++c) {
        enlace_.regionMaps.markerFlags[static_cast<size_t>(c)] =
            where.markers[static_cast<size_t>(c)];
        state_.communityFirstRow[static_cast<size_t>(c)] = where.firstRow[static_cast<size_t>(c)];
    }
    if (state_.printCollect) {
        for (const Row& row : where.rows) state_.printLines.push_back(row[0] + row[1]);
        return;
    }

    state_.gridDegree.clear();
    setGridCells(std::move(where.rows));
    showStarMap();
    setVisible(C::GridNotas, true);
    scroll(C::GridNotas, 0, true);
    if (!enlace_.assistantMode) changes_.focus = C::GridNotas;
    changes_.panelSelTransition = TransitionKind::Roll;
}

void DegreesScreen::BotMenuUniClick() {
    Handler h(*this);
    state_.pickedFlag = false;
    state_.degreeListMode = false;
    state_.doublesMode = false;
    state_.otherStudiesMode = false;
    state_.plasticArtsMode = false;
    state_.degreeMode = true;
    setVisible(C::PanelMenu, false);
    setVisible(C::PanelMenu2, false);
    for (C c : {C::PanelEstrellas, C::PanelSel, C::PanelSelTit, C::BotRetroceder})
        setVisible(c, true);
    setCursor(C::ListSel, CursorKind::Hand);
}

void DegreesScreen::mapaMouseMove(int x, int y) {
    if (x <= 0 || x > RegionMaps::kWidth || y <= 0 || y > RegionMaps::kCommunityHeight) return;
    Handler h(*this);
    const std::optional<bool> named = enlace_.regionMaps.PointerMoved(RegionMap::Communities, x, y);
    if (!named) return;
    const QString name = *named ? cp1252::Decode(CommunityName(
                                      enlace_.degreeTables, enlace_.regionMaps.regionUnderCursor))
                                : QString();
    setVisible(C::PanelMapa, true);
    view_.mapPanelAt = QPoint(x, y + 130);
    view_.mapPanelWidth = 115;
    view_.mapPanelText = name;
    touch(DegreesChanges::MapPanel);
    if (view_.hint[static_cast<size_t>(C::mapa)] != name) {
        view_.hint[static_cast<size_t>(C::mapa)] = name;
        touch(DegreesChanges::Captions);
    }
    setCursor(C::mapa, *named ? CursorKind::Hand : CursorKind::Default);
}

// ListComunidad, in the map's place, with the names of the places of placeOfRow.
void DegreesScreen::showPlaces() {
    std::vector<std::string> rows;
    for (int p : state_.placeOfRow)
        rows.push_back(FitToWidth(enlace_.degreeTables.place(p).name, kPlaceNameWidth));
    setCommunityLines(std::move(rows));
    setVisible(C::PanelEstrellas, false);
    setVisible(C::ListComunidad, true);
}

void DegreesScreen::mapaClick() {
    const int c = enlace_.regionMaps.regionUnderCursor;
    if (c < 1 || c > DegreesState::kCommunities) return;
    Handler h(*this);
    const DegreeTables& tables = enlace_.degreeTables;
    state_.clickedCommunity = c;
    setVisible(C::PanelMapa, false);

    if (state_.plasticArtsMode) {
        plasticArtsMapClick(c);
        return;
    }
    if (state_.degreeMode) {
        state_.placeOfRow = PlacesOfCommunity(tables, c);
        if (state_.placeOfRow.empty()) {
            setCommunityLines({enlace_.texts[kNoPlaces]});
            setVisible(C::PanelEstrellas, false);
            setVisible(C::ListComunidad, true);
        } else {
            showPlaces();
        }
        return;
    }
    if (!state_.doublesMode) {
        std::vector<int> places = PlacesOfCommunity(tables, c);
        if (places.empty()) return;
        state_.placeOfRow = std::move(places);
        showPlaces();
        return;
    }
    std::vector<int> groups;
    std::vector<std::string> rows;
    for (size_t g = 0; g < tables.doubleDegrees.size(); ++g) {
        if (tables.doubleDegrees[g].code != c) continue;
        groups.push_back(static_cast<int>(g) + 1);
        rows.push_back(tables.doubleDegrees[g].name);
    }
    if (groups.empty()) {
        setVisible(C::ListSel, true);
        setSelLines({enlace_.texts[kNoPlaces]});
        return;
    }
    state_.placeOfRow = std::move(groups);
    setCommunityLines(std::move(rows));
    setVisible(C::PanelEstrellas, false);
    setVisible(C::ListComunidad, true);
}

void DegreesScreen::ListComunidadClick(int row) {
    if (row < 0 || static_cast<size_t>(row) >= state_.communityLines.size()) return;
    if (state_.doublesMode && state_.degreeListMode) {
        doublesListClick(row);
        return;
    }
    if (state_.plasticArtsMode) {
        plasticSpecialityClick(row);
        return;
    }
    if (state_.otherStudiesMode) {
        otherStudiesClick(row);
        return;
    }
    if (!state_.degreeMode || state_.degreeListMode) return;  // the other lists have their views
    // The single row of a community without places stands for no place.
    if (static_cast<size_t>(row) >= state_.placeOfRow.size()) return;
    Handler h(*this);
    setTitleBar(state_.communityLines[static_cast<size_t>(row)]);
    const int place = state_.placeOfRow[static_cast<size_t>(row)];
    PlaceDegrees degrees = BuildDegreesOfPlace(enlace_.degreeTables, enlace_.texts, place);
    state_.gridDegree = std::move(degrees.gridDegree);
    state_.currentPlace = place;
    setVisible(C::BotIntUni, true);
    setVisible(C::PanelSelTit, true);
    setVisible(C::ListSel, false);
    setGridCells(std::move(degrees.rows));
    setVisible(C::GridNotas, true);
    scroll(C::GridNotas, 0, true);
    setVisible(C::BotImprimir, true);
}

void DegreesScreen::GridNotasDblClick(int row) {
    if (!state_.degreeMode || state_.degreeListMode) return;
    if (row < 0 || static_cast<size_t>(row) >= state_.gridDegree.size()) return;
    const int degree = state_.gridDegree[static_cast<size_t>(row)];
    if (degree == 0) return;
    Handler h(*this);
    state_.pickedDegree = degree;
    state_.pickedFlag = true;
    state_.degreeListMode = true;
    BotRetrocederClick();
    BotMenuGradosClick();
    showDetailButtons();
    setVisible(C::PanelSelTit, true);
    setTitleBar(std::string(Trim(enlace_.degreeTables.degreeNames[degree])));
    BotUniClick();
}

void DegreesScreen::BotIntUniMouseUp() {
    Handler h(*this);
    opener_.open(QStringLiteral("http://www.") +
                 cp1252::Decode(enlace_.degreeTables.place(state_.currentPlace).webAddress));
}

void DegreesScreen::BotRetrocederClick() {
    Handler h(*this);
    setVisible(C::PanelMenu2, false);
    setVisible(C::PanelMenu4, false);
    const C detailPanels[] = {C::PanelCarSel, C::PanelSelTit, C::PanelSel};

    if (state_.mastersMode) {
        state_.mastersMode = false;
        for (C c :
             {C::LabelMaster, C::LabelMaster2, C::RichSalidas, C::BotRetroceder, C::BotImprimir})
            setVisible(c, false);
        for (C c : detailPanels) setVisible(c, false);
        setRichSalidasPlace(state_.richSalidasBeforeMasters);
        setVisible(C::PanelMenu, true);
        return;
    }

    state_.printCollect = false;
    setCursor(C::ListSel, CursorKind::NotAllowed);
    if (view_.detailLowered) {
        view_.detailLowered = false;
        touch(DegreesChanges::Layout);
    }
    bool leftArts = false;
    if (state_.artsMode) {
        state_.artsMode = state_.plasticArtsMode = state_.musicMode = state_.danceMode =
            state_.dramaMode = false;
        for (C c : {C::BotImprimirN, C::BotRetroceder, C::ListComunidad, C::BotArtesTit,
                    C::BotArtesEsp, C::BotArtesLug})
            setVisible(c, false);
        setSelLines({});
        for (C c : detailPanels) setVisible(c, false);
        // Every arts view goes back to the menu it was opened from, whichever list or the map
        // it ended on.
        setVisible(C::PanelEstrellas, false);
        leftArts = true;
    }

    if (state_.degreeMode) {
        if (isVisible(C::ListComunidad) && !state_.degreeListMode) {
            setVisible(C::ListComunidad, false);
            setVisible(C::PanelEstrellas, true);
            return;
        }
        for (C c : {C::BotIntUni, C::BotImprimir, C::BotUni, C::BotReq, C::BotSal, C::BotDoblesCar,
                    C::BotCorte, C::BotPonde, C::BotImprimirN, C::ListSel, C::GridNotas,
                    C::RichSalidas, C::BotRetroceder, C::ListComunidad, C::PanelEstrellas})
            setVisible(c, false);
        for (C c : detailPanels) setVisible(c, false);
        setSelLines({});
        state_.degreeMode = false;
        setVisible(C::PanelMenu, true);
        return;
    }

    if (state_.doublesMode && isVisible(C::ListComunidad) && !state_.degreeListMode) {
        setVisible(C::ListComunidad, false);
        setVisible(C::PanelEstrellas, true);
        return;
    }
    for (C c : detailPanels) setVisible(c, false);
    for (C c : {C::ListSel, C::GridNotas, C::BotIntUni, C::BotImprimir}) setVisible(c, false);
    setTitleBar("");
    setSelLines({});
    bool keepBack = false;
    if (state_.doublesMode) {
        state_.doublesMode = false;
        for (C c : {C::PanelEstrellas, C::ListComunidad, C::listSel2}) setVisible(c, false);
        setVisible(C::PanelMenu, true);
    } else if (state_.otherStudiesMode) {
        state_.otherStudiesMode = false;
        state_.otherStudyShown = 0;
        setVisible(C::ListComunidad, false);
        setVisible(C::PanelMenu, true);
    } else if (leftArts) {
        setVisible(C::PanelMenu, true);
    } else if (isVisible(C::PanelEstrellas)) {
        setVisible(C::PanelEstrellas, false);
        setVisible(C::PanelMenu, true);
    } else if (isVisible(C::ListComunidad)) {
        setVisible(C::ListComunidad, false);
        setVisible(C::PanelEstrellas, true);
        keepBack = true;
    }
    if (!keepBack) setVisible(C::BotRetroceder, false);
}

int DegreesScreen::starMapFirstRow(int community) const {
    if (community < 1 || community > DegreesState::kCommunities) return 0;
    return state_.communityFirstRow[static_cast<size_t>(community)];
}

void DegreesScreen::starMapScrollTo(int row) {
    Handler h(*this);
    scroll(C::GridNotas, row, false);
}

void DegreesScreen::starMapDoublesCommunity(int community) {
    Handler h(*this);
    state_.doublesCommunity = community;
    showDoublesOfCurrentDegree(community);
}

}  // namespace velmora
