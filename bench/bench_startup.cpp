// Velmora's start-up in its measurement mode (no splash waits, ends once the home screen is
// shown), against a minimal Qt Widgets program that shows one 1024 x 768 window and ends. Both
// run as child processes on the offscreen platform, one after the other in every iteration, so
// that both meet the same load on the machine; time is the wall time of a whole run and memory
// the child's peak resident size, each the median over the iterations.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "ratio.h"

extern char** environ;

namespace velmora {
namespace {

// A folder of its own for the settings and the lock, so that a copy the user has open neither
// disturbs the run nor is disturbed.
const QTemporaryDir& Scratch() {
    static const QTemporaryDir dir;
    return dir;
}

std::vector<std::string> ChildEnvironment() {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) == 0 || entry.rfind("XDG_CONFIG_HOME=", 0) == 0 ||
            entry.rfind("XDG_RUNTIME_DIR=", 0) == 0)
            continue;
        env.push_back(entry);
    }
    const std::string scratch = Scratch().path().toStdString();
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("XDG_CONFIG_HOME=" + scratch);
    env.push_back("XDG_RUNTIME_DIR=" + scratch);
    return env;
}

struct Run {
    double milliseconds = 0;
    double peakKib = 0;
    bool ok = false;
};

// Runs the program to its end, its output thrown away.
Run RunOnce(const std::vector<std::string>& arguments) {
    static const std::vector<std::string> env = ChildEnvironment();
    std::vector<char*> argv, envp;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peakKib = static_cast<double>(usage.ru_maxrss);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void BM_StartupPair(benchmark::State& state) {
    std::vector<double> velmoraMs, velmoraKib, minimalMs, minimalKib;
    for (auto _ : state) {
        const Run velmora = RunOnce({VELMORA_PROGRAM, "--measure-startup"});
        const Run minimal = RunOnce({MINIMAL_WINDOW_PROGRAM});
        if (!velmora.ok || !minimal.ok) {
            state.SkipWithError("a program did not run to its end");
            return;
        }
        velmoraMs.push_back(velmora.milliseconds);
        velmoraKib.push_back(velmora.peakKib);
        minimalMs.push_back(minimal.milliseconds);
        minimalKib.push_back(minimal.peakKib);
    }
    state.counters["velmora_ms"] = Median(velmoraMs);
    state.counters["minimal_ms"] = Median(minimalMs);
    state.counters["velmora_kib"] = Median(velmoraKib);
    state.counters["minimal_kib"] = Median(minimalKib);
}
BENCHMARK(BM_StartupPair)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

constexpr const char* kPair = "BM_StartupPair/min_time:3.000/real_time";
const bench::RegisterComparison kTime({"start-up to the home screen, time", kPair, kPair, 1.5,
                                       "velmora_ms", "minimal_ms"});
const bench::RegisterComparison kMemory({"start-up to the home screen, peak memory", kPair, kPair,
                                         1.3, "velmora_kib", "minimal_kib"});

}  // namespace
}  // namespace velmora
