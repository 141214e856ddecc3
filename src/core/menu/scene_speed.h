#pragma once

#include <chrono>

namespace velmora {

// How far the scene moves per frame, chosen once from the machine's speed: the step factor f
// (pixels per unit of move count), the move count m given to every sprite each frame, and the
// speed c of the curtain.
struct SceneSpeed {
    double stepFactor = 0;
    int moveCount = 0;
    int curtainSpeed = 0;
    friend bool operator==(const SceneSpeed&, const SceneSpeed&) = default;
};

// The row of the calibration table for a clock of `megahertz`.
SceneSpeed SceneSpeedFor(int megahertz);

// A measure of the processor's speed in the units of that table, where no cycle counter can be
// read: how many steps of a chain of dependent additions (one cycle each on any processor of
// the last decades) run per microsecond over `span`. A machine that is busy or slow measures
// lower and takes the longer steps the table gives slow machines.
int MeasureEquivalentMegahertz(std::chrono::milliseconds span);

}  // namespace velmora
