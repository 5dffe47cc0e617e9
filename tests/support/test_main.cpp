// Every suite runs on SDL's dummy drivers, a 640x480x32 display surface and the virtual clock.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/sdl_env.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::StartDummySdl();
    int status = RUN_ALL_TESTS();
    testsupport::StopDummySdl();
    return status;
}
