#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/guidance/star_map.h"
#include "core/shared/enlace.h"
#include "core/university/degree_fixture.h"
#include "core/university/degree_load.h"
#include "core/university/degrees_screen.h"
#include "support/recording_messages.h"
#include "support/recording_opener.h"
#include "support/recording_printing.h"
#include "support/test_texts.h"

namespace velmora::testing {

// A communities grid in which column x belongs to community x (1..19) and the columns beyond
// are sea, the same on every row.
inline std::string ColumnRegions() {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(RegionMaps::kFileSize));
    for (int x = 1; x <= RegionMaps::kWidth; ++x)
        for (int k = 1; k <= RegionMaps::kValuesPerRecord; ++k) {
            const char v = static_cast<char>(k <= RegionMaps::kCommunityHeight && x <= 19 ? x : 0);
            bytes += v;
            bytes.append(3, '\0');
        }
    return bytes;
}

// The degrees screen and its star map over the small degree folder, with interface text N
// reading "texto N". Tests rewrite files of the folder before calling load().
class DegreesScreenFixture {
  public:
    DegreesScreenFixture() {
        NumberTexts(enlace.texts);
        enlace.settings.schoolName = QStringLiteral("IES Miralbueno ");
        bool stop = false;
        enlace.regionMaps.LoadRegionGrids(folder.write(QStringLiteral("puntos3"), ColumnRegions()),
                                          messages, stop);
        enlace.regionMaps.SetMarkerPoints();
    }

    // Loads the tables and creates the screen with its star map.
    DegreesScreen& load() {
        screen = std::make_unique<DegreesScreen>(enlace, opener, printing);
        created = screen->FormCreate();
        screen->attachStarMap(&starMap);
        screen->takeChanges();
        return *screen;
    }

    // Loads the tables and shows the screen's menu, its changes taken.
    DegreesScreen& openMenu() {
        DegreesScreen& s = load();
        s.botinformacionClick();
        s.takeChanges();
        return s;
    }

    // Writes `count` degrees "Grado 01".. of the given branches (cycled), all offered at place 1
    // with a mark of 50 + k, none in a group and without double degrees.
    void degreesAtOnePlace(int count, const std::vector<int>& branches) {
        std::vector<std::string> names, places, marks, titles, attributes;
        for (int k = 1; k <= count; ++k) {
            names.push_back((k < 10 ? "Grado 0" : "Grado ") + std::to_string(k));
            places.push_back("1;1");
            marks.push_back("1;" + std::to_string(50 + k));
            titles.push_back("1;0");
            const int branch = branches[static_cast<size_t>(k - 1) % branches.size()];
            attributes.push_back(std::to_string(branch) + ";0;0;0;0;0;0;0;0;" +
                                 std::to_string(100 + k) + ";0;0;0;0");
        }
        std::vector<std::string> offerings = places;
        offerings.insert(offerings.end(), marks.begin(), marks.end());
        offerings.insert(offerings.end(), titles.begin(), titles.end());
        folder.language("carreran", names);
        folder.data("datcarnphp", offerings);
        folder.data("datgradosphp", attributes);
        folder.data("dobles", {" 1Universidad de Granada"});
    }

    // Six other studies (a heading, pages, the document row, a portal row, a group heading)
    // whose pages hold a heading and a line, and a short masters text.
    void writeOtherStudies() {
        folder.language("otros", {"   DEPORTES", "Tecnico Deportivo", "Centros (documento)",
                                  "  1 Cursos superiores", "   GRUPO", "Guardia Civil"});
        std::vector<std::string> blocks;
        for (int b = 1; b <= 6; ++b) {
            blocks.push_back("#0" + std::to_string(b));
            for (int k = 1; k <= 50; ++k)
                blocks.push_back(k == 1 ? "- Pagina " + std::to_string(b) : k == 2 ? "Texto" : "");
        }
        folder.language("asignaot", blocks);
        folder.language("master.txt", {"- Que es un master", "* Habilitantes", "Texto"});
    }

    const DegreesState& state() const { return screen->state(); }
    const DegreesView& view() const { return screen->view(); }
    bool visible(DegreesControl c) const { return view().visible[static_cast<size_t>(c)]; }
    const std::string& cell(size_t row, size_t column) const {
        return state().gridCells.at(row).at(column);
    }

    DegreeFolder folder;
    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
    RecordingOpener opener;
    RecordingPrinting printing;
    StarMap starMap{enlace};
    std::unique_ptr<DegreesScreen> screen;
    bool created = false;
};

}  // namespace velmora::testing
