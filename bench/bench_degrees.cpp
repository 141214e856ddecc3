// The degrees screen's heaviest views and the cut-off window's thresholds on tables at their
// capacity (350 degrees with 125 offerings each, 255 places, 100 groups, 250 professions),
// against the floor: the plainest loop that touches the same table entries and produces the same
// number of texts, or for the thresholds one pass over the same marks.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/university/degrees_screen.h"
#include "core/university/degrees_screen_trees.h"
#include "core/university/title_search.h"
#include "core/university/where_to_study.h"
#include "core/vocational/cutoff_window.h"
#include "ratio.h"
#include "support/recording_opener.h"
#include "support/recording_printing.h"
#include "support/silent_messages.h"

namespace velmora {
namespace {

constexpr int kDegrees = 350;
constexpr int kOfferings = 125;
constexpr int kPlaces = 255;
constexpr int kGroups = 100;
constexpr int kActivities = 30;
constexpr int kProfessions = 250;
// A word that only one specific title holds, and that title.
constexpr const char* kTitleWord = "T\355tulo en Criminal\355stica Forense";  // \355: í
constexpr int kTitleOfTheWord = 200;

std::string Name(const char* stem, int k) {
    return PadToWidth(std::string(stem) + " " + std::to_string(k * 7919 % 1000), 60);
}

// Enlace with every degree table filled in memory. Place 1 offers every degree, so it is the
// largest place, and degree 1 has the most offerings (all of them do: 125).
struct CapacityScreen {
    CapacityScreen() {
        LineTable texts(InterfaceTexts::kTableSize, InterfaceTexts::kEntryCapacity);
        for (int n = 1; n < InterfaceTexts::kTableSize; ++n) texts.set(n, "Texto " + std::to_string(n));
        enlace.texts.Distribute(texts);

        DegreeTables& t = enlace.degreeTables;
        for (int d = 1; d <= kDegrees; ++d) {
            t.degreeNames.set(d, Name("Grado en Ingeniería", d));
            t.degreeAttributes.cell(d, DegreeTables::kBranch) = d % 5 + 1;
            t.degreeAttributes.cell(d, DegreeTables::kGroup) = d % (kGroups + 1);
            t.degreeAttributes.cell(d, DegreeTables::kFirstItinerary) = d % 13;
            t.degreeAttributes.cell(d, DegreeTables::kSecondItinerary) = (d * 5) % 13;
            for (int f = DegreeTables::kFirstProfession; f <= DegreeTables::kLastProfession; ++f)
                t.degreeAttributes.cell(d, f) = (d * f) % kProfessions + 1;
            t.degreeBranch[static_cast<size_t>(d)] = d % 5 + 1;
            t.offerings.places.cell(d, 0) = kOfferings;
            t.offerings.cutOffTenths.cell(d, 0) = kOfferings;
            t.offerings.titles.cell(d, 0) = kOfferings;
            for (int i = 1; i <= kOfferings; ++i) {
                t.offerings.places.cell(d, i) = static_cast<std::uint8_t>(i == 1 ? 1 : (d + i * 7) % kPlaces + 1);
                t.offerings.cutOffTenths.cell(d, i) = static_cast<std::uint8_t>(50 + (d + i) % 90);
                t.offerings.titles.cell(d, i) = static_cast<std::uint8_t>(i % 16);
            }
            // Fifteen titles per degree, each title carried by fifteen degrees.
            t.offerings.distinctTitles.cell(d, 0) = 15;
            for (int k = 1; k <= 15; ++k)
                t.offerings.distinctTitles.cell(d, k) = ((d - 1) * 15 + k - 1) % kDegrees + 1;
        }
        t.degreeNames.count = kDegrees;
        for (int g = 1; g <= kGroups; ++g) t.degreeGroupNames.set(g, Name("Rama", g));
        t.degreeGroupNames.count = kGroups;
        for (int s = 0; s < 350; ++s) t.specificTitles.set(s, Name("Título", s));
        t.specificTitles.set(kTitleOfTheWord - 1, PadToWidth(kTitleWord, 60));
        t.specificTitles.count = 350;
        for (int c = 1; c <= 19; ++c) t.communities.set(c, PadToWidth("01Comunidad " + std::to_string(c), 55));
        t.communities.count = 19;
        t.places.resize(1);
        for (int p = 1; p <= kPlaces; ++p)
            t.places.push_back({p % 19 + 1, PadToWidth("Universidad " + std::to_string(p), 35), "uni.es"});
        for (int p = 1; p <= kPlaces && p <= DegreeTables::kDoubleGroups; ++p) {
            DoubleDegreeGroup group{p % 19 + 1, "Universidad", {}};
            for (int e = 0; e < DegreeTables::kDoubleEntries; ++e)
                group.entries.push_back({e % kDegrees + 1, (e * 3) % kDegrees + 1, " 9,5"});
            t.doubleDegrees.push_back(std::move(group));
        }
        QuestionnaireLoads& q = t.questionnaire;
        q.activityCodes.assign(1, std::string());
        q.activityNames.assign(1, std::string());
        for (int a = 1; a <= kActivities; ++a) {
            q.activityCodes.push_back("A" + std::to_string(100 + a));
            q.activityNames.push_back("Actividad " + std::to_string(a));
        }
        q.professions.assign(1, ProfessionRecord{});
        for (int p = 1; p <= kProfessions; ++p)
            q.professions.push_back({"P" + std::to_string(100 + p),
                                     "A" + std::to_string(100 + p % kActivities + 1), "Profesión"});
        for (int i = 1; i <= 12; ++i) q.itineraries.set(i, Name("Itinerario", i));

        screen = std::make_unique<DegreesScreen>(enlace, opener, printing);
        screen->SetCaptions();
    }

