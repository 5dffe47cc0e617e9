// Level 6 on the real runner: the Insecte fought alone under Xorg's boss bar, its kill scored like
// a table enemy's, the layer switch and Xorg's new spawn time when it is gone, then Xorg.
#include <gtest/gtest.h>

#include <vector>

#include "core/utilities.h"
#include "enemies/bosses/insecte.h"
#include "enemies/bosses/xorg.h"
#include "fake_level.h"
#include "hero/hero.h"
#include "levels/level6.h"
#include "levels/level_runner.h"
#include "levels/scrolling_background.h"
#include "support/sdl_env.h"

namespace {

// What a loop frame left behind, read after its pacing wait.
struct FrameLog {
    Uint32 now = 0;
    bool insecte = false;
    bool insecteActive = false;
    int insecteWeapon = 0;
    int bossEnergy = 0, bossMaxEnergy = 0;
    bool secondLayer = false;
    int layer1 = 0, layer2 = 0;
    int xorgY = 0, xorgSpawn = 0, xorgPhase = 0;
    int32_t score = 0;
    bool flash = false;
    bool bossExploding = false;
    int heroState = 0;
};

// A still hero shot of the given damage, centred on (cx, cy), put in the hero's first free slot.
void Shoot(Hero& hero, int cx, int cy, int damage) {
    EnemyShot** shots = hero.GetShots();
    for (int i = 0; i < hero.GetShotCount(); ++i) {
        if (shots[i]) continue;
        const PathSegment still = {0, 0, 1};
        shots[i] = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(cx - 4, cy - 4, 8, 8), still, still, still, still);
        shots[i]->SetDamage(damage);
        shots[i]->SetBoosted(damage == 4 || damage == 6);  // the hero's boosted volleys
        return;
    }
}

class Level6Test : public levelstest::RunnerTest {
protected:
    // Logs every loop frame; action runs first and may shoot or press keys.
    void LogFrames(std::function<void(LevelRunner&, int)> action) {
        frames.Every([this, action](int) {
            LevelRunner* run = watch.run;
            if (!run) return;
            action(*run, static_cast<int>(log.size()) + 1);
            FrameLog entry;
            entry.now = run->Now();
            if (auto* insecte = static_cast<Insecte*>(run->GetMidBoss())) {
                entry.insecte = true;
                entry.insecteActive = insecte->IsActive(static_cast<int>(run->Now()));
                entry.insecteWeapon = insecte->GetHeroWeaponLevel();
            }
            entry.bossEnergy = run->BossEnergy();
            entry.bossMaxEnergy = run->BossMaxEnergy();
            entry.secondLayer = script.SecondLayer();
            entry.layer1 = run->Layer(1)->Offset();
            entry.layer2 = run->Layer(2)->Offset();
            if (auto* xorg = static_cast<Xorg*>(run->GetBoss())) {
                entry.xorgY = xorg->GetRect().y;
                entry.xorgSpawn = xorg->GetSpawnTime();
                entry.xorgPhase = xorg->GetPhase();
            }
            entry.score = run->Score();
            entry.flash = run->ScoreFlash();
            entry.bossExploding = run->BossExploding();
            entry.heroState = run->GetHero()->GetState();
            log.push_back(entry);
        });
    }

    Level6Script script;
    std::vector<FrameLog> log;
};

