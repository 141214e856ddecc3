#include "core/vocational/level_screen_fixture.h"

#include <QFile>

#include "core/shared/cp1252.h"
#include "core/shared/setup_guard.h"
#include "core/vocational/vocational_load.h"

namespace velmora::testing {
namespace {

// Each map's regions as bands of whole columns, region r from x = (r - 1) * width + 1.
int BandWidth(RegionMap map) {
    switch (map) {
        case RegionMap::Communities:
            return 14;
        case RegionMap::C:
            return 6;
        case RegionMap::M:
            return 10;
    }
    return 1;
}

int RegionOfColumn(RegionMap map, int x) {
    const int r = (x - 1) / BandWidth(map) + 1;
    return r <= RegionMaps::LastRegion(map) ? r : 0;
}

std::string RegionFile() {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(RegionMaps::kFileSize));
    auto put = [&](int value) {
        for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<char>((value >> (8 * b)) & 0xFF));
    };
    for (int x = 1; x <= RegionMaps::kWidth; ++x) {
        for (int y = 1; y <= RegionMaps::kCommunityHeight; ++y)
            put(RegionOfColumn(RegionMap::Communities, x));
        for (int y = 1; y <= RegionMaps::kDivisionHeight; ++y) put(RegionOfColumn(RegionMap::C, x));
        for (int y = 1; y <= RegionMaps::kDivisionHeight; ++y) put(RegionOfColumn(RegionMap::M, x));
    }
    return bytes;
}

}  // namespace

int RegionX(RegionMap map, int region) {
    return (region - 1) * BandWidth(map) + 1;
}

LevelFolder::LevelFolder() {
    std::vector<std::string> communities = {"01Andalucia",
                                            "11Aragon",
                                            "15Asturias",
                                            "16Illes Balears",
                                            "17Canarias",
                                            "19Cantabria",
                                            "20Castilla-La Mancha",
                                            "25Castilla y Leon",
                                            "34Cataluna",
                                            "40Extremadura",
                                            "42Galicia",
                                            "46La Rioja",
                                            "47Madrid",
                                            "53Murcia",
                                            "54Navarra",
                                            "55Comunitat Valenciana",
                                            "59Pais Vasco",
                                            "63Ceuta",
                                            "64Melilla"};
    for (const char* p : {"Huesca", "Teruel", "Zaragoza (capital)", "Zaragoza (provincia)"})
        communities.push_back(std::string("02") + p);
    for (const char* p : {"Barcelona (comarcas)", "Barcelona (ciudad)", "Girona", "Lleida",
                          "Tarragona", "Terres de l'Ebre"})
        communities.push_back(std::string("09") + p);
    for (const char* p : {"Madrid-Capital (centro y norte)", "Madrid-Capital (sur y este)",
                          "Madrid-Norte", "Madrid-Sur", "Madrid-Este", "Madrid-Oeste"})
        communities.push_back(std::string("13") + p);
    data("comunida", communities);

    lu[0] = {CentreLine('6', "Huesca           IES Sierra de Guara", ' ', "974000001"),
             CentreLine('6', "Huesca           IES Pirineos", ' ', "974000002"),
             CentreLine('6', "Jaca             IES Domingo Miral", ' ', "974000003"),
             CentreLine('J', "Zaragoza CIFP Los Enlaces", ' ', "976000004"),
             CentreLine('1', "Oviedo           IES Aramo", ' ', "985000005")};
    data("lu1", lu[0]);
    offersGMLines = {"2;2;4", "0",   "1;2",     "1;4", "1;2",       // lu1
                     "0",     "1;4", "1;2",     "0",   "0",   "0",  // lu2
                     "0",                                           // lu3
                     "0",     "1;2", "2;2;300", "1;8"};             // lu4
    data("datluggmphp", offersGMLines);
    data("datluggsphp", {"1;2", "1;5", "0", "0", "1;54", "0", "1;8", "0", "0", "0", "0", "1;56",
                         "0", "2;8;10", "0", "1;4"});
    data("datlugbasphp",
         {"1;2", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});

    comarcas.resize(41);
    comarcas.insert(comarcas.end(), {"5LBadalona", "5MHospitalet", "5NSant Adria", "5OSanta Coloma",
                                     "--Districtes de Barcelona:", "5PCiutat Vella"});
    data("comarcas", comarcas);

    QFile::copy(QStringLiteral(VELMORA_BUNDLED_DATA) + QStringLiteral("cas/textos"),
                file(QStringLiteral("cas/textos")));
    language("informa_l", {"13Titulo de Graduado en ESO", "13o prueba de acceso", "22Bachillerato",
                           "23Titulo de ESO y prueba especifica"});
    language("materias_l", {" 1Materia"});
    write(QStringLiteral("puntos3"), RegionFile());
}

LevelScreenFixture::LevelScreenFixture() {
    enlace.setLanguage(0);
    enlace.LoadInterfaceTexts();
    enlace.LoadKeyedLines();
    enlace.regionMaps.SetMarkerPoints();
    enlace.regionMaps.LoadRegionGrids(folder.file(QStringLiteral("puntos3")), messages,
                                      enlace.stopFlag);
}

void LevelScreenFixture::load() {
    enlace.readers.ReadPaddedTable(folder.file(QStringLiteral("comunida")),
                                   enlace.degreeTables.communities, 55);
    RunSetUp(messages, [&] {
        LoadFpHigher(enlace);
        LoadCentreLists(enlace);
        LoadFpHigherPlaces(enlace);
        LoadComarcas(enlace);
        LoadFpMiddle(enlace);
        LoadFpMiddlePlaces(enlace);
        LoadFpBasic(enlace);
    });
}

void LevelScreenFixture::create() {
    screen = createLevel(std::make_unique<IntermediateScreen>(enlace, printing, sound));
}

void LevelScreenFixture::clickCommunity(int community) {
    level->mapaMouseMove(RegionX(RegionMap::Communities, community), 50);
    level->mapaClick();
}

void LevelScreenFixture::clickComarca(int comarca) {
    level->mapacMouseMove(RegionX(RegionMap::C, comarca), 50);
    level->mapacClick();
}

void LevelScreenFixture::clickZone(int zone) {
    level->mapamMouseMove(RegionX(RegionMap::M, zone), 50);
    level->mapamClick();
}

QString LevelScreenFixture::qtext(int n) const {
    return cp1252::Decode(enlace.texts[n]);
}

std::vector<std::string> LevelScreenFixture::gridColumn(int column) const {
    std::vector<std::string> out;
    for (const ListingRow& row : level->state().gridCells)
        out.push_back(row[static_cast<size_t>(column)]);
    return out;
}

std::vector<std::string> LevelScreenFixture::placeTexts() const {
    std::vector<std::string> out;
    for (const Cell& cell : level->view().placeRows) out.push_back(cp1252::Encode(cell.text));
    return out;
}

std::vector<std::string> LevelScreenFixture::printedLines() const {
    std::vector<std::string> out;
    if (printing.reports.empty()) return out;
    const Report& report = printing.reports.back();
    out.push_back(cp1252::Encode(report.title));
    for (const ReportLine& line : report.lines) out.push_back(cp1252::Encode(line.text));
    return out;
}

}  // namespace velmora::testing
