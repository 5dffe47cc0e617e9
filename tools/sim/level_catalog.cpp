#include "level_catalog.h"

#include "levels/level6.h"
#include "levels/level_catalog.h"
#include "levels/level_runner.h"

namespace {

// The level's own script with the table left empty.
class BossOnlyScript : public LevelScript {
public:
    explicit BossOnlyScript(std::unique_ptr<LevelScript> level) : level(std::move(level)) {
        profile = this->level->Profile();
        profile.tableSize = 0;
    }

    const LevelProfile& Profile() const override { return profile; }
    BossEntry MakeBoss(SDL_Surface* screen, int32_t spawnTime) override { return level->MakeBoss(screen, spawnTime); }
    void LoadExtraPictures() override { level->LoadExtraPictures(); }
    void LoadExtraSounds() override { level->LoadExtraSounds(); }
    void FreeExtras() override { level->FreeExtras(); }
    bool DrawBackground(LevelRunner& run) override { return level->DrawBackground(run); }
    void BeforeThreatPass(LevelRunner& run) override { level->BeforeThreatPass(run); }

protected:
    std::unique_ptr<LevelScript> level;
    LevelProfile profile;
};

// Xorg as if the Insecte had just been finished: the second layer, the level music already faded
// out, and Xorg due 4 s into play (its spawn time is the start of the spawn clock).
class XorgAloneScript : public BossOnlyScript {
public:
    XorgAloneScript() : BossOnlyScript(AfterInsecte()) { profile.levelMusic = nullptr; }

private:
    static std::unique_ptr<LevelScript> AfterInsecte() {
        auto level = std::make_unique<Level6Script>();
        level->StartAfterInsecte();
        return level;
    }
};

struct BossName {
    const char* name;
    int level;
    bool midBoss;
};

const BossName kBosses[] = {
    {"Moine", 1, false},      {"CubeBoss", 2, false}, {"Death", 3, false}, {"Monstro", 4, false},
    {"RadioZonde", 5, false}, {"Insecte", 6, true},   {"Xorg", 6, false},
};

}  // namespace

int BossLevel(const std::string& name) {
    for (const BossName& boss : kBosses)
        if (name == boss.name) return boss.level;
    return 0;
}

bool IsMidBoss(const std::string& name) {
    for (const BossName& boss : kBosses)
        if (name == boss.name) return boss.midBoss;
    return false;
}

std::unique_ptr<LevelScript> MakeBossScript(const std::string& name) {
    if (IsMidBoss(name)) return MakeLevelScript(BossLevel(name));
    if (name == "Xorg") return std::make_unique<XorgAloneScript>();
    std::unique_ptr<LevelScript> level = MakeLevelScript(BossLevel(name));
    if (!level) return nullptr;
    return std::make_unique<BossOnlyScript>(std::move(level));
}
