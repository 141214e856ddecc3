#pragma once

#include <QString>

#include "core/vocational/vocational_tables.h"

namespace velmora {

class Enlace;
class Messages;

// The loaders of the vocational files, each called by the screen that loads them, in the
// creation order of the screens: the degrees screen (LoadFpHigher, LoadCentreLists,
// LoadFpHigherPlaces), the higher-level screen (LoadComarcas), the itineraries screen
// (LoadFpMiddle, LoadFpMiddlePlaces), the intermediate screen (LoadIntermediateFamilyGroups),
// the basic screen (LoadFpBasic) and the certificates screen (LoadCertificates). All fill
// enlace.vocational.
//
// A missing file that must exist (the title files, their blocks, "reqfp", "familias", the centre
// lists, "certifica", "certificah") shows the missing-file message, sets the stop flag and leaves
// its table as it was. A missing file of the others and data beyond the tables' limits throw
// DataError with the file and line, to be caught by the screen's RunSetUp; a refused file leaves
// its table as it was.

// "fp" (titles and headers), "reqfp", "asignafp", "familias" (count forced to 26), the degrees
// screen's family groups and the catalogue marks of fp.
void LoadFpHigher(Enlace& enlace);
// "lu1".."lu4" into the shared centre lists (their area codes are then to be built again).
void LoadCentreLists(Enlace& enlace);
// "datfpsphp" into FactsGS and "datluggsphp" into OffersGS; after the centre lists.
void LoadFpHigherPlaces(Enlace& enlace);
// "fp2" (titles and headers, with the end sentinel after the last header), "asignagm" and the
// catalogue marks of fp2.
void LoadFpMiddle(Enlace& enlace);
// "datluggmphp" into OffersGM, then "datfpmphp" into FactsGM.
void LoadFpMiddlePlaces(Enlace& enlace);
// "comarcas" and "comarcasm", then the area codes of lu4 and lu2 with their edits of both lists.
void LoadComarcas(Enlace& enlace);
// The intermediate screen's copy of the family groups (lines 30-38 of "familias").
void LoadIntermediateFamilyGroups(Enlace& enlace);
// "datlugbasphp", "fpba", "asignaba", the basic family groups, BasicHeaders and the basic
// screen's own copy of lu2.
void LoadFpBasic(Enlace& enlace);
// "certifica" and "certificah".
void LoadCertificates(Enlace& enlace);
// (Re)writes the 64 province codes.
void FillProvinceCodes(VocationalTables& tables);

// The parts the loaders are made of, for the screens that read a file again and for the checker.

// The nine groups of "familias" from line `firstLine` on (30 or 40): columns 1-2, 3-4 and 5-6
// three header numbers (blank or a leading zero allowed), columns 7-60 the name, trimmed. A slot
// that is not a number is refused with the file and line.
FamilyGroups ReadFamilyGroups(const LineTable& families, int firstLine, const QString& path);

// The catalogue marks of a title file from its lines and headers; a mark no line gives keeps
// its value in `marks`.
void ComputeCatalogueMarks(const LineTable& titles, const TitleHeaders& headers,
                           CatalogueMarks& marks);

// BasicHeaders of a basic title file: the title numbers of its "-" lines, at most 26, each at
// most 255; anything beyond is refused with the file and line.
void BuildBasicHeaders(const LineTable& titles, const QString& path, VocationalTables& tables);

// CertificateHeaders of "certifica" read whole (the nine areas in lines 1-9): the entry numbers,
// counted after the areas, of the lines whose column 2 is "-"; at most 30, each at most 255,
// anything beyond refused with the file and line.
std::vector<int> CertificateHeaderEntries(const LineTable& certifica, const QString& path);

// The own readers of "comarcas" and "comarcasm". A line whose columns 3-4 are not a number shows
// "mal " and the line's number (comarcas) or the number of lines accepted so far (comarcasm),
// and reading stops with what was read so far stored (without the zone lists for comarcasm).
void ReadComarcas(const QString& path, Messages& messages, ComarcaTable& table);
void ReadMadridZones(const QString& path, Messages& messages, MadridZoneTable& table);

// The area codes of lu4 and lu2: "A" lines of lu4 become "5" and "H" lines of lu2 become "8";
// from the first "5" line of lu4 to its end, and from the first "8" line of lu2 to the line before
// the first "D" line, a line's code is its first character and its column 45, and column 45
// becomes a blank. Done once per reading of the centre lists, so that building them again gives
// the same codes.
void BuildAreaCodes(VocationalTables& tables);

// Blanks column 45 of the Madrid lines of a copy of lu2 (first "8" line to the line before the
// first "D" line), as the basic screen keeps it.
void BlankMadridAreaColumn(LineTable& lu2);

}  // namespace velmora
