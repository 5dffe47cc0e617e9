// Level 6's mid-boss: its four hit zones and what a hit answers, its descent, the script that
// reads the hero's weapon level only when a phase ends, its bonus and spray, and its wait for
// its last shot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/utilities.h"
#include "enemies/bosses/insecte.h"
#include "enemy_probes.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

// Where the level's Insecte comes to rest.
constexpr int kRestX = 225, kRestY = 109;

// A still hero shot of the given damage, 8 x 8, centred on (cx, cy).
EnemyShot* HeroShot(int cx, int cy, int damage) {
    const PathSegment still = {0, 0, 1};
    auto* shot = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(cx - 4, cy - 4, 8, 8), still, still, still, still);
    shot->SetDamage(damage);
    shot->SetBoosted(enemyprobes::IsBoostedDamage(damage));
    return shot;
}

std::unique_ptr<Insecte> MakeInsecte(int y) {
    return std::make_unique<Insecte>(testsupport::Screen(), Spawn{.x = kRestX, .y = y, .spawnTime = 0},
                                     Energy{.units = 1});
}

// Runs frames with the shots removed after each, which keeps long scripts fast; each frame's
// volley is then all that is in the array.
void RunClean(Insecte& insecte, int frames) {
    for (int i = 0; i < frames; ++i) {
        DeleteShots(insecte.GetShots(), insecte.GetShotCount());
        insecte.Update();
    }
}

TEST(InsecteTest, OnlyItsFourZonesCanBeHit) {
    struct Case {
        const char* where;
        int dx, dy;  // shot centre from the box's corner
        bool hits;
    };
    const Case cases[] = {
        {"centre zone", 95, 75, true},
        {"centre zone's right edge", 95 + 17, 75, true},
        {"just right of the centre zone", 95 + 18, 75, false},
        {"upper centre", 95, 31, true},
        {"upper left wing", 41, 15, true},
        {"upper right wing", 149, 15, true},
        {"between the left wing and the head", 75, 15, false},
        {"low in the box's left corner", 10, 110, false},
        {"low in the box's right corner", 180, 110, false},
    };
    for (const Case& c : cases) {
        auto insecte = MakeInsecte(kRestY);
        EnemyShot* heroShots[3] = {nullptr, nullptr, HeroShot(kRestX + c.dx, kRestY + c.dy, 3)};
        const int result = insecte->CheckHit(heroShots, 3);
        EXPECT_EQ(c.hits ? 2 : Enemy::kNoHit, result) << c.where;
        EXPECT_EQ(c.hits ? 9000 - 3 : 9000, insecte->GetEnergy()) << c.where;
        EXPECT_EQ(c.hits, heroShots[2] == nullptr) << c.where << ": a hit consumes the shot";
        delete heroShots[2];
    }
}

TEST(InsecteTest, BoostedShotsAnswer99999AndAKillWithOneStillCounts) {
    struct Case {
        int damage;
        int result;
    };
    const Case cases[] = {{3, 0}, {4, Enemy::kBoostedHit}, {5, 0}, {6, Enemy::kBoostedHit}};
    for (const Case& c : cases) {
        auto insecte = MakeInsecte(kRestY);
        EnemyShot* heroShots[1] = {HeroShot(kRestX + 95, kRestY + 75, c.damage)};
        EXPECT_EQ(c.result, insecte->CheckHit(heroShots, 1)) << "damage " << c.damage;
        EXPECT_FALSE(insecte->IsDestroyed());
    }
    // The killing hit of a boosted shot after a plain one in the same call.
    auto insecte = MakeInsecte(kRestY);
    EnemyShot* heroShots[2] = {HeroShot(kRestX + 95, kRestY + 75, 8996), HeroShot(kRestX + 41, kRestY + 15, 4)};
    EXPECT_EQ(Enemy::kBoostedHit, insecte->CheckHit(heroShots, 2));
    EXPECT_TRUE(insecte->IsDestroyed());
}

TEST(InsecteTest, DropsInReleasesTheMusicAndStartsItsScriptAtTick200) {
    auto insecte = MakeInsecte(-116);
    insecte->SetMusicHold(true);
    insecte->Update();
    EXPECT_FALSE(insecte->IsMusicHeld());
    RunClean(*insecte, 44);
    EXPECT_EQ(kRestY, insecte->GetRect().y);  // 45 frames of 5 pixels
    RunClean(*insecte, 154);
    EXPECT_EQ(kRestY, insecte->GetRect().y);
    EXPECT_EQ(0, insecte->GetPhase());
    EXPECT_EQ(0, insecte->LiveShots());
    RunClean(*insecte, 1);
    EXPECT_EQ(1, insecte->GetPhase());
    RunClean(*insecte, 1);
    EXPECT_EQ(6, insecte->LiveShots());  // the star's first volley
}

// Runs the script from the start of phase 1 and lists the phases it goes through with the frames
// spent in each. weaponAt: the weapon level reported on each frame (by frame number).
std::vector<std::pair<int, int>> PhaseRun(int frames, int (*weaponAt)(int)) {
    auto insecte = MakeInsecte(-116);
    RunClean(*insecte, Insecte::kEntryLength);
    std::vector<std::pair<int, int>> phases;
    for (int frame = 0; frame < frames; ++frame) {
        insecte->SetHeroWeaponLevel(weaponAt(frame));
        RunClean(*insecte, 1);
        if (phases.empty() || phases.back().first != insecte->GetPhase()) phases.push_back({insecte->GetPhase(), 0});
        phases.back().second += 1;
    }
    return phases;
}

