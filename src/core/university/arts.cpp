#include "core/university/arts.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/shared/address_opener.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/shared/tables.h"
#include "core/university/degree_readers.h"
#include "core/university/degree_tables.h"
#include "core/university/degrees_screen.h"
#include "core/university/where_to_study.h"

namespace velmora {
namespace {

constexpr int kFirstCaptionText = 529;
constexpr size_t kPlacesAfterF1 = 18;  // plastic arts: where the places are read from
constexpr int kSpecialityPairs = 5;    // plastic arts: columns 35-44
constexpr size_t kDramaNames = 8;      // drama: the title's name and seven specialities
constexpr size_t kDramaPlacesAfterF2 = 8;

bool StartsWith(const std::string& line, std::string_view mark) {
    return std::string_view(line).starts_with(mark);
}

std::string Trimmed(std::string_view text) {
    return std::string(TrimRight(text));
}

// The heading of community c; nothing for a number that names no community (the lines after
// the 19 communities of "comunida" are provinces).
std::string CommunityHeading(const DegreeTables& tables, int community, std::string_view mark) {
    if (community < 1 || community > DegreeTables::kCommunities) return {};
    return std::string(mark) + CommunityName(tables, community);
}

std::string PlaceLine(std::string_view indent, const PlasticPlace& place) {
    return Trimmed(std::string(indent) + place.name + "  -  Tel. " + place.phone);
}

}  // namespace

const char* ArtsFileName(ArtsKind kind) {
    switch (kind) {
        case ArtsKind::PlasticArts:
            return "artesplas";
        case ArtsKind::Music:
            return "musica";
        case ArtsKind::Dance:
            return "danza";
        case ArtsKind::Drama:
            break;
    }
    return "dramatico";
}

int ArtsCaptionText(ArtsKind kind) {
    return kFirstCaptionText + static_cast<int>(kind);
}

size_t ArtsFile::f1() const {
    for (size_t i = 0; i < lines.size(); ++i)
        if (StartsWith(lines[i], "f1")) return i;
    return lines.size();
}

size_t ArtsFile::f2() const {
    for (size_t i = f1(); i < lines.size(); ++i)
        if (StartsWith(lines[i], "f2")) return i;
    return lines.size();
}

std::vector<std::string> ArtsFile::titles() const {
    std::vector<std::string> out;
    const size_t end = f1();
    for (size_t i = 0; i < end; ++i) out.push_back(Trimmed(lines[i]));
    return out;
}

std::vector<std::string> ArtsFile::specialityLines() const {
    std::vector<std::string> out;
    const size_t end = f2();
    for (size_t i = f1() + 1; i < end; ++i) out.push_back(Trimmed(lines[i]));
    return out;
}

// --- Plastic arts ----------------------------------------------------------------------------

// A short speciality section ends at its "f2": the marker and the places are no specialities.
std::vector<std::string> PlasticSpecialities(const ArtsFile& file) {
    std::vector<std::string> names;
    const size_t f1 = file.f1();
    const size_t end = file.f2();
    for (size_t i = f1 + 1; i < end && names.size() < kPlasticSpecialities; ++i)
        names.push_back(Trimmed(Columns(file.lines[i], 3, ArtsFile::kLineWidth)));
    return names;
}

std::vector<PlasticPlace> PlasticPlaces(const ArtsFile& file) {
    std::vector<PlasticPlace> places;
    const size_t first = file.f1() + kPlacesAfterF1;
    const size_t end = std::min(file.lines.size(), first + kPlasticPlaceLines);
    const int specialities = static_cast<int>(PlasticSpecialities(file).size());
    for (size_t i = first; i < end; ++i) {
        const std::string& line = file.lines[i];
        const std::optional<int> community = ColumnInteger(line, 1, 2);
        if (!community) continue;
        PlasticPlace place;
        place.community = *community;
        place.name = Trimmed(Columns(line, 3, 24));
        place.phone = std::string(Columns(line, 25, 33));
        for (int k = 0; k < kSpecialityPairs; ++k) {
            const std::optional<int> s = ColumnInteger(line, 35 + 2 * k, 36 + 2 * k);
            if (s && *s >= 0 && *s < specialities) place.specialities.push_back(*s);
        }
        // The address is the place's second line, never a place of its own, whatever it holds.
        if (i + 1 < file.lines.size()) place.address = Trimmed(file.lines[++i]);
        places.push_back(std::move(place));
    }
    return places;
}

std::vector<std::string> PlasticPlacesOfSpeciality(const ArtsFile& file, const DegreeTables& tables,
                                                   int speciality) {
    std::vector<std::string> lines;
    int community = -1;
    for (const PlasticPlace& place : PlasticPlaces(file)) {
        if (std::find(place.specialities.begin(), place.specialities.end(), speciality) ==
            place.specialities.end())
            continue;
        if (place.community != community) {
            community = place.community;
            lines.push_back(CommunityHeading(tables, community, "- "));
        }
        lines.push_back(PlaceLine("   ", place));
        lines.push_back(Trimmed("     " + place.address));
        lines.emplace_back();
    }
    return lines;
}

std::vector<std::string> PlasticPlacesOfCommunity(const ArtsFile& file, int community) {
    const std::vector<std::string> names = PlasticSpecialities(file);
    std::vector<std::string> lines;
    for (const PlasticPlace& place : PlasticPlaces(file)) {
        if (place.community != community) continue;
        lines.push_back(PlaceLine("-  ", place));
        for (int s : place.specialities) lines.push_back(names[static_cast<size_t>(s)]);
        lines.push_back(Trimmed("     " + place.address));
        lines.emplace_back();
    }
    return lines;
}

namespace {

// Every place of every community, in file order, for the printout.
std::vector<std::string> PlasticPlacesForPrint(const ArtsFile& file, const DegreeTables& tables) {
    const std::vector<std::string> names = PlasticSpecialities(file);
    std::vector<std::string> lines;
    int community = -1;
    for (const PlasticPlace& place : PlasticPlaces(file)) {
        if (place.community != community) {
            community = place.community;
            lines.push_back(CommunityHeading(tables, community, "- "));
        }
        lines.push_back(PlaceLine("  ", place));
        // Indented under their place, so that the page reads as the list does.
        for (int s : place.specialities) lines.push_back("    " + names[static_cast<size_t>(s)]);
        lines.push_back(Trimmed("     " + place.address));
    }
    return lines;
}

}  // namespace

// --- The other kinds -------------------------------------------------------------------------

std::vector<std::string> MusicPlaces(const ArtsFile& file, const DegreeTables& tables) {
    std::vector<std::string> lines;
    for (size_t i = file.f2() + 1; i < file.lines.size(); ++i) {
        const std::string& line = file.lines[i];
        if (const std::optional<int> c = ColumnInteger(line, 1, 2)) {
            std::string heading = CommunityHeading(tables, *c, "- ");
            if (!heading.empty()) lines.push_back(std::move(heading));
        }
        // The address must leave room for a name before it (columns 3 onward).
        const size_t at = line.find("http");
        if (at == std::string::npos || at < 3) continue;
        lines.push_back(Trimmed("  " + line.substr(2, at - 2)));
        lines.push_back(Trimmed(std::string_view(line).substr(at)));
    }
    return lines;
}

std::vector<std::string> DancePlaces(const ArtsFile& file) {
    std::vector<std::string> lines;
    for (size_t i = file.f2() + 1; i < file.lines.size(); ++i)
        lines.push_back(Trimmed(file.lines[i]));
    return lines;
}

std::vector<std::string> DramaPlaces(const ArtsFile& file) {
    const size_t f2 = file.f2();
    if (f2 >= file.lines.size()) return {};
    std::array<std::string, kDramaNames> names;
    for (size_t d = 0; d < kDramaNames; ++d) {
        const size_t i = f2 + 2 + d;
        if (i < file.lines.size())
            names[d] = Trimmed(Columns(file.lines[i], 2, ArtsFile::kLineWidth));
    }
    std::vector<std::string> lines;
    for (size_t i = f2 + kDramaPlacesAfterF2; i < file.lines.size(); ++i) {
        const std::string& line = file.lines[i];
        if (StartsWith(line, "-")) {
            lines.push_back(Trimmed(std::string(Columns(line, 1, 25)) + names[0]));
            // A digit the file has no name for (8 or 9) names nothing.
            for (char c : Columns(line, 41, 47)) {
                if (c < '0' || c > '9') break;
                const size_t d = static_cast<size_t>(c - '0');
                if (d < kDramaNames) lines.push_back("   " + names[d]);
            }
            lines.push_back(Trimmed("Tel. " + std::string(Columns(line, 26, 34))));
        } else if (StartsWith(line, "http")) {
            lines.push_back(Trimmed(line));
            lines.emplace_back();
        }
    }
    return lines;
}

std::vector<std::string> ArtsPlaces(ArtsKind kind, const ArtsFile& file,
                                    const DegreeTables& tables) {
    switch (kind) {
        case ArtsKind::Music:
            return MusicPlaces(file, tables);
        case ArtsKind::Dance:
            return DancePlaces(file);
        case ArtsKind::Drama:
            return DramaPlaces(file);
        case ArtsKind::PlasticArts:
            break;
    }
    return {};  // plastic arts' places are chosen on the map
}

std::vector<std::string> ArtsReportLines(ArtsKind kind, const ArtsFile& file,
                                         const DegreeTables& tables) {
    std::vector<std::string> lines{std::string()};
    const size_t f1 = file.f1();
    const size_t f2 = file.f2();
    auto append = [&lines](const std::vector<std::string>& more) {
        lines.insert(lines.end(), more.begin(), more.end());
    };
    switch (kind) {
        case ArtsKind::Music:
        case ArtsKind::Dance:
            for (size_t i = 0; i < file.lines.size(); ++i) {
                if (i == f1 || i == f2) continue;
                // After "f2" a music line starts with its community's number.
                const std::string_view line = file.lines[i];
                lines.push_back(Trimmed(
                    kind == ArtsKind::Music && f2 < i ? Columns(line, 3, line.size()) : line));
            }
            break;
        case ArtsKind::PlasticArts:
            append(file.titles());
            append(PlasticPlacesForPrint(file, tables));
            break;
        case ArtsKind::Drama:
            for (size_t i = 0; i < f2; ++i)
                if (i != f1) lines.push_back(Trimmed(file.lines[i]));
            append(DramaPlaces(file));
            break;
    }
    return lines;
}

bool IsWebRow(const std::string& row) {
    return Trim(row).starts_with("http");
}

// --- The degrees screen's artistic studies ---------------------------------------------------

namespace {

using C = DegreesControl;

constexpr int kArtsReadWidth = 90;  // the files' lines are padded to it, then kept to 60
constexpr int kLinksText = 173;

}  // namespace

ArtsKind DegreesScreen::artsKind() const {
    if (state_.plasticArtsMode) return ArtsKind::PlasticArts;
    if (state_.musicMode) return ArtsKind::Music;
    if (state_.danceMode) return ArtsKind::Dance;
    return ArtsKind::Drama;
}

void DegreesScreen::BotArtesPlasClick() {
    openArts(ArtsKind::PlasticArts);
}

void DegreesScreen::BotMusicaClick() {
    openArts(ArtsKind::Music);
}

void DegreesScreen::BotDanzaClick() {
    openArts(ArtsKind::Dance);
}

void DegreesScreen::BotDramaticoClick() {
    openArts(ArtsKind::Drama);
}

void DegreesScreen::openArts(ArtsKind kind) {
    Handler h(*this);
    state_.artsMode = true;
    state_.plasticArtsMode = kind == ArtsKind::PlasticArts;
    state_.musicMode = kind == ArtsKind::Music;
    state_.danceMode = kind == ArtsKind::Dance;
    state_.dramaMode = kind == ArtsKind::Drama;
    state_.otherStudiesMode = false;
    state_.doublesMode = false;
    state_.degreeListMode = false;
    state_.artSpecialities.clear();
    for (C c : {C::PanelMenu, C::PanelMenu2, C::PanelMenu4, C::GridNotas, C::RichSalidas,
                C::listSel2, C::ListComunidad, C::PanelEstrellas})
        setVisible(c, false);
    for (C c : {C::PanelSel, C::PanelSelTit, C::ListSel, C::BotRetroceder, C::BotImprimirN,
                C::BotArtesTit, C::BotArtesEsp, C::BotArtesLug, C::PanelCarSel})
        setVisible(c, true);
    setTitleBar("");
    view_.caption[static_cast<size_t>(C::PanelCarSel)] =
        cp1252::Decode(enlace_.texts[ArtsCaptionText(kind)]);
    touch(DegreesChanges::Captions);
    setCursor(C::ListSel, CursorKind::NoDrop);
    ListSelMouseMove();

    // Read at every opening. A file that cannot be read is reported with its path; the list
    // stays empty rather than showing the kind opened before.
    state_.artsFile.lines.clear();
    RunSetUp(enlace_.messages, [this, kind] {
        LineTable table = MakePaddedTable();
        const QString path = enlace_.paths.languageFile(QString::fromLatin1(ArtsFileName(kind)));
        if (!enlace_.readers.ReadPaddedTable(path, table, kArtsReadWidth)) return;
        for (int k = 1; k <= table.count; ++k) state_.artsFile.lines.push_back(table[k]);
    });
    setSelLines(state_.artsFile.titles());
    scroll(C::ListSel, 0, true);
}

void DegreesScreen::BotArtesTitClick() {
    if (!state_.artsMode) return;
    Handler h(*this);
    setCursor(C::ListSel, CursorKind::NoDrop);
    setSelLines(state_.artsFile.titles());
    scroll(C::ListSel, 0, true);
}

void DegreesScreen::BotArtesEspClick() {
    if (!state_.artsMode) return;
    Handler h(*this);
    setCursor(C::ListSel, CursorKind::NoDrop);
    if (state_.plasticArtsMode) {
        state_.artSpecialities = PlasticSpecialities(state_.artsFile);
        setCommunityLines(state_.artSpecialities);
        // The list takes the map's place, as it does for the places of a community.
        setVisible(C::PanelEstrellas, false);
        setVisible(C::ListComunidad, true);
        scroll(C::ListComunidad, 0, true);
    } else {
        setSelLines(state_.artsFile.specialityLines());
        scroll(C::ListSel, 0, true);
    }
    changes_.panelSelTransition = TransitionKind::Radial;
}

void DegreesScreen::plasticSpecialityClick(int row) {
    if (row < 0 || static_cast<size_t>(row) >= state_.artSpecialities.size()) return;
    Handler h(*this);
    setTitleBar(std::string(Trim(state_.artSpecialities[static_cast<size_t>(row)])));
    std::vector<std::string> lines =
        PlasticPlacesOfSpeciality(state_.artsFile, enlace_.degreeTables, row);
    if (lines.empty()) {
        setSelLines({});
        return;
    }
    setSelLines(std::move(lines));
    scroll(C::ListSel, 0, true);
    setCursor(C::ListSel, CursorKind::Hand);
    changes_.panelSelTransition = TransitionKind::Roll;
}

void DegreesScreen::BotArtesLugClick() {
    if (!state_.artsMode) return;
    Handler h(*this);
    if (state_.plasticArtsMode) {
        setVisible(C::ListComunidad, false);
        setVisible(C::PanelMenu, false);
        for (C c : {C::PanelEstrellas, C::PanelSel, C::PanelSelTit, C::ListSel, C::BotRetroceder})
            setVisible(c, true);
        setCursor(C::ListSel, CursorKind::NoDrop);
        return;
    }
    setSelLines(ArtsPlaces(artsKind(), state_.artsFile, enlace_.degreeTables));
    scroll(C::ListSel, 0, true);
    setCursor(C::ListSel, CursorKind::Hand);
    changes_.panelSelTransition = TransitionKind::Radial;
}

void DegreesScreen::plasticArtsMapClick(int community) {
    Handler h(*this);
    setTitleBar(CommunityName(enlace_.degreeTables, community));
    setSelLines(PlasticPlacesOfCommunity(state_.artsFile, community));
    scroll(C::ListSel, 0, true);
    setCursor(C::ListSel, CursorKind::Hand);
    changes_.panelSelTransition = TransitionKind::Roll;
}

void DegreesScreen::ListSelDblClick(int row) {
    if (!state_.artsMode || row < 0 || static_cast<size_t>(row) >= state_.selLines.size()) return;
    const std::string& text = state_.selLines[static_cast<size_t>(row)];
    if (!IsWebRow(text)) return;
    Handler h(*this);
    opener_.open(cp1252::Decode(Trim(text)));
}

void DegreesScreen::ListSelMouseMove() {
    Handler h(*this);
    // In the arts lists the hint is offered only where the rows link somewhere.
    const bool offered =
        !state_.artsMode || view_.cursor[static_cast<size_t>(C::ListSel)] == CursorKind::Hand;
    const QString hint =
        offered ? cp1252::Decode("Clic~Clic - " + enlace_.texts[kLinksText]) : QString();
    if (view_.setHint(C::ListSel, hint)) touch(DegreesChanges::Captions);
}

}  // namespace velmora
