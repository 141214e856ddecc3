#pragma once

#include <string>
#include <vector>

#include "core/guidance/questionnaire_tables.h"

namespace velmora {

class InterfaceTexts;
struct DegreeTables;
struct VocationalTables;

// The steps of the professions funnel, from the statements a student keeps to the professions
// and their studies. Statements, phrases, activities and professions are numbered from 1, as
// the lines of their files.

// The distinct activity codes of the kept statements, in list order and code order (blank codes
// left out), at most 35.
std::vector<std::string> ActivityCodeSet(const ProfessionsTables& tables,
                                         const std::vector<int>& keptStatements);

// The phrases of the professions of those activities, in four passes over the professions: their
// first phrases by profession code, their second phrases by profession code, their first phrases
// by activity code, their second phrases by activity code. Each phrase once; at most 120.
std::vector<int> PhrasePool(const ProfessionsTables& tables, const std::vector<std::string>& codes);

// The pool dealt onto pages like cards: slot 1 of every page, then slot 2, ... Four phrases a
// page and as many pages as that takes, but never more than four pages: past 16 phrases the
// pages hold more. No phrase is left out. `pages[k]` holds page k + 1's phrases in slot order.
struct PhrasePages {
    int slots = 0;
    std::vector<std::vector<int>> pages;
    int count() const { return static_cast<int>(pages.size()); }
};
PhrasePages DealPhrases(const std::vector<int>& pool);

// The score of every activity (entry a for activity a; entry 0 unused) from the chosen phrases:
// a phrase's first activity earns 1 and its second 0.5; the final pick (`finalRow` in `chosen`,
// -1 for none) earns 1.5 and 0.75 more.
std::vector<double> ScoreActivities(const ProfessionsTables& tables, const std::vector<int>& chosen,
                                    int finalRow);

// The activities with a positive score, best first; ties keep file order.
std::vector<int> RankActivities(const ProfessionsTables& tables, const std::vector<double>& scores);

// The professions one of whose two phrases is `phrase`, in file order, each name once.
std::vector<int> LinkedProfessions(const ProfessionsTables& tables, int phrase);

// The professions whose code or activity code is the activity's code, in file order.
std::vector<int> ProfessionsOfActivity(const ProfessionsTables& tables, int activity);

// The studies that lead to each profession, gathered once from the degrees and the higher and
// intermediate titles: the numbers of each in ascending order, at most 50 per profession.
struct ProfessionStudyIndex {
    static constexpr int kListCapacity = 50;
    // Profession p in entry p.
    std::vector<std::vector<int>> degrees;
    std::vector<std::vector<int>> higherTitles;
    std::vector<std::vector<int>> middleTitles;
};
ProfessionStudyIndex BuildProfessionStudyIndex(const DegreeTables& degrees,
                                               const VocationalTables& vocational);

// The other studies of a few professions (the armed forces, the police): a value below 49 is a
// line of "otros", 49 and 50 stand for interface texts 609 and 610.
std::vector<int> OtherStudiesOfProfession(int profession);

// A line of the studies of a profession: a heading ("      Grados universitarios:") or the name
// of a study.
struct ProfessionStudyLine {
    std::string text;
    bool heading = false;
};
// The studies of profession p under their headings, at most 30 lines of at most 70 characters.
std::vector<ProfessionStudyLine> ProfessionStudyLines(const ProfessionStudyIndex& index,
                                                      const DegreeTables& degrees,
                                                      const VocationalTables& vocational,
                                                      const InterfaceTexts& texts, int profession);

}  // namespace velmora
