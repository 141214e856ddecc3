#include "core/guidance/professions_funnel.h"

#include <algorithm>

#include "core/guidance/scoring.h"
#include "core/shared/interface_texts.h"
#include "core/university/degree_tables.h"
#include "core/vocational/vocational_tables.h"

namespace velmora {
namespace {

constexpr size_t kMaxCodes = 35;
constexpr size_t kMaxPool = ProfessionsTables::kMaxPhrases;
constexpr int kPhrasesPerPage = 4;
constexpr int kMaxPages = 4;
constexpr size_t kMaxStudyLines = 30;
constexpr size_t kStudyLineWidth = 70;

// Interface texts of the headings.
constexpr int kHigherTitles = 47;
constexpr int kMiddleTitles = 113;
constexpr int kDegrees = 627;
constexpr int kOtherStudies = 628;
constexpr int kArmedForces = 609;  // other study 49
constexpr int kPolice = 610;       // other study 50

bool Contains(const std::vector<int>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

void AddTo(std::vector<std::vector<int>>& index, int profession, int study) {
    if (profession < 1 || profession >= static_cast<int>(index.size())) return;
    std::vector<int>& list = index[static_cast<size_t>(profession)];
    if (static_cast<int>(list.size()) < ProfessionStudyIndex::kListCapacity) list.push_back(study);
}

const std::vector<int>& ListOf(const std::vector<std::vector<int>>& index, int profession) {
    static const std::vector<int> kNone;
    if (profession < 1 || profession >= static_cast<int>(index.size())) return kNone;
    return index[static_cast<size_t>(profession)];
}

}  // namespace

std::vector<std::string> ActivityCodeSet(const ProfessionsTables& tables,
                                         const std::vector<int>& keptStatements) {
    std::vector<std::string> codes;
    for (const int s : keptStatements) {
        if (s < 1 || s > tables.statementCount()) continue;
        for (const std::string& code : tables.statements[static_cast<size_t>(s)].codes) {
            if (IsBlankCode(code) || codes.size() >= kMaxCodes) continue;
            if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
        }
    }
    return codes;
}

std::vector<int> PhrasePool(const ProfessionsTables& tables,
                            const std::vector<std::string>& codes) {
    std::vector<int> pool;
    const auto add = [&](int phrase) {
        if (phrase != 0 && pool.size() < kMaxPool && !Contains(pool, phrase))
            pool.push_back(phrase);
    };
    for (int pass = 1; pass <= 4; ++pass) {
        const bool byActivity = pass >= 3;
        const bool second = pass % 2 == 0;
        for (int p = 1; p <= tables.professionCount(); ++p) {
            const ProfessionRecord& profession = tables.professions[static_cast<size_t>(p)];
            const std::string& own = byActivity ? profession.activityCode : profession.code;
            for (const std::string& code : codes)
                if (own == code) add(second ? profession.secondPhrase : profession.firstPhrase);
        }
    }
    return pool;
}

PhrasePages DealPhrases(const std::vector<int>& pool) {
    const int n = static_cast<int>(pool.size());
    PhrasePages dealt;
    int pages = (n + kPhrasesPerPage - 1) / kPhrasesPerPage;
    dealt.slots = kPhrasesPerPage;
    if (pages > kMaxPages) {
        pages = kMaxPages;
        dealt.slots = (n + kPhrasesPerPage - 1) / kPhrasesPerPage;
    }
    dealt.pages.resize(static_cast<size_t>(pages));
    for (int i = 0; i < n; ++i)
        dealt.pages[static_cast<size_t>(i % pages)].push_back(pool[static_cast<size_t>(i)]);
    return dealt;
}

std::vector<double> ScoreActivities(const ProfessionsTables& tables, const std::vector<int>& chosen,
                                    int finalRow) {
    std::vector<double> scores(static_cast<size_t>(tables.activityCount() + 1), 0.0);
    for (size_t i = 0; i < chosen.size(); ++i) {
        const int phrase = chosen[i];
        if (phrase < 1 || phrase > tables.phraseCount()) continue;
        const ShortPhrase& p = tables.phrases[static_cast<size_t>(phrase)];
        const bool picked = static_cast<int>(i) == finalRow;
        for (int a = 1; a <= tables.activityCount(); ++a) {
            const std::string& code = tables.activities[static_cast<size_t>(a)].code;
            double& score = scores[static_cast<size_t>(a)];
            if (p.firstActivity == code) score += picked ? 2.5 : 1;
            if (!IsBlankCode(p.secondActivity) && p.secondActivity == code)
                score += picked ? 1.25 : 0.5;
        }
    }
    return scores;
}

std::vector<int> RankActivities(const ProfessionsTables& tables,
                                const std::vector<double>& scores) {
    std::vector<int> activities;
    std::vector<std::string> names;
    std::vector<double> positive;
    for (int a = 1; a <= tables.activityCount() && a < static_cast<int>(scores.size()); ++a) {
        if (scores[static_cast<size_t>(a)] <= 0) continue;
        activities.push_back(a);
        names.push_back(tables.activities[static_cast<size_t>(a)].name);
        positive.push_back(scores[static_cast<size_t>(a)]);
    }
    std::vector<int> permutation;
    bool done = false;
    RankDescending(names, positive, permutation, done);
    std::vector<int> ranked;
    for (const int k : permutation) ranked.push_back(activities[static_cast<size_t>(k - 1)]);
    return ranked;
}

std::vector<int> LinkedProfessions(const ProfessionsTables& tables, int phrase) {
    std::vector<int> linked;
    std::vector<std::string> names;
    if (phrase == 0) return linked;
    for (int p = 1; p <= tables.professionCount(); ++p) {
        const ProfessionRecord& profession = tables.professions[static_cast<size_t>(p)];
        if (profession.firstPhrase != phrase && profession.secondPhrase != phrase) continue;
        if (std::find(names.begin(), names.end(), profession.name) != names.end()) continue;
        names.push_back(profession.name);
        linked.push_back(p);
    }
    return linked;
}

std::vector<int> ProfessionsOfActivity(const ProfessionsTables& tables, int activity) {
    std::vector<int> professions;
    if (activity < 1 || activity > tables.activityCount()) return professions;
    const std::string& code = tables.activities[static_cast<size_t>(activity)].code;
    for (int p = 1; p <= tables.professionCount(); ++p) {
        const ProfessionRecord& profession = tables.professions[static_cast<size_t>(p)];
        if (profession.code == code || profession.activityCode == code) professions.push_back(p);
    }
    return professions;
}

ProfessionStudyIndex BuildProfessionStudyIndex(const DegreeTables& degrees,
                                               const VocationalTables& vocational) {
    ProfessionStudyIndex index;
    const auto size = static_cast<size_t>(ProfessionsTables::kMaxProfessions + 1);
    index.degrees.resize(size);
    index.higherTitles.resize(size);
    index.middleTitles.resize(size);
    const int degreeCount = std::min(degrees.degreeCount(), DegreeTables::kDegrees);
    for (int d = 1; d <= degreeCount; ++d)
        for (int f = DegreeTables::kFirstProfession; f <= DegreeTables::kLastProfession; ++f)
            AddTo(index.degrees, degrees.attribute(d, f), d);
    for (int t = 1; t <= std::min(vocational.titlesGS.count, VocationalTables::kTitles); ++t)
        for (const int p : vocational.factsOfGS(t).professions) AddTo(index.higherTitles, p, t);
    for (int t = 1; t <= std::min(vocational.titlesGM.count, VocationalTables::kTitles); ++t)
        for (const int p : vocational.factsOfGM(t).professions) AddTo(index.middleTitles, p, t);
    return index;
}

std::vector<int> OtherStudiesOfProfession(int profession) {
    switch (profession) {
        case 32:
            return {7};
        case 33:
            return {6};
        case 35:
            return {5, 8};
        case 36:
            return {6, 9};
        case 52:
            return {49};
        case 53:
            return {50};
        default:
            return {};
    }
}

std::vector<ProfessionStudyLine> ProfessionStudyLines(const ProfessionStudyIndex& index,
                                                      const DegreeTables& degrees,
                                                      const VocationalTables& vocational,
                                                      const InterfaceTexts& texts, int profession) {
    std::vector<ProfessionStudyLine> lines;
    const auto add = [&](std::string_view text, bool heading) {
        if (lines.size() < kMaxStudyLines)
            lines.push_back({std::string(Bounded(text, kStudyLineWidth)), heading});
    };
    const auto section = [&](int heading, const std::vector<int>& studies, const LineTable& names) {
        if (studies.empty()) return;
        add(std::string(6, ' ') + texts[heading] + ":", true);
        for (const int s : studies) add(TrimRight(names[s]), false);
    };
    section(kDegrees, ListOf(index.degrees, profession), degrees.degreeNames);
    section(kHigherTitles, ListOf(index.higherTitles, profession), vocational.titlesGS);
    section(kMiddleTitles, ListOf(index.middleTitles, profession), vocational.titlesGM);
    const std::vector<int> others = OtherStudiesOfProfession(profession);
    if (!others.empty()) {
        add(std::string(6, ' ') + texts[kOtherStudies] + ":", true);
        for (const int s : others) {
            if (s == 49 || s == 50)
                add(texts[s == 49 ? kArmedForces : kPolice], false);
            else
                add(Trim(degrees.otherStudies[s]), false);
        }
    }
    return lines;
}

}  // namespace velmora