using Phases = std::vector<std::pair<int, int>>;

TEST(InsecteTest, TheWeaponLevelChoosesTheNextPhaseOnlyWhenAPhaseEnds) {
    // The frame of a switch belongs to the phase it leaves: a phase of length L spans L + 1 frames.
    EXPECT_EQ((Phases{{1, 1300}, {2, 251}, {1, 1101}, {2, 251}, {1, 1}}), PhaseRun(2904, [](int) { return 1; }))
        << "a weak hero gets a bonus every cycle; phase 1 is shorter once entered again";
    EXPECT_EQ((Phases{{1, 1300}, {2, 251}, {1, 1}}), PhaseRun(1552, [](int) { return 0; }));
    EXPECT_EQ((Phases{{1, 1300}, {3, 1101}, {4, 601}, {3, 1101}, {4, 1}}), PhaseRun(4104, [](int) { return 3; }));
    EXPECT_EQ((Phases{{1, 1300}, {3, 1101}, {5, 1101}, {6, 1101}, {5, 1}}), PhaseRun(4604, [](int) { return 7; }));
    // Level 4 reached in the middle of phase 1 and lost again before its end changes nothing.
    EXPECT_EQ((Phases{{1, 1300}, {2, 1}}), PhaseRun(1301, [](int f) { return f > 200 && f < 1000 ? 4 : 1; }));
    // Reached just before the end of phase 1: phase 3 next, then straight on to phase 5.
    EXPECT_EQ((Phases{{1, 1300}, {3, 1101}, {5, 1}}), PhaseRun(2402, [](int f) { return f >= 1299 ? 4 : 1; }));
}

TEST(InsecteTest, TheBonusFallsStraightDownFromUnderTheBody) {
    auto insecte = MakeInsecte(-116);
    RunClean(*insecte, Insecte::kEntryLength + 1301 + 100);  // phase 2, tick 99 done
    RunClean(*insecte, 1);
    ASSERT_EQ(1, insecte->LiveShots());
    EnemyShot* bonus = nullptr;
    for (int i = 0; i < insecte->GetShotCount(); ++i)
        if (insecte->GetShots()[i]) bonus = insecte->GetShots()[i];
    ASSERT_TRUE(bonus->IsBonus());
    for (int step = 0; step < 5; ++step) {
        const SDL_Rect r = bonus->GetRect();
        // Placed at 81; cos 90 degrees is a hair below 0, so each step truncates x to one less.
        EXPECT_EQ(kRestX + (step == 0 ? 81 : 80), r.x) << step;
        EXPECT_EQ(kRestY + 41 + 2 * step, r.y);
        EXPECT_EQ(29, r.w);
        EXPECT_EQ(31, r.h);
        insecte->Update();
    }
}

TEST(InsecteTest, TheSprayDrawsItsOwnPhaseValueFirstThenOneAngleForEachShot) {
    auto insecte = MakeInsecte(-116);
    insecte->SetHeroWeaponLevel(2);
    RunClean(*insecte, Insecte::kEntryLength + 1301 + 1101 + 151);  // phase 4, ticks 0 to 150 done
    platform::SeedRandom(77);
    RunClean(*insecte, 1);
    platform::SeedRandom(77);
    platform::Random();  // phase1 of the volley
    std::vector<int> expected;
    for (int k = 0; k < 6; ++k) expected.push_back(70 + platform::Random() % 40);
    std::vector<int> angles;
    for (int i = 0; i < insecte->GetShotCount(); ++i)
        if (EnemyShot* shot = insecte->GetShots()[i]) angles.push_back(shot->GetAngle());
    EXPECT_EQ(expected, angles);
}

TEST(InsecteTest, ItEnds35FramesAfterItsExplosionOrOnceItsLastShotHasGone) {
    // How long the boss's own last shot stays in flight after the explosion; 0: it has none.
    for (const int flight : {0, 200}) {
        SCOPED_TRACE(flight);
        auto insecte = MakeInsecte(kRestY);
        EnemyShot* kill[1] = {HeroShot(kRestX + 95, kRestY + 75, 9000)};
        insecte->CheckHit(kill, 1);
        ASSERT_TRUE(insecte->IsDestroyed());
        // A shot that never leaves the screen.
        const PathSegment still = {0, 0, 1};
        EnemyShot** shots = insecte->GetShots();
        if (flight > 0)
            shots[7] = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(300, 300, 16, 16), still, still, still, still);
        while (insecte->GetExplosionCell() < Boss::kExplosionCells) {
            ASSERT_TRUE(insecte->Update());
            platform::Sleep(13);
        }
        for (int i = 0; i < std::max(flight, Boss::kEndFrames); ++i) ASSERT_TRUE(insecte->Update()) << i;
        if (flight > 0) {
            // A shot that leaves during a frame still holds that frame; the next one ends the boss.
            delete shots[7];
            const PathSegment away = {0, 300, 1};
            shots[7] = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(300, 300, 16, 16), away, away, away, away);
            EXPECT_TRUE(insecte->Update());
            EXPECT_EQ(nullptr, shots[7]);
        }
        EXPECT_FALSE(insecte->Update());
        EXPECT_TRUE(insecte->ExplosionStarted());
    }
}

}  // namespace
