#include "levels/proving_ground.h"

#include "levels/practice_target.h"
#include "core/utilities.h"

ProvingGroundScript::ProvingGroundScript(int levelNumber) {
    profile.levelNumber = levelNumber;
    profile.capturePath = "./Images/Panorama/NEW/CaptureLevelOne.png";
    profile.captureX = 139;
    profile.layerPaths = {"./Images/Panorama/Ciel.png", "./Images/Panorama/Transition.png",
                          "./Images/Panorama/Etoiles.png"};
    profile.schedule = {
        {30000, 1, 4}, {36500, 1, 6}, {51000, 2, 6}, {67500, 3, 6}, {kScheduleForever, 3, 8},
    };
    profile.levelMusicPath = "Sound/Vintage.ogg";
    profile.bossMusicPath = "Sound/aka_bme.ogg";
    profile.assetBank = 1;
    profile.tableSize = 0;
    profile.bossDelay = 12000;
}

BossEntry ProvingGroundScript::MakeBoss(SDL_Surface* screen, int32_t spawnTime) {
    return BossEntry::Of(new PracticeTarget(screen, MakeRect(284, -62, 70, 62), 30, 25, spawnTime, 4));
}

std::unique_ptr<LevelScript> ProvingGround::MakeScript() {
    return std::make_unique<ProvingGroundScript>(levelNumber);
}

std::unique_ptr<Level> MakeProvingGroundLevel(int number, SDL_Surface* screen, int32_t framePeriod) {
    return std::make_unique<ProvingGround>(screen, framePeriod, number);
}
