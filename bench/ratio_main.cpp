// Runs the benchmarks and prints, for every declared comparison, the ratio of real times.
#include <benchmark/benchmark.h>

#include <cstdio>
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
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

}  // namespace
}  // namespace velmora::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    velmora::bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const auto& c : velmora::bench::Comparisons()) {
        const auto m = reporter.times.find(c.measured);
        const auto b = reporter.times.find(c.baseline);
        if (m == reporter.times.end() || b == reporter.times.end() || b->second <= 0) continue;
        const double ratio = m->second / b->second;
        std::printf("%s: %.2fx the baseline (goal: at most %.1fx) %s\n", c.label.c_str(), ratio,
                    c.goal, ratio <= c.goal ? "ok" : "OVER GOAL");
    }
    benchmark::Shutdown();
    return 0;
}
