// Runs the benchmarks and prints, for every declared comparison, the ratio of real times.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "ratio.h"

namespace velmora::bench {

std::vector<Comparison>& Comparisons() {
    static std::vector<Comparison> list;
    return list;
}

namespace {

class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) continue;
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
            for (const auto& [name, counter] : run.counters)
                counters[run.benchmark_name() + "/" + name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
    std::map<std::string, double> counters;  // "benchmark/counter"
};

}  // namespace
}  // namespace velmora::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    velmora::bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // ./velmora.sh bench gathers the comparisons of every benchmark into one table: one
    // tab-separated line each (label, ratio, goal) in the file it names.
    std::FILE* summary = nullptr;
    if (const char* path = std::getenv("VELMORA_BENCH_SUMMARY")) summary = std::fopen(path, "a");
    for (const auto& c : velmora::bench::Comparisons()) {
        const auto& values = c.counter.empty() ? reporter.times : reporter.counters;
        const std::string suffix = c.counter.empty() ? "" : "/" + c.counter;
        const std::string baselineSuffix =
            c.baselineCounter.empty() ? suffix : "/" + c.baselineCounter;
        const auto m = values.find(c.measured + suffix);
        const auto b = values.find(c.baseline + baselineSuffix);
        if (m == values.end() || b == values.end() || b->second <= 0) continue;
        const double ratio = m->second / b->second;
        std::printf("%s: %.2fx the baseline (goal: at most %.1fx) %s\n", c.label.c_str(), ratio,
                    c.goal, ratio <= c.goal ? "ok" : "OVER GOAL");
        if (summary) std::fprintf(summary, "%s\t%.2f\t%.1f\n", c.label.c_str(), ratio, c.goal);
    }
    if (summary) std::fclose(summary);
    benchmark::Shutdown();
    return 0;
}