TEST_F(Level6Test, TheInsecteFirstThenXorgFourSecondsAfterIt) {
    int insecteShotAt = 0, xorgShotAt = 0;
    LogFrames([&](LevelRunner& run, int frame) {
        Hero& hero = *run.GetHero();
        if (frame == 2) hero.SetWeaponLevel(5);
        const int now = static_cast<int>(run.Now());
        Enemy* insecte = run.GetMidBoss();
        if (insecte && insecte->IsActive(now) && insecte->GetRect().y >= 0 && !insecteShotAt) {
            // A plain hit and then a boosted one that kills, in the same frame.
            const SDL_Rect box = insecte->GetRect();
            Shoot(hero, box.x + 95, box.y + 75, 8996);
            Shoot(hero, box.x + 41, box.y + 15, 4);
            insecteShotAt = frame;
        }
        auto* xorg = static_cast<Xorg*>(run.GetBoss());
        if (!insecte && xorg && xorg->GetPhase() == 1 && !xorgShotAt) {
            const SDL_Rect box = xorg->GetRect();
            Shoot(hero, box.x + box.w / 2, box.y + box.h / 2, 24794);
            Shoot(hero, box.x + box.w / 2, box.y + box.h / 2, 6);
            xorgShotAt = frame;
        }
    });
    int32_t score = 0;
    EXPECT_EQ(LevelResult::Cleared, Play(script, &score));
    EXPECT_EQ(LevelState::Won, state);
    ASSERT_GT(insecteShotAt, 0);
    ASSERT_GT(xorgShotAt, 0);

    // The Insecte hears of the weapon level before it is active.
    EXPECT_FALSE(log[2].insecteActive);
    EXPECT_EQ(5, log[2].insecteWeapon);

    // Its kill, in the frame after the shots were placed, scores double and flashes.
    const int kill = insecteShotAt;  // index of the next frame's entry
    EXPECT_EQ(0, log[kill - 1].score);
    EXPECT_EQ(1000, log[kill].score);
    EXPECT_TRUE(log[kill].flash);

    size_t gone = 0;
    while (gone < log.size() && log[gone].insecte) ++gone;
    ASSERT_LT(gone, log.size());
    const int firstXorgSpawn = log[0].xorgSpawn;
    for (size_t f = 0; f < gone; ++f) {
        EXPECT_EQ(24800, log[f].bossEnergy) << "the bar shows Xorg's energy from the start";
        EXPECT_EQ(24800, log[f].bossMaxEnergy);
        EXPECT_FALSE(log[f].bossExploding) << "the Insecte's explosion protects nobody";
        EXPECT_NE(kHeroInvulnerable, log[f].heroState);
        EXPECT_EQ(-238, log[f].xorgY) << "Xorg waits although its first spawn time has passed";
        EXPECT_FALSE(log[f].secondLayer);
        EXPECT_EQ(log[0].layer2, log[f].layer2);
    }
    EXPECT_LT(firstXorgSpawn, static_cast<int>(log[gone - 1].now));

    // The frame the Insecte is deleted: Xorg gets now + 4 s, the layers switch on the next frame.
    EXPECT_EQ(static_cast<int>(log[gone].now) + 4000, log[gone].xorgSpawn);
    EXPECT_TRUE(log[gone].secondLayer);
    EXPECT_NE(log[gone - 1].layer1, log[gone].layer1);
    EXPECT_EQ(log[0].layer2, log[gone].layer2);
    EXPECT_EQ(log[gone].layer1, log[gone + 1].layer1);
    EXPECT_NE(log[gone].layer2, log[gone + 1].layer2);

    // Xorg comes in with the first frame whose time has reached its spawn time.
    size_t arrives = gone + 1;
    while (arrives < log.size() && static_cast<int>(log[arrives].now) < log[gone].xorgSpawn) {
        EXPECT_EQ(-238, log[arrives].xorgY);
        ++arrives;
    }
    ASSERT_LT(arrives, log.size());
    EXPECT_EQ(-233, log[arrives].xorgY);

    // Its boosted kill scores once, without a flash; its explosion makes the hero invulnerable.
    EXPECT_EQ(1000, log[xorgShotAt - 1].score);
    EXPECT_EQ(1000 + 1250, log[xorgShotAt].score);
    EXPECT_FALSE(log[xorgShotAt].flash);
    bool protectedHero = false;
    for (size_t f = xorgShotAt; f < log.size(); ++f) protectedHero |= log[f].heroState == kHeroInvulnerable;
    EXPECT_TRUE(protectedHero);
    EXPECT_GE(score, 1000 + 1250);
}

TEST_F(Level6Test, EscapeDuringTheInsectePhaseEndsTheLevel) {
    int escapedAt = 0;
    LogFrames([&](LevelRunner& run, int frame) {
        Enemy* insecte = run.GetMidBoss();
        if (insecte && insecte->GetRect().y > -116 && !escapedAt) {
            testsupport::PushKeyDown(SDLK_ESCAPE);
            escapedAt = frame;
        }
    });
    int32_t score = 0;
    EXPECT_EQ(LevelResult::Quit, Play(script, &score));
    EXPECT_EQ(LevelState::Running, state);
    ASSERT_GT(escapedAt, 0);
    EXPECT_EQ(static_cast<size_t>(escapedAt), log.size()) << "the frame that reads Escape ends before its wait";
    EXPECT_TRUE(log.back().insecte);
    EXPECT_EQ(-238, log.back().xorgY);
    EXPECT_EQ(0, score);
}

}  // namespace
