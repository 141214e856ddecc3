#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/vocational/vocational_tables.h"

namespace velmora {

class KeyedLines;

// Family keys: "1".."9" for families 1-9, "A".."Q" for families 10-26. Anything else is no
// family (0, or a blank key).
int FamilyNumberOfKey(char key);
char FamilyKeyOfNumber(int family);

// A line of a title file that starts with "-" is a family header; any other line is a title.
bool IsHeaderLine(std::string_view line);

// The title numbers first..last (empty when last < first).
struct TitleRange {
    int first = 0;
    int last = -1;
    bool empty() const { return last < first; }
    int size() const { return empty() ? 0 : last - first + 1; }
};

// The titles of the family of header h: the lines strictly between its header and the next
// header, or up to the last line of the file (lineCount) for the last header. Empty for a header
// number outside 1..count.
TitleRange TitlesOfFamily(const TitleHeaders& headers, int h, int lineCount);
// The same over the basic headers (title number of header k in headerLines[k], k = 1..count).
TitleRange TitlesOfFamily(const std::array<int, VocationalTables::kBasicHeaders + 1>& headerLines,
                          int count, int h, int lineCount);

// The header number whose family holds title t (the header itself for a header line); 0 for a
// line before the first header or outside the file.
int HeaderOfTitle(const TitleHeaders& headers, int title);

// The family number (1..26) of title t of a level: column 24 of FactsGS, column 4 of FactsGM,
// and for the basic level the number of its header (header k of "fpba" is family k). 0 when the
// title has none (the arts and sports titles) or t is no title of the level.
int FamilyOfTitle(const VocationalTables& tables, Level level, int title);

// The provinces whose centres are listed with 35-character localities at a level: "1J", "2H",
// "2G", "3G", "3E", "41", "45", "4A"; the basic level leaves out "2H".
bool IsWideProvince(Level level, std::string_view code);

// The locality of a centre line: its columns 2-18, or 2-36 in a wide province.
std::string_view Locality(std::string_view centreLine, bool wide);

// The entries of ProvinceCodes that belong to community c (1..19), from columns 1-2 of the
// "comunida" lines: s_c .. s_(c+1) - 1, and s_19 alone for the last community. Entries outside
// 1..64 and communities outside 1..19 give nothing.
std::vector<int> CommunityCodeEntries(const LineTable& communities, int community);

// Whether centre c of an offer table teaches title t (among the n numbers of its row).
bool CentreTeaches(const IntGrid& offers, int centre, int title);

// Whether any centre of the province with this code teaches title t at the level: the centre
// list named by the code's first character, its lines whose first character is the code's
// second one.
bool TitleRunsInProvince(const VocationalTables& tables, Level level, std::string_view code,
                         int title);

// Whether title t of the level is taught in community c: in any province code of the community.
bool TitleRunsInCommunity(const VocationalTables& tables, const LineTable& communities, Level level,
                          int community, int title);

// The icon (of ImageListIconos) every vocational list draws family f (1..26) with; -1 outside.
int FamilyIconIndex(int family);

// Entries first..last (from 1) of title t's block, as they stand.
std::vector<std::string> BlockEntries(const BlockTable& blocks, int title, int first, int last);

// What it takes to enter GM title t: the explanation lines keyed "13" before the first "|" line
// of fp2, "22" from it and "23" from the first "!" line. A mark no line of the file gives lies
// beyond every title, so that every title keeps the first generation's lines.
std::vector<std::string> GMRequirementLines(const VocationalTables& tables,
                                            const KeyedLines& informa, int title);

// A professional certificate, entry c of Certificates and of CertificateHours.
struct CertificateFacts {
    std::string name;  // columns 2-60, without trailing blanks
    // For each of its three requirement codes in order, every requirement label with that code
    // (label order), as the label's characters 2-29; a blank code names none.
    std::vector<std::string> requirements;
    std::string hours;        // characters 4-6
    std::string description;  // characters 8 to the end
};
CertificateFacts FactsOfCertificate(const VocationalTables& tables, int certificate);

}  // namespace velmora
