// Path-mode shots, animation, alternate frames, bounds and the owners' shot-array helpers.
#include <gtest/gtest.h>

#include <vector>

#include "enemies/framework/enemy_shot.h"
#include "shell/utilities.h"
#include "support/sdl_env.h"

using testsupport::PixelAt;
using testsupport::Screen;

namespace {

constexpr Uint32 kBackground = 0x102030;
constexpr Uint32 kColourA = 0xE03020;
constexpr Uint32 kColourB = 0x2040E0;

struct Pictures {
    SDL_Surface* a = testsupport::SolidPicture(4, 4, kColourA);
    SDL_Surface* b = testsupport::SolidPicture(4, 4, kColourB);
    SDL_Surface* altA = testsupport::SolidPicture(4, 4, 0x20E040);
    SDL_Surface* altB = testsupport::SolidPicture(4, 4, 0xE0E020);
    ~Pictures() {
        SDL_FreeSurface(a);
        SDL_FreeSurface(b);
        SDL_FreeSurface(altA);
        SDL_FreeSurface(altB);
    }
};

void ClearScreen() {
    SDL_FillRect(Screen(), nullptr,
                 SDL_MapRGB(Screen()->format, kBackground >> 16, (kBackground >> 8) & 0xFF, kBackground & 0xFF));
}

// Updates the shot n times and returns the colour drawn at its top-left corner each frame.
std::vector<Uint32> DrawnColours(EnemyShot& shot, int n) {
    std::vector<Uint32> colours;
    for (int i = 0; i < n; ++i) {
        ClearScreen();
        bool alive = false;
        shot.Update(&alive);
        SDL_Rect r = shot.GetRect();
        colours.push_back(PixelAt(Screen(), r.x, r.y));
    }
    return colours;
}

}  // namespace

TEST(ShotPath, WalksLegsInOrderAndLeavesBelowTheScreen) {
    EnemyShot shot(Screen(), nullptr, nullptr, MakeRect(200, 100, 8, 8), {0, 2, 5}, {0, 2, 5},
                   {0, 2, 30}, {0, 2, 300});
    bool alive = false;
    for (int frame = 1; frame <= 190; ++frame) {
        shot.Update(&alive);
        ASSERT_TRUE(alive) << "frame " << frame;
        ASSERT_EQ(shot.GetRect().y, 100 + 2 * frame);
        if (frame == 4) {
            EXPECT_EQ(shot.GetSegment(), 0);
        }
        if (frame == 5) {
            EXPECT_EQ(shot.GetSegment(), 1);
        }
        if (frame == 10) {
            EXPECT_EQ(shot.GetSegment(), 2);
        }
        if (frame == 39) {
            EXPECT_EQ(shot.GetSegment(), 2);
        }
        if (frame == 40) {
            EXPECT_EQ(shot.GetSegment(), 3);
        }
    }
    EXPECT_EQ(shot.GetRect().y, 480);  // still in: only y > 480 is out
    shot.Update(&alive);
    EXPECT_FALSE(alive);
    EXPECT_EQ(shot.GetSegment(), 3);  // the last leg is never counted down
}

TEST(ShotPath, LegsChangeDirection) {
    EnemyShot shot(Screen(), nullptr, nullptr, MakeRect(300, 300, 4, 4), {1, 0, 2}, {0, -3, 1},
                   {-2, 0, 1}, {0, 1, 1});
    const int expected[][2] = {{301, 300}, {302, 300}, {302, 297}, {300, 297}, {300, 298}, {300, 299}};
    for (const auto& e : expected) {
        bool alive = false;
        shot.Update(&alive);
        EXPECT_EQ(shot.GetRect().x, e[0]);
        EXPECT_EQ(shot.GetRect().y, e[1]);
    }
}

TEST(ShotPath, PositionsWrapAtSixteenBits) {
    EnemyShot shot(Screen(), nullptr, nullptr, MakeRect(32766, -32767, 4, 4), {3, -2, 10},
                   {0, 0, 1}, {0, 0, 1}, {0, 0, 1});
    bool alive = true;
    shot.Update(&alive);
    EXPECT_EQ(shot.GetRect().x, -32767);
    EXPECT_EQ(shot.GetRect().y, 32767);
    EXPECT_FALSE(alive);
}

TEST(ShotBounds, PlayfieldEdgesForPathShots) {
    struct Case {
        int x, y, dx, dy;
        bool aliveAfterOne;
    } cases[] = {
        {131, 200, -1, 0, true},   // x + w = 138
        {130, 200, -1, 0, false},  // x + w = 137
        {501, 200, 1, 0, true},    // x = 502
        {502, 200, 1, 0, false},   // x = 503
        {300, 479, 0, 1, true},    // y = 480
        {300, 480, 0, 1, false},   // y = 481
        {300, -7, 0, -1, true},    // y + h = 0
        {300, -8, 0, -1, false},   // y + h = -1
    };
    for (const Case& c : cases) {
        EnemyShot shot(Screen(), nullptr, nullptr, MakeRect(c.x, c.y, 8, 8), {c.dx, c.dy, 9},
                       {c.dx, c.dy, 9}, {c.dx, c.dy, 9}, {c.dx, c.dy, 9});
        bool alive = !c.aliveAfterOne;
        shot.Update(&alive);
        EXPECT_EQ(alive, c.aliveAfterOne) << c.x << "," << c.y;
    }
}

