#include "levels/level_catalog.h"

#include "levels/level1.h"
#include "levels/level2.h"
#include "levels/level3.h"
#include "levels/level4.h"
#include "levels/level5.h"
#include "levels/level6.h"
// Rows laid out by hand.
// clang-format off

std::unique_ptr<LevelScript> MakeLevelScript(int number) {
    switch (number) {
        case 1: return std::make_unique<Level1Script>();
        case 2: return std::make_unique<Level2Script>();
        case 3: return std::make_unique<Level3Script>();
        case 4: return std::make_unique<Level4Script>();
        case 5: return std::make_unique<Level5Script>();
        case 6: return std::make_unique<Level6Script>();
        default: return nullptr;
    }
}

std::unique_ptr<Level> MakeGameLevel(int number, SDL_Surface* screen, int32_t framePeriod) {
    switch (number) {
        case 1: return std::make_unique<Level1>(screen, framePeriod);
        case 2: return std::make_unique<Level2>(screen, framePeriod);
        case 3: return std::make_unique<Level3>(screen, framePeriod);
        case 4: return std::make_unique<Level4>(screen, framePeriod);
        case 5: return std::make_unique<Level5>(screen, framePeriod);
        case 6: return std::make_unique<Level6>(screen, framePeriod);
        default: return nullptr;
    }
}
// clang-format on
