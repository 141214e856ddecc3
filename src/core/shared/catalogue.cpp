#include "core/shared/catalogue.h"

#include <algorithm>
#include <array>

namespace velmora {
namespace {

using enum Folder;
using enum ReaderKind;

constexpr CatalogueEntry kCatalogue[] = {
    {"textos", Language, TextTable, 0, 0, 0, "start-up"},
    {"informa_l", Language, FixedLines, 60, 0, 0, "start-up"},
    {"materias_l", Language, FixedLines, 60, 0, 0, "start-up"},
    {"portada", Data, Bitmap, 0, 0, 0, "TBienvenida"},  // shown when present
    {"parte", Data, Bitmap, 0, 0, 0, "start-up"},
    {"suelo", Data, Bitmap, 0, 0, 0, "start-up"},
    {"marco", Data, Bitmap, 0, 0, 0, "start-up"},
    {"marcoar", Data, Bitmap, 0, 0, 0, "start-up"},
    {"rotulon.bmp", Data, Bitmap, 0, 0, 0, "Tform0"},
    {"chica.bmp", Data, Bitmap, 0, 0, 0, "start-up"},
    {"heli.bmp", Data, Bitmap, 0, 0, 0, "start-up"},
    {"motor.wav", Working, Sound, 0, 0, 0, "TForm5"},
    {"mapa", Data, Bitmap, 0, 0, 0, "start-up"},
    {"mapac", Data, Bitmap, 0, 0, 0, "start-up"},
    {"mapam", Data, Bitmap, 0, 0, 0, "start-up"},
    {"puntos3", Data, RegionGrids, 0, 0, 0, "start-up"},
    {"segdxg1.DXG", Data, ImageLibrary, 0, 0, 0, "Tform9"},
    {"vector.DXG", Data, ImageLibrary, 0, 0, 0, "Tform9"},
    {"cursespe", Language, OwnFormat, 0, 0, 0, "Tform0"},
    {"comunida", Data, PaddedTable, 55, 0, 0, "TForm1"},
    {"lugar", Data, OwnFormat, 0, 0, 0, "TForm1"},
    {"comuint", Data, OwnFormat, 0, 0, 0, "TForm1"},
    {"dobles", Data, OwnFormat, 0, 0, 0, "TForm1"},
    {"lu1", Data, PaddedTable, 60, 0, 0, "TForm1"},
    {"lu2", Data, PaddedTable, 60, 0, 0, "TForm1"},
    {"lu3", Data, PaddedTable, 60, 0, 0, "TForm1"},
    {"lu4", Data, PaddedTable, 60, 0, 0, "TForm1"},
    {"lu2", Data, PaddedTable, 60, 0, 0, "TFIniPro"},  // the basic screen's own copy
    {"datcarnphp", Data, DegreeLists, 0, 0, 0, "TForm1"},
    {"datgradosphp", Data, IntegerRows, 0, 14, 350, "TForm1"},
    {"materiasp", Language, OwnFormat, 0, 0, 0, "TForm1"},
    {"carreran", Language, PaddedTable, 60, 0, 0, "TForm1"},
    {"carreranb", Language, PaddedTable, 60, 0, 0, "TForm1"},
    {"carrenue", Language, FixedLines120, 0, 0, 0, "TForm1"},
    {"otros", Language, PaddedTable, 55, 0, 0, "TForm1"},
    {"asignaot", Language, Blocks51, 0, 0, 0, "TForm1"},
    {"grados.txt", Language, OwnFormat, 0, 0, 0, "TForm1"},
    {"master.txt", Language, OwnFormat, 0, 0, 0, "TForm1"},
    {"artesplas", Language, PaddedTable, 90, 0, 0, "TForm1"},
    {"musica", Language, PaddedTable, 90, 0, 0, "TForm1"},
    {"danza", Language, PaddedTable, 90, 0, 0, "TForm1"},
    {"dramatico", Language, PaddedTable, 90, 0, 0, "TForm1"},
    {"pdf/est/insercion", Data, OwnFormat, 0, 0, 0, "TFormEstGra"},
    {"pdf/est/resins", Data, OwnFormat, 0, 0, 0, "TFormEstGra"},
    {"pdf/est/", Data, Documents, 0, 0, 0, "TFormEstGra"},
    {"fami_estad.txt", Data, OwnFormat, 0, 0, 0, "TEstadisticas"},
    {"fp", Language, PaddedTable, 60, 0, 0, "TForm1"},
    {"fp", Language, MarkedLines, 60, 0, 0, "TForm1"},
    {"reqfp", Language, PaddedTable, 55, 0, 0, "TForm1"},
    {"asignafp", Language, Blocks26, 0, 0, 0, "TForm1"},
    {"familias", Language, RawTable, 0, 0, 0, "TForm1"},
    {"familias", Language, OwnFormat, 0, 0, 0, "TEstadisticas"},
    {"datfpsphp", Data, IntegerRows, 0, 24, 200, "TForm1"},
    {"datluggsphp", Data, CountedLists, 0, 0, 0, "TForm1"},
    {"fp2", Language, PaddedTable, 60, 0, 0, "TForm2"},
    {"fp2", Language, MarkedLines, 60, 0, 0, "TForm2"},
    {"asignagm", Language, Blocks26, 0, 0, 0, "TForm2"},
    {"datfpmphp", Data, IntegerRows, 0, 7, 200, "TForm2"},
    {"datluggmphp", Data, CountedLists, 0, 0, 0, "TForm2"},
    {"comarcas", Data, OwnFormat, 0, 0, 0, "TForm8"},
    {"comarcasm", Data, OwnFormat, 0, 0, 0, "TForm8"},
    {"fpba", Language, PaddedTable, 60, 0, 0, "TFIniPro"},
    {"fpba", Language, PaddedTable, 60, 0, 0, "TFormCat"},
    {"asignaba", Language, Blocks26, 0, 0, 0, "TFIniPro"},
    {"datlugbasphp", Data, CountedLists, 0, 0, 0, "TFIniPro"},
    {"certifica", Language, PaddedTable, 60, 0, 0, "TCertifica"},
    {"certificah", Language, RawTable90, 0, 0, 0, "TCertifica"},
    {"pdf/", Data, Documents, 0, 0, 0, "TForm6"},
    {"cuestiocua", Data, CountedBytes, 0, 0, 0, "TForm1"},
    {"cuestioint", Data, CountedBytes, 0, 0, 0, "TForm1"},
    {"cuestioESO", Data, CountedBytes, 0, 0, 0, "TForm1"},
    {"cuestion", Language, PaddedTable, 50, 0, 0, "TForm2"},
    {"cuesgm", Language, PaddedTable75, 75, 0, 0, "TForm2"},
    {"itinerar", Language, PaddedTable, 60, 0, 0, "TForm1"},
    {"itinerar", Language, PaddedTable, 54, 0, 0, "TForm2"},
    {"cualidad", Language, PaddedTable, 60, 0, 0, "TFormCon"},
    {"interes", Language, PaddedTable, 60, 0, 0, "TFormCon"},
    {"activida", Language, RawTable, 0, 0, 0, "TForm1"},
    {"activida", Language, OwnFormat, 0, 0, 0, "Tprofe"},
    {"profesio", Language, OwnFormat, 0, 0, 0, "TForm1"},
    {"profesio", Language, OwnFormat, 0, 0, 0, "Tprofe"},
    {"fracortas", Language, OwnFormat, 0, 0, 0, "Tprofe"},
    {"fralargas", Language, OwnFormat, 0, 0, 0, "Tprofe"},
};

// The set-ups this build runs. A screen adds its class here when it lands, and with it its files
// become required.
// Kept in the start-up's order of the set-ups.
constexpr std::array<std::string_view, 14> kBuiltLoaders = {
    "start-up", "Tform9",   "Tform0", "TEstadisticas", "TFormEstGra", "TForm7", "TForm1",
    "TForm8",   "TFormCon", "TForm2", "TFIniPro",      "TCertifica",  "Tprofe", "TFormCat"};

// Files this build does not read yet even where their set-up runs: the sounds, image libraries
// and files of their own format join with the code that reads them.
constexpr std::array<ReaderKind, 3> kKindsNotReadYet = {Sound, OwnFormat, Documents};
// The files of their own format whose parser this build has.
constexpr std::array<std::string_view, 11> kOwnFormatsRead = {
    "cursespe",  "comarcas", "comarcasm",      "activida",          "profesio",      "fracortas",
    "fralargas", "familias", "fami_estad.txt", "pdf/est/insercion", "pdf/est/resins"};

bool ParserBuilt(const CatalogueEntry& entry) {
    if (entry.reader == OwnFormat)
        return std::find(kOwnFormatsRead.begin(), kOwnFormatsRead.end(), entry.file) !=
               kOwnFormatsRead.end();
    return std::find(kKindsNotReadYet.begin(), kKindsNotReadYet.end(), entry.reader) ==
           kKindsNotReadYet.end();
}

}  // namespace

std::span<const CatalogueEntry> DataCatalogue() {
    return kCatalogue;
}

bool ReadByThisBuild(const CatalogueEntry& entry) {
    return std::find(kBuiltLoaders.begin(), kBuiltLoaders.end(), entry.loadedBy) !=
               kBuiltLoaders.end() &&
           ParserBuilt(entry);
}

std::string_view ReaderName(ReaderKind kind) {
    switch (kind) {
        case TextTable:
            return "ReadTextTable";
        case PaddedTable:
            return "ReadPaddedTable";
        case PaddedTable75:
            return "ReadPaddedTable75";
        case RawTable:
            return "ReadRawTable";
        case RawTable90:
            return "ReadRawTable90";
        case FixedLines:
            return "ReadFixedLines";
        case FixedLines120:
            return "ReadFixedLines120";
        case MarkedLines:
            return "ReadMarkedLines";
        case Blocks26:
            return "ReadBlocks26";
        case Blocks51:
            return "ReadBlocks51";
        case IntegerRows:
            return "ReadIntegerRows";
        case CountedLists:
            return "ReadCountedLists";
        case CountedBytes:
            return "ReadCountedBytes";
        case DegreeLists:
            return "degree lists";
        case Bitmap:
            return "picture";
        case Sound:
            return "sound";
        case ImageLibrary:
            return "image library";
        case RegionGrids:
            return "region grids";
        case OwnFormat:
            return "own format";
        case Documents:
            return "documents";
    }
    return "?";
}

}  // namespace velmora
