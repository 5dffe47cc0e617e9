#include "level_catalog.h"

#include "levels/proving_ground.h"

std::unique_ptr<LevelScript> MakeCatalogScript(int number) {
    if (number == 0) return std::make_unique<ProvingGroundScript>(1);
    return nullptr;
}

std::unique_ptr<Level> MakeCatalogLevel(int number, SDL_Surface* screen, int32_t framePeriod) {
    if (number == 0) return MakeProvingGroundLevel(1, screen, framePeriod);
    return nullptr;
}

std::unique_ptr<Level> MakeGameLevel(int number, SDL_Surface* screen, int32_t framePeriod) {
    std::unique_ptr<Level> level = MakeCatalogLevel(number, screen, framePeriod);
    return level ? std::move(level) : MakeProvingGroundLevel(number, screen, framePeriod);
}
