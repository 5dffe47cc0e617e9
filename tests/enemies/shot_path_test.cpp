// Path-mode shots, the two-picture animation, bounds and the owners' shot-array helpers.
#include <gtest/gtest.h>

#include <vector>

#include "core/utilities.h"
#include "enemies/framework/enemy_shot.h"
#include "support/sdl_env.h"

using testsupport::PixelAt;
using testsupport::Screen;

namespace {

EnemyShot* PathShot(int x, int y, PathSegment s0, PathSegment s1, PathSegment s2, PathSegment s3,
                    SDL_Surface* a = nullptr, SDL_Surface* b = nullptr) {
    return new EnemyShot(Screen(), a, b, MakeRect(x, y, 8, 8), s0, s1, s2, s3);
}

bool Step(EnemyShot& shot) {
    bool alive = false;
    shot.Update(&alive);
    return alive;
}

}  // namespace

TEST(ShotPath, WalksLegsInOrderAndLeavesBelowTheScreen) {
    EnemyShot shot(Screen(), nullptr, nullptr, MakeRect(200, 100, 8, 8), {0, 2, 5}, {0, 2, 5}, {0, 2, 30}, {0, 2, 300});
    const int segmentAfter[][2] = {{4, 0}, {5, 1}, {10, 2}, {39, 2}, {40, 3}, {190, 3}};
    int frame = 0;
    for (const auto& s : segmentAfter) {
        while (frame < s[0]) {
            ASSERT_TRUE(Step(shot)) << frame;
            ++frame;
        }
        EXPECT_EQ(shot.GetSegment(), s[1]) << "after frame " << s[0];
    }
    EXPECT_EQ(shot.GetRect().y, 480);  // still in: only y > 480 is out
    EXPECT_FALSE(Step(shot));

    // Each leg has its own direction; 16-bit positions wrap.
    EnemyShot turns(Screen(), nullptr, nullptr, MakeRect(300, 300, 4, 4), {1, 0, 2}, {0, -3, 1}, {-2, 0, 1}, {0, 1, 1});
    const int expected[][2] = {{301, 300}, {302, 300}, {302, 297}, {300, 297}, {300, 298}};
    for (const auto& e : expected) {
        Step(turns);
        EXPECT_EQ(turns.GetRect().x, e[0]);
        EXPECT_EQ(turns.GetRect().y, e[1]);
    }
    EnemyShot wraps(Screen(), nullptr, nullptr, MakeRect(32766, -32767, 4, 4), {3, -2, 9}, {0, 0, 1}, {0, 0, 1},
                    {0, 0, 1});
    Step(wraps);
    EXPECT_EQ(wraps.GetRect().x, -32767);
    EXPECT_EQ(wraps.GetRect().y, 32767);
}

TEST(ShotPath, PlayfieldBoundsAreExclusiveOfTheEdges) {
    // After one step: x + w = 138 | 137, x = 502 | 503, y = 480 | 481, y + h = 0 | -1.
    const struct {
        int x, y, dx, dy;
        bool alive;
    } cases[] = {{131, 200, -1, 0, true}, {130, 200, -1, 0, false}, {501, 200, 1, 0, true}, {502, 200, 1, 0, false},
                 {300, 479, 0, 1, true},  {300, 480, 0, 1, false},  {300, -7, 0, -1, true}, {300, -8, 0, -1, false}};
    for (const auto& c : cases) {
        const PathSegment leg = {c.dx, c.dy, 9};
        EnemyShot* shot = PathShot(c.x, c.y, leg, leg, leg, leg);
        EXPECT_EQ(Step(*shot), c.alive) << c.x << "," << c.y;
        delete shot;
    }
}

TEST(ShotAnimation, FourOfAFiveOfBAndPatternShotsStartOneLater) {
    SDL_Surface* a = testsupport::SolidPicture(4, 4, 0xE03020);
    SDL_Surface* b = testsupport::SolidPicture(4, 4, 0x2040E0);
    SDL_Surface* altA = testsupport::SolidPicture(4, 4, 0x20E040);
    SDL_Surface* altB = testsupport::SolidPicture(4, 4, 0xE0E020);
    auto drawn = [](EnemyShot& shot, int n) {
        std::vector<char> seen;
        for (int i = 0; i < n; ++i) {
            SDL_FillRect(Screen(), nullptr, 0);
            Step(shot);
            const Uint32 c = PixelAt(Screen(), shot.GetRect().x, shot.GetRect().y);
            seen.push_back(c == 0xE03020 ? 'A' : c == 0x2040E0 ? 'B' : c == 0x20E040 ? 'a' : c == 0xE0E020 ? 'b' : '?');
        }
        return std::string(seen.begin(), seen.end());
    };
    const PathSegment still = {0, 0, 9};
    EnemyShot* path = PathShot(300, 200, still, still, still, still, a, b);
    EXPECT_EQ(drawn(*path, 18), "AAABBBBBAAAABBBBBA");
    delete path;

    EnemyShot pattern(Screen(), a, b, MakeRect(0, 0, 4, 4), MovePattern::Radial);
    pattern.SetOrbit(300, 200, 0, 0, 0, 0, 0, 0);  // a ray of speed 0 stands still
    EXPECT_EQ(drawn(pattern, 14), "AAAABBBBBAAAAB");

    // A turning shot with phase2 = 0 draws the alternate pair from its first frame.
    EnemyShot turning(Screen(), a, b, MakeRect(0, 0, 4, 4), MovePattern::RadialThenTurn);
    turning.SetAltFrames(altA, altB);
    turning.SetOrbit(300, 200, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(drawn(turning, 6), "aaaabb");

    // The frame on which a shot is found outside still draws it.
    EnemyShot* leaving = PathShot(503, 200, still, still, still, still, a, b);
    EXPECT_EQ(drawn(*leaving, 1), "A");
    delete leaving;
    for (SDL_Surface* s : {a, b, altA, altB}) SDL_FreeSurface(s);
}

TEST(ShotArrays, UpdateShotsDeletesGoneShotsAndNullsTheirSlots) {
    const PathSegment down = {0, 1, 9};
    EnemyShot* shots[4] = {PathShot(300, 100, down, down, down, down), nullptr,
                           PathShot(300, 480, down, down, down, down), PathShot(300, 200, down, down, down, down)};
    EXPECT_EQ(UpdateShots(shots, 4), 2);
    EXPECT_EQ(shots[2], nullptr);
    EXPECT_EQ(shots[0]->GetRect().y, 101);
    DeleteShots(shots, 4);
    for (EnemyShot* s : shots) EXPECT_EQ(s, nullptr);
}
