// Runs the simulator in-process on the test's dummy screen, with an empty event queue.
#pragma once

#include "simulator.h"
#include "support/sdl_env.h"

inline SimReport Simulate(const SimOptions& options) {
    testsupport::DrainEvents();
    Simulator simulator(testsupport::Screen(), options);
    return simulator.Run();
}