    testing::SilentMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(QStringLiteral("/nonexistent/"))};
    testing::RecordingOpener opener;
    testing::RecordingPrinting printing;
    std::unique_ptr<DegreesScreen> screen;
};

CapacityScreen& Screen() {
    static CapacityScreen screen;
    return screen;
}

// --- Where to study ------------------------------------------------------------------------

void BM_BotUniClick(benchmark::State& state) {
    CapacityScreen& s = Screen();
    s.screen->ListramasClick(5);
    for (auto _ : state) {
        s.screen->listgradosMouseUp(1);  // the first degree: SelectDegree and BotUniClick
        benchmark::DoNotOptimize(s.screen->view().gridRows.size());
        s.screen->takeChanges();
    }
}
BENCHMARK(BM_BotUniClick)->Unit(benchmark::kMicrosecond);

// The floor for it: one decoded text per offering, built by the plainest loop.
void BM_OfferingsFloor(benchmark::State& state) {
    const DegreeTables& t = Screen().enlace.degreeTables;
    for (auto _ : state) {
        std::vector<QString> rows;
        for (int i = 1; i <= t.offeringCount(1); ++i)
            rows.push_back(cp1252::Decode(t.place(t.offerings.places.at(1, i)).name));
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_OfferingsFloor)->Unit(benchmark::kMicrosecond);

void BM_DegreesOfLargestPlace(benchmark::State& state) {
    CapacityScreen& s = Screen();
    for (auto _ : state) {
        PlaceDegrees degrees = BuildDegreesOfPlace(s.enlace.degreeTables, s.enlace.texts, 1);
        benchmark::DoNotOptimize(degrees.rows.data());
    }
}
BENCHMARK(BM_DegreesOfLargestPlace)->Unit(benchmark::kMicrosecond);

// The floor for it: every offering of every degree visited, a text per degree at the place.
void BM_PlaceScanFloor(benchmark::State& state) {
    const DegreeTables& t = Screen().enlace.degreeTables;
    for (auto _ : state) {
        std::vector<std::string> lines;
        for (int d = 1; d <= t.degreeCount(); ++d)
            for (int i = 1; i <= t.offeringCount(d); ++i)
                if (t.offerings.places.at(d, i) == 1) lines.push_back(t.degreeNames[d]);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_PlaceScanFloor)->Unit(benchmark::kMicrosecond);

// --- Trees ---------------------------------------------------------------------------------

void BM_Tree(benchmark::State& state) {
    const DegreeTables& t = Screen().enlace.degreeTables;
    const int which = static_cast<int>(state.range(0));
    size_t count = 0;
    for (auto _ : state) {
        std::vector<TreeNode> nodes = which == 1   ? TreeByGroups(t)
                                      : which == 2 ? TreeByActivity(t)
                                      : which == 3 ? TreeByItinerary(t)
                                                   : AlphabeticalTree(t, true);
        count = nodes.size();
        benchmark::DoNotOptimize(nodes.data());
    }
    state.counters["nodes"] = static_cast<double>(count);
}
BENCHMARK(BM_Tree)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

// The floor for the trees: one decoded node per degree.
void BM_TreeFloor(benchmark::State& state) {
    const DegreeTables& t = Screen().enlace.degreeTables;
    for (auto _ : state) {
        std::vector<TreeNode> nodes(static_cast<size_t>(t.degreeCount()));
        for (int d = 1; d <= t.degreeCount(); ++d)
            nodes[static_cast<size_t>(d - 1)].text = cp1252::Decode(t.degreeNames[d]);
        benchmark::DoNotOptimize(nodes.data());
    }
}
BENCHMARK(BM_TreeFloor)->Unit(benchmark::kMicrosecond);

// The whole grouped list of all degrees, as ListramasClick builds it.
void BM_AllDegreesList(benchmark::State& state) {
    CapacityScreen& s = Screen();
    for (auto _ : state) {
        s.screen->ListramasClick(5);
        benchmark::DoNotOptimize(s.screen->view().degreeRows.size());
        s.screen->takeChanges();
    }
}
BENCHMARK(BM_AllDegreesList)->Unit(benchmark::kMicrosecond);

// --- Cut-off thresholds ----------------------------------------------------------------------

// A threshold button of the cut-off window: the qualifying offerings of every degree and the
// rows of L. Argument: the button (0, 1, 2 for 6, 8 and 10 points).
void BM_Threshold(benchmark::State& state) {
    CapacityScreen& s = Screen();
    CutOffWindow window(s.enlace, s.opener);
    window.FormCreate();
    void (CutOffWindow::*const buttons[])() = {&CutOffWindow::Buttoncorte6Click,
                                               &CutOffWindow::Buttoncorte7Click,
                                               &CutOffWindow::ButtonCorte8Click};
    const auto button = buttons[state.range(0)];
    for (auto _ : state) {
        (window.*button)();
        benchmark::DoNotOptimize(window.view().degreeRows.data());
        window.takeChanges();
    }
    state.counters["rows"] = static_cast<double>(window.view().degreeRows.size());
}
BENCHMARK(BM_Threshold)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The baseline: one pass over the same marks, counting those that reach the threshold.
void BM_MarksPass(benchmark::State& state) {
    const DegreeTables& t = Screen().enlace.degreeTables;
    const int threshold = CutOffWindow::kThresholds[state.range(0)];
    for (auto _ : state) {
        int reached = 0;
        for (int d = 1; d <= t.degreeCount(); ++d) {
            const auto row = t.offerings.cutOffTenths.row(d);
            if (row.empty()) continue;
            for (const int mark : row.subspan(1, row.front()))
                reached += mark != DegreeTables::kNoMark && mark >= threshold;
        }
        benchmark::DoNotOptimize(reached);
    }
}
BENCHMARK(BM_MarksPass)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

const bench::RegisterComparison kSix({"threshold 6,0", "BM_Threshold/0", "BM_MarksPass/0", 4.0});
const bench::RegisterComparison kEight({"threshold 8,0", "BM_Threshold/1", "BM_MarksPass/1", 4.0});
const bench::RegisterComparison kTen({"threshold 10,0", "BM_Threshold/2", "BM_MarksPass/2", 4.0});
// --- Title search ---------------------------------------------------------------------------

// A word found only among the specific titles, typed in small letters without its accent: the
// groups and the degrees are searched in vain, then the titles, and the fifteen degrees offered
// under the one title that holds it are listed.
void BM_TitleSearch(benchmark::State& state) {
    CapacityScreen& s = Screen();
    const QString query = QStringLiteral("criminalistica");
    size_t rows = 0;
    for (auto _ : state) {
        s.screen->BitBusTitClick(query);
        rows = s.screen->view().degreeRows.size();
        benchmark::DoNotOptimize(rows);
        s.screen->takeChanges();
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_TitleSearch)->Unit(benchmark::kMicrosecond);

// The first search of a run, which also puts the names into the form the search compares.
void BM_FirstTitleSearch(benchmark::State& state) {
    CapacityScreen& s = Screen();
    const std::string query = "criminalistica";
    for (auto _ : state) {
        const SearchTexts names = SearchTexts::Of(s.enlace.degreeTables);
        DegreeList list = SearchTitles(s.enlace.degreeTables, s.enlace.texts, names, query);
        benchmark::DoNotOptimize(list.lines.data());
    }
}
BENCHMARK(BM_FirstTitleSearch)->Unit(benchmark::kMicrosecond);

// The floor for it: one plain case-sensitive substring pass over the same texts.
void BM_SubstringPassFloor(benchmark::State& state) {
    const DegreeTables& t = Screen().enlace.degreeTables;
    const std::string_view word = "Criminal\355stica";
    for (auto _ : state) {
        int found = 0;
        for (int g = 1; g <= t.degreeGroupNames.count; ++g)
            found += t.degreeGroupNames[g].find(word) != std::string::npos;
        for (int d = 1; d <= t.degreeCount(); ++d)
            found += t.degreeNames[d].find(word) != std::string::npos;
        for (int k = 1; k <= t.specificTitles.count; ++k)
            found += t.specificTitle(k).find(word) != std::string::npos;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SubstringPassFloor)->Unit(benchmark::kMicrosecond);

const bench::RegisterComparison kUni({"BotUniClick, 125 offerings", "BM_BotUniClick", "BM_OfferingsFloor", 8.0});
const bench::RegisterComparison kPlace({"degrees of the largest place", "BM_DegreesOfLargestPlace",
                                        "BM_PlaceScanFloor", 4.0});
const bench::RegisterComparison kGroupsTree({"tree by groups", "BM_Tree/1", "BM_TreeFloor", 5.0});
const bench::RegisterComparison kActivity({"tree by activity", "BM_Tree/2", "BM_TreeFloor", 8.0});
const bench::RegisterComparison kItinerary({"tree by itinerary", "BM_Tree/3", "BM_TreeFloor", 4.0});
const bench::RegisterComparison kAlphabet({"alphabetical tree", "BM_Tree/4", "BM_TreeFloor", 3.0});
const bench::RegisterComparison kList({"list of all degrees", "BM_AllDegreesList", "BM_TreeFloor", 8.0});
const bench::RegisterComparison kSearch({"title search, a word only in a specific title",
                                         "BM_TitleSearch", "BM_SubstringPassFloor", 3.0});

}  // namespace
}  // namespace velmora
