// The level screens' heaviest handlers on the vocational tables filled to their capacities (four
// centre lists of 1100 centres, each teaching 25 titles of every level; 200 lines in every title
// file): a province of 1100 centres listed with every FP title, a province listed by the higher
// level with its own titles, the report of a title taught everywhere, whose pass over the 19
// communities ends in the choice of communities, and the statistics window's count of the centres
// of every title over the four lists. Each beside a baseline: one linear pass over the same
// centres producing the same number of texts or counts.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/university/vocational_statistics.h"
#include "core/vocational/higher_screen.h"
#include "core/vocational/intermediate_screen.h"
#include "core/vocational/vocational_load.h"
#include "ratio.h"
#include "support/recording_opener.h"
#include "support/recording_printing.h"
#include "support/recording_sound.h"
#include "support/silent_messages.h"

namespace velmora {
namespace {

constexpr int kTitleLines = VocationalTables::kTitles;
constexpr int kCentres = VocationalTables::kCentres;
constexpr int kOffers = VocationalTables::kOffersPerCentre;
constexpr int kLocalitySize = 11;  // centres per locality in the big province
constexpr int kEverywhere = 2;     // the GM title every centre teaches
constexpr int kAragon = 2;
// The first code entry of each community, as the data folder has them.
constexpr int kFirstCodes[19] = {1,  11, 15, 16, 17, 19, 20, 25, 34, 40,
                                 42, 46, 47, 53, 54, 55, 59, 63, 64};

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

// A title file of 200 lines with a family header every ten lines.
void FillTitles(LineTable& titles, const char* stem) {
    for (int t = 1; t <= kTitleLines; ++t)
        titles.set(t, Padded(t % 10 == 1 ? "-Familia " + std::to_string(t / 10 + 1)
                                         : std::string(stem) + " " + std::to_string(t),
                             60));
    titles.count = kTitleLines;
}

// The 25 titles of centre c: kEverywhere first, then titles that are no header line.
int OfferedTitle(int c, int j) {
    if (j == 1) return kEverywhere;
    const int t = (c * 7 + j * 13) % kTitleLines + 1;
    return t % 10 == 1 ? t + 1 : t;
}

// `bigProvince` centres of list 1 belong to Huesca ("16", Aragon's first province), the rest to
// the other provinces of the list.
struct CapacityScreen {
    explicit CapacityScreen(int bigProvince) {
        LineTable texts(InterfaceTexts::kTableSize, InterfaceTexts::kEntryCapacity);
        for (int n = 1; n < InterfaceTexts::kTableSize; ++n)
            texts.set(n, "Texto " + std::to_string(n));
        enlace.texts.Distribute(texts);
        enlace.regionMaps.SetMarkerPoints();

        LineTable& communities = enlace.degreeTables.communities;
        int line = 0;
        for (int c = 1; c <= 19; ++c)
            communities.set(++line, Padded((kFirstCodes[c - 1] < 10 ? "0" : "") +
                                               std::to_string(kFirstCodes[c - 1]) + "Comunidad " +
                                               std::to_string(c),
                                           55));
        for (int c = 1; c <= 19; ++c) {
            const int provinces = c < 19 ? kFirstCodes[c] - kFirstCodes[c - 1] : 1;
            for (int k = 1; k <= provinces; ++k)
                communities.set(++line, Padded((c < 10 ? "0" : "") + std::to_string(c) +
                                                   "Provincia " + std::to_string(k),
                                               55));
        }
        communities.count = line;

        VocationalTables& t = enlace.vocational;
        FillProvinceCodes(t);
        FillTitles(t.titlesGS, "Ciclo superior");
        FillTitles(t.titlesGM, "Ciclo medio");
        FillTitles(t.titlesBasic, "Basico");
        for (int k = 1; k <= 20; ++k) {
            t.headersGM.texts.set(k, Padded("Familia " + std::to_string(k), 60));
            t.headersGM.titleNumbers[static_cast<size_t>(k)] = 10 * (k - 1) + 1;
        }
        t.headersGM.texts.count = 20;
        t.headersGM.setEndSentinel(kTitleLines);

        // The lists spread their centres over the provinces their codes name.
        const std::string provinces[4] = {"123456789ABCDEFGHIJKL", "123456789ABCDEFGHIJKL",
                                          "3456789ABCDEFGHIJ", "123456789"};
        for (int list = 1; list <= 4; ++list) {
            LineTable& centres = t.centreLists[static_cast<size_t>(list - 1)];
            const std::string& chars = provinces[list - 1];
            for (int c = 1; c <= kCentres; ++c) {
                const char province = list == 1 && c <= bigProvince ? '6'
                                      : chars[static_cast<size_t>(c) % chars.size()] == '6'
                                          ? '7'
                                          : chars[static_cast<size_t>(c) % chars.size()];
                const std::string locality =
                    Padded("Localidad " + std::to_string(c / kLocalitySize), 17);
                centres.set(
                    c,
                    Padded(std::string(1, province) + locality + "IES " + std::to_string(c), 45) +
                        Padded("Publico", 15));
                for (auto* offers : {&t.offersGS, &t.offersGM, &t.offersBasic}) {
                    IntGrid& row = (*offers)[static_cast<size_t>(list - 1)];
                    row.cell(c, 0) = kOffers;
                    for (int j = 1; j <= kOffers; ++j) row.cell(c, j) = OfferedTitle(c, j);
                }
            }
            centres.count = kCentres;
        }
        screen = std::make_unique<IntermediateScreen>(enlace, printing, sound);
        screen->FormCreate();
        higher = std::make_unique<HigherScreen>(enlace, printing, opener);
        higher->FormCreate();
    }

