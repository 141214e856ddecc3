#include "core/university/title_search.h"

#include <QString>
#include <algorithm>
#include <array>
#include <vector>

#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/university/degrees_screen.h"

namespace velmora {
namespace {

using C = DegreesControl;

constexpr int kFoundHeading = 571;
constexpr int kNothingFound = 41;
constexpr size_t kMaxMatches = 350;  // kept in each of the three searches

// Each byte's normalised form (Windows-1252).
constexpr std::array<unsigned char, 256> kFold = [] {
    std::array<unsigned char, 256> fold{};
    for (int b = 0; b < 256; ++b) fold[static_cast<size_t>(b)] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b)
        fold[static_cast<size_t>(b)] = static_cast<unsigned char>(b - 'A' + 'a');
    // Acute, grave, diaeresis and circumflex, in capitals then in small letters; the vowels
    // a, e, i, o, u in that order in each row.
    constexpr unsigned char kAccented[8][5] = {
        {0xC1, 0xC9, 0xCD, 0xD3, 0xDA}, {0xC0, 0xC8, 0xCC, 0xD2, 0xD9},
        {0xC4, 0xCB, 0xCF, 0xD6, 0xDC}, {0xC2, 0xCA, 0xCE, 0xD4, 0xDB},
        {0xE1, 0xE9, 0xED, 0xF3, 0xFA}, {0xE0, 0xE8, 0xEC, 0xF2, 0xF9},
        {0xE4, 0xEB, 0xEF, 0xF6, 0xFC}, {0xE2, 0xEA, 0xEE, 0xF4, 0xFB},
    };
    constexpr char kVowels[5] = {'a', 'e', 'i', 'o', 'u'};
    for (const auto& row : kAccented)
        for (size_t v = 0; v < 5; ++v) fold[row[v]] = static_cast<unsigned char>(kVowels[v]);
    return fold;
}();

unsigned char Fold(char c) {
    return kFold[static_cast<unsigned char>(c)];
}

bool FoundIn(std::string_view normalisedText, std::string_view query) {
    return !query.empty() && normalisedText.find(query) != std::string_view::npos;
}

}  // namespace

std::string NormaliseForSearch(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    std::string out(trimmed.size(), '\0');
    for (size_t i = 0; i < trimmed.size(); ++i) out[i] = static_cast<char>(Fold(trimmed[i]));
    return out;
}

bool MatchesNormalised(std::string_view text, std::string_view query) {
    return FoundIn(NormaliseForSearch(text), query);
}

SearchTexts SearchTexts::Of(const DegreeTables& tables) {
    auto normalised = [](const LineTable& table, int first, int last) {
        std::vector<std::string> texts;
        for (int k = first; k <= last; ++k) texts.push_back(NormaliseForSearch(table[k]));
        return texts;
    };
    SearchTexts out;
    out.groups = normalised(tables.degreeGroupNames, 1, tables.degreeGroupNames.count);
    out.degrees = normalised(tables.degreeNames, 1, tables.degreeCount());
    out.titles = normalised(tables.specificTitles, 0, tables.specificTitles.count - 1);
    out.titleDegrees.resize(out.titles.size());
    for (int d = 1; d <= tables.degreeCount(); ++d) {
        const int count = tables.offerings.distinctTitles.at(d, 0);
        for (int k = 1; k <= count; ++k) {
            const int t = tables.offerings.distinctTitles.at(d, k);
            if (t >= 1 && static_cast<size_t>(t) <= out.titleDegrees.size())
                out.titleDegrees[static_cast<size_t>(t) - 1].push_back(d);
        }
    }
    return out;
}

bool SearchTexts::madeOf(const DegreeTables& tables) const {
    return groups.size() == static_cast<size_t>(std::max(tables.degreeGroupNames.count, 0)) &&
           degrees.size() == static_cast<size_t>(std::max(tables.degreeCount(), 0)) &&
           titles.size() == static_cast<size_t>(std::max(tables.specificTitles.count, 0));
}

DegreeList SearchTitles(const DegreeTables& tables, const InterfaceTexts& texts,
                        const SearchTexts& names, std::string_view query) {
    const std::string q = NormaliseForSearch(query);
    const int n = std::min(tables.degreeCount(), static_cast<int>(names.degrees.size()));
    DegreeList list;

    std::vector<int> groups;
    for (size_t g = 0; g < names.groups.size() && groups.size() < kMaxMatches; ++g)
        if (FoundIn(names.groups[g], q)) groups.push_back(static_cast<int>(g) + 1);
    for (int g : groups) list.addGroup(tables, g, 0);

    std::vector<bool> listed(static_cast<size_t>(n) + 1);
    for (int d : list.degrees)
        if (d <= n) listed[static_cast<size_t>(d)] = true;
    std::vector<int> degrees;
    for (int d = 1; d <= n && degrees.size() < kMaxMatches; ++d)
        if (!listed[static_cast<size_t>(d)] &&
            FoundIn(names.degrees[static_cast<size_t>(d) - 1], q))
            degrees.push_back(d);
    if (!degrees.empty()) {
        list.addHeading(texts[kFoundHeading]);
        for (int d : degrees) list.addDegree(tables, d);
    }

    if (groups.empty() && degrees.empty()) {
        std::vector<int> titles;
        for (size_t t = 0; t < names.titles.size() && titles.size() < kMaxMatches; ++t)
            if (FoundIn(names.titles[t], q)) titles.push_back(static_cast<int>(t) + 1);
        if (!titles.empty()) list.addHeading(texts[kFoundHeading]);
        for (int t : titles)
            for (int d : names.titleDegrees[static_cast<size_t>(t) - 1]) list.addDegree(tables, d);
    }

    // A group that matches without degrees shows no row yet stops the search among the titles;
    // the grid then says that nothing was found rather than stay empty.
    if (list.empty()) list.addHeading(texts[kNothingFound]);
    return list;
}

// --- The degrees screen's search -------------------------------------------------------------

void DegreesScreen::BitBusTitClick(const QString& text) {
    Handler h(*this);
    setVisible(C::listgrados, true);
    setVisible(C::Listramas, false);
    setVisible(C::Tree, false);
    state_.branchListShown = false;
    // A character Windows-1252 cannot hold occurs in no name of the tables.
    const std::string query = cp1252::CanEncode(text) ? cp1252::Encode(text) : std::string();
    const DegreeTables& tables = enlace_.degreeTables;
    if (!searchTexts_.madeOf(tables)) searchTexts_ = SearchTexts::Of(tables);
    showDegreeList(SearchTitles(tables, enlace_.texts, searchTexts_, query));
}

void DegreesScreen::EditBusTitKeyDown(int key, const QString& text) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) BitBusTitClick(text);
}

}  // namespace velmora
