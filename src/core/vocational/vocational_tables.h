#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared/readers.h"
#include "core/shared/tables.h"

namespace velmora {

// The headers of a title file ("fp" or "fp2"): the text of header k (columns 2-61 of its line,
// padded to 60) in entry k and its title number, the header's own line in the file.
struct TitleHeaders {
    static constexpr int kCapacity = 1100;

    LineTable texts = MakeMarkedLinesTable();
    // Title number of header k in entry k; entry count() + 1 holds the end sentinel where a
    // loader sets one (the line after the last title of the file).
    std::vector<int> titleNumbers = std::vector<int>(kCapacity + 2);

    int count() const { return texts.count; }
    // Title number of header k; 0 outside 1..count() + 1.
    int titleNumber(int k) const;
    // Makes the line after the last family's titles the end of a file of `lineCount` lines.
    void setEndSentinel(int lineCount);
};

// The change of catalogue generation in "fp" and "fp2": the first line whose second character
// is "|", the first whose second character is "!", and the number of the first "|" header less
// one. A value no line gives keeps what it held (0 at start).
struct CatalogueMarks {
    int firstBarLine = 0;
    int firstBangLine = 0;
    int barHeaderBase = 0;
};

// One family group of "familias": a name and three header numbers (0 = empty slot).
struct FamilyGroup {
    std::string name;
    std::array<int, 3> headers{};
};

// The nine family groups a screen keeps, group g in entry g.
struct FamilyGroups {
    static constexpr int kGroups = 9;
    std::array<FamilyGroup, kGroups + 1> groups;
    int count = 0;

    const FamilyGroup& group(int g) const;
};

// A comarca or district of Catalonia, or a line of a Madrid zone.
struct AreaEntry {
    std::string name;
    std::string code;  // two characters
    int zone = 0;      // Madrid only: the zone 1..28 of the line
};

// "comarcas": entries 1..60 (comarca m in entry m for the 41 comarcas, the list the Barcelonès
// opens in entries 42 on), the comarca number of line k in order[k], and the count.
struct ComarcaTable {
    static constexpr int kEntries = 60;
    static constexpr int kComarcas = 41;
    static constexpr int kNameWidth = 20;
    static constexpr int kDistrictNameWidth = 30;
    std::array<AreaEntry, kEntries + 1> entries;
    std::array<int, kComarcas + 1> order{};
    int count = 0;
};

// "comarcasm": lines 1..100 (name, code, zone), and for every zone 1..28 the numbers of its
// lines (at most three, in file order).
struct MadridZoneTable {
    static constexpr int kLines = 100;
    static constexpr int kZones = 28;
    static constexpr int kLinesPerZone = 3;
    static constexpr int kNameWidth = 25;
    std::array<AreaEntry, kLines + 1> entries;
    std::array<std::vector<int>, kZones + 1> zoneLines;
    int count = 0;
};

// One certificate area of "certifica" lines 1-9: the eight family keys of its families and
// its name.
struct CertificateArea {
    std::string code;  // columns 1-8
    std::string name;  // columns 9-60
};

// What "datfpsphp" says of a GS title, by the meaning of its columns (the file's fields 1-24).
struct GSTitleFacts {
    std::array<int, 4> itineraries{};   // lines of "itinerar" the title belongs to; 0 = none
    std::array<int, 13> accessLines{};  // lines of "reqfp", in display order; 0 = none
    std::array<int, 6> professions{};   // lines of "profesio"; 0 = none
    int family = 0;                     // 1..26; 0 = none
};

// What "datfpmphp" says of a GM title (the file's fields 1-7).
struct GMTitleFacts {
    std::array<int, 3> professions{};         // lines of "profesio"; 0 = none
    int family = 0;                           // 1..26
    std::array<int, 3> questionnaireItems{};  // items of "cuesgm" that lead to the title; 0 = none
};

// The vocational levels, for the tables that exist once per level.
enum class Level { Higher, Intermediate, Basic };

// The tables of vocational training, filled by the loaders of vocational_load.h when their
// screens are created and only read afterwards. Title numbers are lines of the level's title
// file; centre c of list k is line c of centre list k.
struct VocationalTables {
    static constexpr int kTitles = 200;  // per-title tables
    static constexpr int kFamilies = 26;
    static constexpr int kCentreLists = 4;
    static constexpr int kCentres = 1100;  // lines of a centre list
    static constexpr int kOffersPerCentre = 25;
    static constexpr int kFactsGSColumns = 25;
    static constexpr int kFactsGSFields = 24;  // read from each line; column 25 stays 0
    static constexpr int kFactsGMColumns = 7;
    static constexpr int kFamilyFieldGS = 24;  // the field (from 1) of the family number
    static constexpr int kFamilyFieldGM = 4;
    static constexpr int kBasicHeaders = 26;
    static constexpr int kHeaderLineLimit = 255;  // header lines kept as bytes by the screens
    static constexpr int kCertificateAreas = 9;
    static constexpr int kCertificateHeaders = 30;
    static constexpr int kHourLabelWidth = 30;
    static constexpr int kProvinceCodes = 64;
    static constexpr int kLocality = 17;
    static constexpr int kWideLocality = 35;
    static constexpr int kAreaColumn = 45;  // 1-based column of the comarca, district or zone

