#include "core/menu/scene_speed.h"

#include <array>
#include <cstdint>

namespace velmora {
namespace {

struct SpeedRow {
    int fromMegahertz;
    SceneSpeed speed;
};

// Slower machines draw fewer frames, so they take longer steps per frame.
constexpr std::array<SpeedRow, 6> kRows = {{
    {3000, {0.17, 22, 30}},
    {1000, {0.18, 28, 25}},
    {800, {0.20, 28, 20}},
    {600, {0.21, 33, 15}},
    {400, {0.23, 45, 8}},
    {0, {0.25, 66, 5}},
}};

}  // namespace

SceneSpeed SceneSpeedFor(int megahertz) {
    for (const SpeedRow& row : kRows)
        if (megahertz >= row.fromMegahertz) return row.speed;
    return kRows.back().speed;
}

int MeasureEquivalentMegahertz(std::chrono::milliseconds span) {
    using Clock = std::chrono::steady_clock;
    constexpr int kBatch = 1 << 16;
    std::uint64_t chain = 1;
    std::uint64_t steps = 0;
    const auto start = Clock::now();
    auto now = start;
    do {
        for (int i = 0; i < kBatch; ++i) {
            chain += static_cast<std::uint64_t>(i);
            // Keeps the compiler from folding the chain into one multiplication.
            asm volatile("" : "+r"(chain));
        }
        steps += kBatch;
        now = Clock::now();
    } while (now - start < span);
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now - start).count();
    if (micros <= 0) return 0;
    return static_cast<int>(steps / static_cast<std::uint64_t>(micros));
}

}  // namespace velmora
