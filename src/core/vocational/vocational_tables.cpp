#include "core/vocational/vocational_tables.h"

namespace velmora {

int TitleHeaders::titleNumber(int k) const {
    if (k < 1 || k > count() + 1 || k >= static_cast<int>(titleNumbers.size())) return 0;
    return titleNumbers[static_cast<size_t>(k)];
}

void TitleHeaders::setEndSentinel(int lineCount) {
    titleNumbers[static_cast<size_t>(count()) + 1] = lineCount + 1;
}

const FamilyGroup& FamilyGroups::group(int g) const {
    static const FamilyGroup kNone;
    if (g < 1 || g > kGroups) return kNone;
    return groups[static_cast<size_t>(g)];
}

namespace {

// Copies `cells.size()` cells of a row, starting at the file's field `firstField` (from 1).
template <size_t N>
void CopyFields(const IntGrid& grid, int row, int firstField, std::array<int, N>& cells) {
    for (size_t k = 0; k < N; ++k) cells[k] = grid.at(row, firstField - 1 + static_cast<int>(k));
}

}  // namespace

GSTitleFacts VocationalTables::factsOfGS(int title) const {
    GSTitleFacts facts;
    if (title < 1 || title > kTitles) return facts;
    CopyFields(factsGS, title, 1, facts.itineraries);
    CopyFields(factsGS, title, 5, facts.accessLines);
    CopyFields(factsGS, title, 18, facts.professions);
    facts.family = factsGS.at(title, kFamilyFieldGS - 1);
    return facts;
}

GMTitleFacts VocationalTables::factsOfGM(int title) const {
    GMTitleFacts facts;
    if (title < 1 || title > kTitles) return facts;
    CopyFields(factsGM, title, 1, facts.professions);
    facts.family = factsGM.at(title, kFamilyFieldGM - 1);
    CopyFields(factsGM, title, 5, facts.questionnaireItems);
    return facts;
}

const LineTable& VocationalTables::titles(Level level) const {
    switch (level) {
        case Level::Higher:
            return titlesGS;
        case Level::Intermediate:
            return titlesGM;
        case Level::Basic:
            return titlesBasic;
    }
    return titlesGS;
}

const std::array<IntGrid, VocationalTables::kCentreLists>& VocationalTables::offers(
    Level level) const {
    switch (level) {
        case Level::Higher:
            return offersGS;
        case Level::Intermediate:
            return offersGM;
        case Level::Basic:
            return offersBasic;
    }
    return offersGS;
}

const LineTable& VocationalTables::centreList(Level level, int list) const {
    if (level == Level::Basic && list == 2) return basicLu2;
    if (list < 1 || list > kCentreLists) list = 1;
    return centreLists[static_cast<size_t>(list - 1)];
}

}  // namespace velmora