    // Higher level ("fp", "reqfp", "asignafp", "datfpsphp", "datluggsphp").
    LineTable titlesGS = MakePaddedTable();  // TitlesGS; entry 0 = interface text 294
    TitleHeaders headersGS;                  // HeadersGS
    CatalogueMarks marksGS;
    LineTable accessLinesGS = MakePaddedTable();  // AccessLinesGS; entry 0 = interface text 277
    BlockTable blocksGS = MakeBlocks26();         // BlocksGS
    IntGrid factsGS{kTitles, kFactsGSColumns};    // FactsGS
    std::array<IntGrid, kCentreLists> offersGS{MakeCountedListTable(), MakeCountedListTable(),
                                               MakeCountedListTable(), MakeCountedListTable()};

    // Intermediate level ("fp2", "asignagm", "datfpmphp", "datluggmphp").
    LineTable titlesGM = MakePaddedTable();  // TitlesGM
    TitleHeaders headersGM;                  // HeadersGM, with its end sentinel
    CatalogueMarks marksGM;
    BlockTable blocksGM = MakeBlocks26();       // BlocksGM
    IntGrid factsGM{kTitles, kFactsGMColumns};  // FactsGM
    std::array<IntGrid, kCentreLists> offersGM{MakeCountedListTable(), MakeCountedListTable(),
                                               MakeCountedListTable(), MakeCountedListTable()};

    // Basic level ("fpba", "asignaba", "datlugbasphp").
    LineTable titlesBasic = MakePaddedTable();          // TitlesBasic
    BlockTable blocksBasic = MakeBlocks26();            // BlocksBasic
    std::array<int, kBasicHeaders + 1> basicHeaders{};  // BasicHeaders: title number of header k
    int basicHeaderCount = 0;
    std::array<IntGrid, kCentreLists> offersBasic{MakeCountedListTable(), MakeCountedListTable(),
                                                  MakeCountedListTable(), MakeCountedListTable()};

    // "familias" (count forced to 26) and the screens' copies of its groups.
    LineTable families = MakeRawTable();    // Families
    FamilyGroups familyGroups;              // the degrees screen's copy of lines 30-38
    FamilyGroups intermediateFamilyGroups;  // the intermediate screen's copy of lines 30-38
    FamilyGroups basicFamilyGroups;         // BasicFamilyGroups, lines 40-48

    // The centre lists "lu1".."lu4" (list k in entry k-1) and the basic screen's own copy of lu2.
    std::array<LineTable, kCentreLists> centreLists{MakePaddedTable(), MakePaddedTable(),
                                                    MakePaddedTable(), MakePaddedTable()};
    LineTable basicLu2 = MakePaddedTable();

    // Comarcas, Madrid zones and the area code of every line of lu4 and of lu2.
    ComarcaTable comarcas;                                                           // Comarcas
    MadridZoneTable madridZones;                                                     // MadridZones
    std::vector<std::string> areaCodesCat = std::vector<std::string>(kCentres + 1);  // lu4
    std::vector<std::string> areaCodesMadrid = std::vector<std::string>(kCentres + 1);  // lu2
    // Set once the shared lu4 and lu2 carry their conversions; a new read of them clears it.
    bool areaCodesBuilt = false;

    // Professional certificates ("certifica", "certificah").
    LineTable certificates = MakePaddedTable();  // Certificates, the lines after the nine areas
    std::array<CertificateArea, kCertificateAreas + 1> certificateAreas;
    std::vector<int> certificateHeaders;            // CertificateHeaders: entry numbers, in order
    LineTable certificateHours = MakeRawTable90();  // CertificateHours, after the nine labels
    std::array<std::string, kCertificateAreas + 1> hourLabels;

    std::array<std::string, kProvinceCodes + 1> provinceCodes;  // ProvinceCodes, entries 1..64

    // The facts of GS title t and GM title t by meaning; all 0 for a row outside the tables.
    // Screens read the facts only through these, never by cell number.
    GSTitleFacts factsOfGS(int title) const;
    GMTitleFacts factsOfGM(int title) const;

    // The title file, headers, offers and centre lists of a level. The basic level searches its
    // own copy of lu2.
    const LineTable& titles(Level level) const;
    const std::array<IntGrid, kCentreLists>& offers(Level level) const;
    const LineTable& centreList(Level level, int list) const;  // list 1..4
};

}  // namespace velmora