    testing::SilentMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(QStringLiteral("/nonexistent/"))};
    testing::RecordingPrinting printing;
    testing::RecordingSound sound;
    testing::RecordingOpener opener;
    std::unique_ptr<IntermediateScreen> screen;
    std::unique_ptr<HigherScreen> higher;
};

// The tables at capacity with a province of 1100 centres, or of 40 as the bundled data's largest.
CapacityScreen& Screen(int bigProvince = kCentres) {
    static std::map<int, std::unique_ptr<CapacityScreen>> screens;
    auto& screen = screens[bigProvince];
    if (!screen) screen = std::make_unique<CapacityScreen>(bigProvince);
    return *screen;
}

// Times a click on the middle locality of the province the level screen `m` lists, with the
// number of grid rows it gives.
template <typename LevelModel>
void TimeLocalityClick(benchmark::State& state, LevelModel& m) {
    m.takeChanges();
    size_t rows = 0;
    for (auto _ : state) {
        m.ListSelLugFPClick(static_cast<int>(state.range(0)) / kLocalitySize / 2);
        rows = m.view().gridRows.size();
        benchmark::DoNotOptimize(rows);
        m.takeChanges();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// --- Listing B with every FP title --------------------------------------------------------------

void BM_ProvinceWithEveryTitle(benchmark::State& state) {
    CapacityScreen& s = Screen(static_cast<int>(state.range(0)));
    IntermediateScreen& m = *s.screen;
    m.botLug2Click();
    s.enlace.regionMaps.regionUnderCursor = kAragon;
    m.mapaClick();
    m.ListSelLugFPClick(0);  // Huesca: its localities
    m.BotTodoFPClick();      // every title: the localities again
    TimeLocalityClick(state, m);
}
BENCHMARK(BM_ProvinceWithEveryTitle)->Arg(40)->Arg(kCentres)->Unit(benchmark::kMillisecond);

// The floor: every centre of the list and every title it teaches at each level, one decoded row
// each, in one loop.
void BM_ProvincePassFloor(benchmark::State& state) {
    const int big = static_cast<int>(state.range(0));
    const VocationalTables& t = Screen(big).enlace.vocational;
    const LineTable& centres = t.centreLists[0];
    for (auto _ : state) {
        std::vector<QString> rows;
        for (int c = 1; c <= big; ++c) {
            rows.push_back(cp1252::Decode(centres[c]));
            for (auto* offers : {&t.offersGS, &t.offersGM, &t.offersBasic})
                for (int j = 1; j <= kOffers; ++j)
                    rows.push_back(cp1252::Decode(t.titlesGM[(*offers)[0].at(c, j)]));
        }
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_ProvincePassFloor)->Arg(40)->Arg(kCentres)->Unit(benchmark::kMillisecond);

// --- Listing B of the higher level --------------------------------------------------------------

void BM_HigherProvince(benchmark::State& state) {
    CapacityScreen& s = Screen(static_cast<int>(state.range(0)));
    HigherScreen& m = *s.higher;
    m.MenuFP2Click();
    s.enlace.regionMaps.regionUnderCursor = kAragon;
    m.mapaClick();
    m.ListSelLugFPClick(0);  // Huesca: its localities
    TimeLocalityClick(state, m);
}
BENCHMARK(BM_HigherProvince)->Arg(40)->Arg(kCentres)->Unit(benchmark::kMillisecond);

// The floor: every centre of the province and each of its GS titles, one decoded row each.
void BM_HigherProvinceFloor(benchmark::State& state) {
    const int big = static_cast<int>(state.range(0));
    const VocationalTables& t = Screen(big).enlace.vocational;
    const LineTable& centres = t.centreLists[0];
    for (auto _ : state) {
        std::vector<QString> rows;
        for (int c = 1; c <= big; ++c) {
            rows.push_back(cp1252::Decode(centres[c]));
            for (int j = 1; j <= kOffers; ++j)
                rows.push_back(cp1252::Decode(t.titlesGS[t.offersGS[0].at(c, j)]));
        }
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_HigherProvinceFloor)->Arg(40)->Arg(kCentres)->Unit(benchmark::kMillisecond);

// --- The statistics window's centres per title ------------------------------------------------

void BM_CentresPerTitle(benchmark::State& state) {
    const VocationalTables& t = Screen().enlace.vocational;
    for (auto _ : state) {
        const std::vector<int> counts = CentresPerTitle(t, kTitleLines);
        benchmark::DoNotOptimize(counts.data());
    }
}
BENCHMARK(BM_CentresPerTitle)->Unit(benchmark::kMillisecond);

// The floor: every offer of the four lists read once and added up.
void BM_OffersPassFloor(benchmark::State& state) {
    const VocationalTables& t = Screen().enlace.vocational;
    for (auto _ : state) {
        long sum = 0;
        for (size_t list = 0; list < 4; ++list)
            for (int c = 1; c <= t.centreLists[list].count; ++c)
                for (int j = 1; j <= t.offersGS[list].at(c, 0); ++j)
                    sum += t.offersGS[list].at(c, j);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_OffersPassFloor)->Unit(benchmark::kMillisecond);

// --- A title's report over the 19 communities ---------------------------------------------------

void BM_TitleReportPass(benchmark::State& state) {
    CapacityScreen& s = Screen();
    IntermediateScreen& m = *s.screen;
    m.botTit2Click();
    m.ChooseTitle(kEverywhere, LevelScreen::TitleSource::Grid);
    m.takeChanges();
    for (auto _ : state) {
        m.BotImprimirClick();  // far over 150 lines: the choice of communities follows
        benchmark::DoNotOptimize(m.state().printLines.size());
        state.PauseTiming();
        m.BotRetrocederFPClick();  // leaves the choice, back to the title choice
        m.ChooseTitle(kEverywhere, LevelScreen::TitleSource::Grid);
        m.takeChanges();
        state.ResumeTiming();
    }
    state.counters["lines"] = static_cast<double>(m.state().printLines.size());
}
BENCHMARK(BM_TitleReportPass)->Unit(benchmark::kMillisecond);

// The floor: one pass over the four lists, a two-column row for every centre that teaches the
// title.
void BM_TitlePassFloor(benchmark::State& state) {
    const VocationalTables& t = Screen().enlace.vocational;
    for (auto _ : state) {
        std::vector<std::array<std::string, 2>> rows;
        for (size_t list = 0; list < 4; ++list) {
            const LineTable& centres = t.centreLists[list];
            for (int c = 1; c <= centres.count; ++c)
                for (int j = 1; j <= t.offersGM[list].at(c, 0); ++j)
                    if (t.offersGM[list].at(c, j) == kEverywhere)
                        rows.push_back({centres[c].substr(1, 44), centres[c].substr(45, 9)});
        }
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_TitlePassFloor)->Unit(benchmark::kMillisecond);

const bench::RegisterComparison kProvince({"a province of 1100 centres with every FP title",
                                           "BM_ProvinceWithEveryTitle/1100",
                                           "BM_ProvincePassFloor/1100", 4.0});
const bench::RegisterComparison kLargest({"a province of 40 centres with every FP title",
                                          "BM_ProvinceWithEveryTitle/40", "BM_ProvincePassFloor/40",
                                          4.0});
const bench::RegisterComparison kReport({"a title's report over the 19 communities",
                                         "BM_TitleReportPass", "BM_TitlePassFloor", 4.0});
const bench::RegisterComparison kHigherLargest({"the higher level's province of 40 centres",
                                                "BM_HigherProvince/40", "BM_HigherProvinceFloor/40",
                                                4.0});
const bench::RegisterComparison kHigherCapacity({"the higher level's province of 1100 centres",
                                                 "BM_HigherProvince/1100",
                                                 "BM_HigherProvinceFloor/1100", 4.0});
const bench::RegisterComparison kCentresPerTitle({"the centres of every title over four lists",
                                                  "BM_CentresPerTitle", "BM_OffersPassFloor", 4.0});

}  // namespace
}  // namespace velmora
