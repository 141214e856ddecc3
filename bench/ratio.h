#pragma once

#include <string>
#include <vector>

namespace velmora::bench {

// A pair of benchmarks to compare: the program's work and its baseline, by benchmark name.
struct Comparison {
    std::string label;
    std::string measured;
    std::string baseline;
    double goal;  // the ratio measured/baseline we aim to stay under
    std::string counter = {};  // compare this user counter instead of the real time
    std::string baselineCounter = {};  // the baseline's counter, when it is not `counter`
};

// Every benchmark file declares its comparisons; ratio_main.cpp prints them after the run.
std::vector<Comparison>& Comparisons();

struct RegisterComparison {
    explicit RegisterComparison(Comparison c) { Comparisons().push_back(std::move(c)); }
};

}  // namespace velmora::bench
