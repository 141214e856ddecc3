#include "core/vocational/level_listings.h"

#include <algorithm>

#include "core/shared/fields.h"
#include "core/shared/interface_texts.h"
#include "core/vocational/vocational_queries.h"

namespace velmora {
namespace {

constexpr int kCommunities = 19;
constexpr int kFirstProvinceLine = 20;  // "comunida" lines from 20 on name the provinces
constexpr size_t kItemWidth = 55;       // columns 3-57
constexpr size_t kNameWidth = 35;       // columns 3-37
constexpr size_t kCentreWidth = 44;     // columns 2-45
constexpr size_t kFieldWidth = 9;       // columns 46-54
const std::string kClosingRow(60, ' ');

std::string Columns(std::string_view line, size_t first, size_t width) {
    if (first > line.size()) return {};
    return std::string(line.substr(first - 1, width));
}

// Columns 1-2 of a "comunida" line as a number (blanks around it allowed); 0 when they are none.
int LeadingNumber(std::string_view line) {
    const auto value = ToInteger(Trim(Bounded(line, 2)));
    return value ? *value : 0;
}

ListingRow CentreRow(std::string_view line) {
    return {Columns(line, 2, kCentreWidth), Columns(line, kCentreWidth + 2, kFieldWidth)};
}

// The title line of the level, or nothing for a number that points nowhere.
const std::string* TitleLine(const LineTable& titles, int title) {
    if (title < 1 || title > titles.count) return nullptr;
    return &titles[title];
}

}  // namespace

CommunityProvinces ProvincesOfCommunity(const LineTable& communities, int community) {
    CommunityProvinces out;
    if (community < 1 || community > kCommunities) return out;
    out.firstCode = LeadingNumber(communities[community]);
    for (int k = kFirstProvinceLine; k <= communities.count; ++k) {
        const std::string& line = communities[k];
        if (LeadingNumber(line) != community) continue;
        out.items.push_back(Columns(line, 3, kItemWidth));
        out.names.push_back(Columns(line, 3, kNameWidth));
    }
    if (out.names.empty()) {
        const std::string own = Columns(communities[community], 3, kNameWidth);
        out.items.push_back(own);
        out.names.push_back(own);
    }
    return out;
}

std::string_view ProvinceCode(const VocationalTables& tables, int entry) {
    if (entry < 1 || entry > VocationalTables::kProvinceCodes) return {};
    return tables.provinceCodes[static_cast<size_t>(entry)];
}

int ListOfCode(std::string_view code) {
    if (code.size() < 2 || code[0] < '1' || code[0] > '0' + VocationalTables::kCentreLists)
        return 0;
    return code[0] - '0';
}

std::vector<ListingRow> CentresTeaching(const VocationalTables& tables, Level level,
                                        const std::vector<std::string>& codes,
                                        const std::vector<std::string>& provinceNames, int title,
                                        const std::string& closingSecond) {
    std::vector<ListingRow> rows;
    const int list = codes.empty() ? 0 : ListOfCode(codes.front());
    if (list == 0) return rows;
    const LineTable& centres = tables.centreList(level, list);
    const IntGrid& offers = tables.offers(level)[static_cast<size_t>(list - 1)];
    const bool headings = codes.size() > 1;
    for (size_t k = 0; k < codes.size(); ++k) {
        if (codes[k].size() < 2) continue;
        const char province = codes[k][1];
        const size_t start = rows.size();
        if (headings) {
            const std::string name = k < provinceNames.size() ? provinceNames[k] : std::string();
            rows.push_back(
                {"- " + std::string(Bounded(name, kNameWidth)) + std::string(7, ' '), ""});
        }
        const size_t firstCentre = rows.size();
        for (int c = 1; c <= centres.count; ++c) {
            const std::string& line = centres[c];
            if (!line.starts_with(province)) continue;
            const int n = std::min(offers.at(c, 0), offers.columns() - 1);
            for (int j = 1; j <= n; ++j)
                if (offers.at(c, j) == title) rows.push_back(CentreRow(line));
        }
        if (rows.size() == firstCentre) {
            rows.resize(start);  // a province without centres keeps no heading
        } else if (headings) {
            rows.push_back({kClosingRow, closingSecond});
        }
    }
    return rows;
}

std::vector<int> CentresOfProvince(const VocationalTables& tables, Level level, int list,
                                   char province, bool allTitles) {
    std::vector<int> out;
    if (list < 1 || list > VocationalTables::kCentreLists) return out;
    const LineTable& centres = tables.centreList(level, list);
    const IntGrid& offers = tables.offers(level)[static_cast<size_t>(list - 1)];
    for (int c = 1; c <= centres.count; ++c) {
        if (!centres[c].starts_with(province)) continue;
        if (allTitles || offers.at(c, 0) > 0) out.push_back(c);
    }
    return out;
}

std::vector<int> CentresOfArea(const std::vector<std::string>& areaCodes, int lineCount,
                               std::string_view code) {
    std::vector<int> out;
    if (code.empty()) return out;
    const int last = std::min(lineCount, static_cast<int>(areaCodes.size()) - 1);
    for (int c = 1; c <= last; ++c)
        if (areaCodes[static_cast<size_t>(c)] == code) out.push_back(c);
    return out;
}

Localities LocalitiesOf(const LineTable& centres, const std::vector<int>& lines, bool wide) {
    Localities out;
    for (const int c : lines) {
        const std::string_view locality = Locality(centres[c], wide);
        if (!out.names.empty() && out.names.back() == locality) continue;
        out.names.emplace_back(locality);
        out.starts.push_back(c);
    }
    return out;
}

PlaceRows CentresWithTitles(const VocationalTables& tables, const InterfaceTexts& texts,
                            Level level, int list, const std::vector<int>& centres, int topCentre,
                            const PlaceRowStyle& style) {
    PlaceRows out;
    if (list < 1 || list > VocationalTables::kCentreLists) return out;
    const LineTable& lines = tables.centreList(level, list);
    // A centre's rows: itself, its titles (of three levels at most), two separators, the close.
    const size_t perCentre = style.allTitles ? 3 * VocationalTables::kOffersPerCentre + 4
                                             : VocationalTables::kOffersPerCentre + 2;
    out.rows.reserve(centres.size() * perCentre);
    out.titles.reserve(centres.size() * perCentre);
    const auto index = static_cast<size_t>(list - 1);
    const std::string basicPrefix = texts[style.basicPrefixText] + " ";
    auto add = [&](std::string text, int title) {
        out.rows.push_back({std::move(text), {}});
        out.titles.push_back(title);
    };
    // The titles of one level that centre c teaches, each row `prefix` + the title's line.
    auto titlesOf = [&](int c, Level of, const std::string& prefix) {
        const IntGrid& offers = tables.offers(of)[index];
        const LineTable& titles = tables.titles(of);
        const int n = std::min(offers.at(c, 0), offers.columns() - 1);
        for (int j = 1; j <= n; ++j) {
            const int t = offers.at(c, j);
            const std::string* line = TitleLine(titles, t);
            if (line) add(prefix + *line, of == level ? t : 0);
        }
    };
    // A separator when a row follows `row`.
    auto separatorAfter = [&](size_t row) {
        if (out.rows.size() <= row + 1) return false;
        add(" -----", 0);
        return true;
    };

    for (const int c : centres) {
        const size_t centreRow = out.rows.size();
        out.rows.push_back(CentreRow(lines[c]));
        out.rows.back()[0].insert(0, 1, '-');
        out.titles.push_back(0);
        if (c == topCentre) out.topRow = static_cast<int>(centreRow);
        if (!style.allTitles) {
            titlesOf(c, level, "");
        } else {
            titlesOf(c, Level::Higher, "GS ");
            const size_t separator = out.rows.size();
            const bool separated = separatorAfter(centreRow);
            titlesOf(c, Level::Intermediate, "GM ");
            // The second separator follows the row before the first one, so a centre with GS
            // titles gets two whether or not it teaches a GM title.
            separatorAfter(separated ? separator - 1 : centreRow);
            titlesOf(c, Level::Basic, basicPrefix);
        }
        if (out.rows.size() == centreRow + 1) {
            out.rows.pop_back();
            out.titles.pop_back();
        } else {
            out.rows.push_back({style.closingRow, {}});
            out.titles.push_back(0);
        }
    }
    return out;
}

}  // namespace velmora