TEST(ShotAnimation, PathShotShowsFourOfAThenFiveOfB) {
    Pictures p;
    EnemyShot shot(Screen(), p.a, p.b, MakeRect(300, 200, 4, 4), {0, 0, 9}, {0, 0, 9}, {0, 0, 9},
                   {0, 0, 9});
    const Uint32 A = kColourA, B = kColourB;
    std::vector<Uint32> expected = {A, A, A, B, B, B, B, B, A, A, A, A, B, B, B, B, B, A};
    EXPECT_EQ(DrawnColours(shot, 18), expected);
}

TEST(ShotAnimation, PatternShotShowsOneMoreAAtTheStart) {
    Pictures p;
    EnemyShot shot(Screen(), p.a, p.b, MakeRect(0, 0, 4, 4), MovePattern::Radial);
    shot.SetOrbit(300, 200, 0, 0, 0, 0, 0, 0);  // a ray of speed 0 stands still
    const Uint32 A = kColourA, B = kColourB;
    std::vector<Uint32> expected = {A, A, A, A, B, B, B, B, B, A, A, A, A, B};
    EXPECT_EQ(DrawnColours(shot, 14), expected);
}

TEST(ShotAnimation, AlternateFramesReplaceBothPictures) {
    Pictures p;
    // A turning shot with phase2 = 0 uses the alternate pictures from its first frame.
    EnemyShot shot(Screen(), p.a, p.b, MakeRect(0, 0, 4, 4), MovePattern::RadialThenTurn);
    shot.SetAltFrames(p.altA, p.altB);
    shot.SetOrbit(300, 200, 0, 0, 0, 0, 0, 0);
    shot.SetExitAngle(0);
    std::vector<Uint32> colours = DrawnColours(shot, 5);
    EXPECT_EQ(colours[0], 0x20E040u);
    EXPECT_EQ(colours[4], 0xE0E020u);
}

TEST(ShotAnimation, DrawnOnTheFrameItIsFoundOutside) {
    Pictures p;
    ClearScreen();
    bool alive = true;
    EnemyShot side(Screen(), p.a, p.b, MakeRect(503, 200, 4, 4), {0, 0, 9}, {0, 0, 9}, {0, 0, 9},
                   {0, 0, 9});
    side.Update(&alive);
    EXPECT_FALSE(alive);
    EXPECT_EQ(PixelAt(Screen(), 503, 200), kColourA);
}

TEST(ShotFields, DefaultsAndSetters) {
    EnemyShot shot(Screen(), nullptr, nullptr, MakeRect(1, 2, 3, 4), MovePattern::Spiral);
    EXPECT_EQ(shot.GetDamage(), 1);
    EXPECT_FALSE(shot.IsBonus());
    EXPECT_EQ(shot.GetVx(), 99);
    EXPECT_EQ(shot.GetVy(), 99);
    EXPECT_EQ(shot.GetTick(), 99);
    shot.SetBonus(true);
    shot.SetDamage(6);
    EXPECT_TRUE(shot.IsBonus());
    EXPECT_EQ(shot.GetDamage(), 6);
    SDL_Rect r = shot.GetRect();
    EXPECT_EQ(r.x, 1);
    EXPECT_EQ(r.h, 4);
}

TEST(ShotArrays, UpdateShotsDeletesGoneShotsAndNullsTheirSlots) {
    EnemyShot* shots[4] = {};
    shots[0] = new EnemyShot(Screen(), nullptr, nullptr, MakeRect(300, 100, 4, 4), {0, 1, 9},
                             {0, 1, 9}, {0, 1, 9}, {0, 1, 9});
    shots[2] = new EnemyShot(Screen(), nullptr, nullptr, MakeRect(300, 480, 4, 4), {0, 1, 9},
                             {0, 1, 9}, {0, 1, 9}, {0, 1, 9});
    shots[3] = new EnemyShot(Screen(), nullptr, nullptr, MakeRect(300, 200, 4, 4), {0, 1, 9},
                             {0, 1, 9}, {0, 1, 9}, {0, 1, 9});
    EXPECT_EQ(UpdateShots(shots, 4), 2);
    EXPECT_NE(shots[0], nullptr);
    EXPECT_EQ(shots[2], nullptr);
    EXPECT_EQ(shots[0]->GetRect().y, 101);
    DeleteShots(shots, 4);
    for (EnemyShot* s : shots) EXPECT_EQ(s, nullptr);
    EXPECT_EQ(UpdateShots(shots, 4), 0);
}
