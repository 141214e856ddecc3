#include "core/vocational/vocational_queries.h"

#include <algorithm>
#include <array>
#include <climits>

#include "core/shared/fields.h"
#include "core/shared/keyed_lines.h"

namespace velmora {

int FamilyNumberOfKey(char key) {
    if (key >= '1' && key <= '9') return key - '0';
    if (key >= 'A' && key <= 'Q') return key - 'A' + 10;
    return 0;
}

char FamilyKeyOfNumber(int family) {
    if (family >= 1 && family <= 9) return static_cast<char>('0' + family);
    if (family >= 10 && family <= VocationalTables::kFamilies)
        return static_cast<char>('A' + family - 10);
    return ' ';
}

bool IsHeaderLine(std::string_view line) {
    return line.starts_with('-');
}

TitleRange TitlesOfFamily(const TitleHeaders& headers, int h, int lineCount) {
    if (h < 1 || h > headers.count()) return {};
    const int end = h < headers.count() ? headers.titleNumber(h + 1) : lineCount + 1;
    return {headers.titleNumber(h) + 1, end - 1};
}

TitleRange TitlesOfFamily(const std::array<int, VocationalTables::kBasicHeaders + 1>& headerLines,
                          int count, int h, int lineCount) {
    if (h < 1 || h > count || h > VocationalTables::kBasicHeaders) return {};
    const int end = h < count ? headerLines[static_cast<size_t>(h) + 1] : lineCount + 1;
    return {headerLines[static_cast<size_t>(h)] + 1, end - 1};
}

int HeaderOfTitle(const TitleHeaders& headers, int title) {
    if (title < 1) return 0;
    int found = 0;
    for (int k = 1; k <= headers.count(); ++k) {
        if (headers.titleNumber(k) > title) break;
        found = k;
    }
    return found;
}

int FamilyOfTitle(const VocationalTables& tables, Level level, int title) {
    const LineTable& titles = tables.titles(level);
    if (title < 1 || title > titles.count || IsHeaderLine(titles[title])) return 0;
    int family = 0;
    switch (level) {
        case Level::Higher:
            family = tables.factsOfGS(title).family;
            break;
        case Level::Intermediate:
            family = tables.factsOfGM(title).family;
            break;
        case Level::Basic:
            for (int k = 1; k <= tables.basicHeaderCount; ++k) {
                if (tables.basicHeaders[static_cast<size_t>(k)] < title) family = k;
            }
            break;
    }
    return family >= 1 && family <= VocationalTables::kFamilies ? family : 0;
}

bool IsWideProvince(Level level, std::string_view code) {
    static constexpr std::array<std::string_view, 8> kWide = {"1J", "2H", "2G", "3G",
                                                              "3E", "41", "45", "4A"};
    if (level == Level::Basic && code == "2H") return false;
    return std::find(kWide.begin(), kWide.end(), code) != kWide.end();
}

std::string_view Locality(std::string_view centreLine, bool wide) {
    if (centreLine.size() < 2) return {};
    return centreLine.substr(1,
                             wide ? VocationalTables::kWideLocality : VocationalTables::kLocality);
}

namespace {

// s_c: columns 1-2 of "comunida" line c as a number (blanks around it allowed), 0 when they
// are not one.
int FirstCodeEntry(const LineTable& communities, int community) {
    const auto value = ToInteger(Trim(Bounded(communities[community], 2)));
    return value ? *value : 0;
}

}  // namespace

std::vector<int> CommunityCodeEntries(const LineTable& communities, int community) {
    constexpr int kCommunities = 19;
    std::vector<int> entries;
    if (community < 1 || community > kCommunities) return entries;
    const int first = FirstCodeEntry(communities, community);
    const int end =
        community < kCommunities ? FirstCodeEntry(communities, community + 1) : first + 1;
    for (int s = std::max(first, 1); s < end && s <= VocationalTables::kProvinceCodes; ++s)
        entries.push_back(s);
    return entries;
}

bool CentreTeaches(const IntGrid& offers, int centre, int title) {
    const int n = std::min(offers.at(centre, 0), offers.columns() - 1);
    for (int j = 1; j <= n; ++j) {
        if (offers.at(centre, j) == title) return true;
    }
    return false;
}

bool TitleRunsInProvince(const VocationalTables& tables, Level level, std::string_view code,
                         int title) {
    if (code.size() < 2 || code[0] < '1' || code[0] > '4') return false;
    const int list = code[0] - '0';
    const char province = code[1];
    const LineTable& centres = tables.centreList(level, list);
    const IntGrid& offers = tables.offers(level)[static_cast<size_t>(list - 1)];
    for (int c = 1; c <= centres.count; ++c) {
        if (centres[c].starts_with(province) && CentreTeaches(offers, c, title)) return true;
    }
    return false;
}

bool TitleRunsInCommunity(const VocationalTables& tables, const LineTable& communities, Level level,
                          int community, int title) {
    for (const int s : CommunityCodeEntries(communities, community)) {
        if (TitleRunsInProvince(tables, level, tables.provinceCodes[static_cast<size_t>(s)], title))
            return true;
    }
    return false;
}

int FamilyIconIndex(int family) {
    static constexpr std::array<int, VocationalTables::kFamilies> kIcons = {
        31, 2, 1,  32, 9,  3,  28, 33, 34, 0,  18, 37, 36,
        19, 7, 12, 35, 38, 39, 21, 16, 40, 14, 41, 8,  42};
    if (family < 1 || family > VocationalTables::kFamilies) return -1;
    return kIcons[static_cast<size_t>(family - 1)];
}

std::vector<std::string> BlockEntries(const BlockTable& blocks, int title, int first, int last) {
    std::vector<std::string> entries;
    for (int e = first; e <= last; ++e) entries.push_back(blocks.field(title, e - 1));
    return entries;
}

std::vector<std::string> GMRequirementLines(const VocationalTables& tables,
                                            const KeyedLines& informa, int title) {
    const CatalogueMarks& marks = tables.marksGM;
    const int bar = marks.firstBarLine > 0 ? marks.firstBarLine : INT_MAX;
    const int bang = marks.firstBangLine > 0 ? marks.firstBangLine : INT_MAX;
    const char* key = title < bar ? "13" : title < bang ? "22" : "23";
    return informa.linesForKey(key);
}

CertificateFacts FactsOfCertificate(const VocationalTables& tables, int certificate) {
    CertificateFacts facts;
    if (certificate < 1 || certificate > tables.certificates.count) return facts;
    const std::string_view line = tables.certificates[certificate];
    facts.name = std::string(TrimRight(line.substr(std::min<size_t>(1, line.size()))));
    const std::string_view hours = tables.certificateHours[certificate];
    for (size_t i = 0; i < 3 && i < hours.size(); ++i) {
        const char code = hours[i];
        if (code == ' ') continue;
        for (size_t a = 1; a < tables.hourLabels.size(); ++a) {
            const std::string& label = tables.hourLabels[a];
            if (label.empty() || label[0] != code) continue;
            facts.requirements.push_back(std::string(TrimRight(label.substr(1, 28))));
        }
    }
    if (hours.size() > 3) facts.hours = std::string(Trim(hours.substr(3, 3)));
    if (hours.size() > 7) facts.description = std::string(TrimRight(hours.substr(7)));
    return facts;
}

}  // namespace velmora
