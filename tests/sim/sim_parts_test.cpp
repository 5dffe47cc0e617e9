// The simulator's parts: command line, key logs, statistics and the autopilot's choice.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "autopilot.h"
#include "frame_stats.h"
#include "key_log.h"
#include "sim_options.h"

namespace {

bool Parse(std::vector<const char*> args, SimOptions* options, std::string* error) {
    args.insert(args.begin(), "skyrift-sim");
    return ParseSimOptions(static_cast<int>(args.size()), const_cast<char**>(args.data()), options, error);
}

TEST(SimOptionsTest, ReadsModesAndValues) {
    SimOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--game", "--seed", "42", "--autopilot", "--god", "--max-frames", "900", "--screenshot-every",
                       "25", "--out", "/tmp/x"},
                      &options, &error))
        << error;
    EXPECT_EQ(SimMode::Game, options.mode);
    EXPECT_EQ(42u, options.seed);
    EXPECT_TRUE(options.autopilot);
    EXPECT_TRUE(options.god);
    EXPECT_EQ(900, options.maxFrames);
    EXPECT_EQ(25, options.screenshotEvery);
    EXPECT_EQ("/tmp/x", options.outDir);

    options = SimOptions();
    ASSERT_TRUE(Parse({"--timetable", "3"}, &options, &error));
    EXPECT_EQ(SimMode::Timetable, options.mode);
    EXPECT_EQ(3, options.level);

    options = SimOptions();
    ASSERT_TRUE(Parse({"--boss", "Moine", "--weapon", "7"}, &options, &error)) << error;
    EXPECT_EQ(SimMode::Boss, options.mode);
    EXPECT_EQ("Moine", options.boss);
    EXPECT_EQ(7, options.weapon);
}

TEST(SimOptionsTest, RejectsWhatCannotBeMeant) {
    const std::vector<std::vector<const char*>> bad = {
        {"--seed"},             // no value
        {"--max-frames", "0"},  // nothing would run
        {"--screenshot-every", "-5"},
        {"--level", "2x"},
        {"--game", "--level", "2"},       // two modes
        {"--autopilot", "--input", "k"},  // two drivers
        {"--boss"},                       // no name
        {"--boss", "Moine", "--level", "1"},
        {"--weapon", "0"},  // weapon levels run from 1 to 7
        {"--weapon", "8"},
        {"--fast"},
    };
    for (const auto& args : bad) {
        SimOptions options;
        std::string error;
        EXPECT_FALSE(Parse(args, &options, &error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(KeyLogTest, NamesMasksPressesAndComments) {
    KeyLog log;
    std::string error;
    ASSERT_TRUE(
        log.Parse("left fire\n"
                  "\n"
                  "# only a comment\n"
                  "21  # up, left, fire\n"
                  "+return right\n",
                  &error))
        << error;
    ASSERT_EQ(5u, log.Size());
    EXPECT_EQ((std::vector<SDLKey>{SDLK_LEFT, SDLK_g}), log.At(0).held);
    EXPECT_TRUE(log.At(1).held.empty());
    EXPECT_TRUE(log.At(2).held.empty());
    EXPECT_EQ((std::vector<SDLKey>{SDLK_UP, SDLK_LEFT, SDLK_g}), log.At(3).held);
    EXPECT_EQ((std::vector<SDLKey>{SDLK_RIGHT}), log.At(4).held);
    EXPECT_EQ((std::vector<SDLKey>{SDLK_RETURN}), log.At(4).pressed);
}

TEST(KeyLogTest, ABadLineNamesItsNumber) {
    KeyLog log;
    std::string error;
    EXPECT_FALSE(log.Parse("up\nup jump\n", &error));
    EXPECT_NE(std::string::npos, error.find("line 2"));
    EXPECT_FALSE(log.Parse("32\n", &error));  // only five keys have bits
    EXPECT_FALSE(log.Load("/nonexistent/log.txt", &error));
}

TEST(FrameStatsTest, NearestRankPercentiles) {
    FrameSummary s = Summarise({50, 10, 40, 20, 30});
    EXPECT_EQ(30, s.medianUs);
    EXPECT_EQ(50, s.p99Us);
    EXPECT_EQ(50, s.maxUs);

    std::vector<int64_t> hundreds;
    for (int v = 200; v >= 1; --v) hundreds.push_back(v);
    s = Summarise(hundreds);
    EXPECT_EQ(100, s.medianUs);  // rank 100 of 200
    EXPECT_EQ(198, s.p99Us);     // rank 198 of 200
    EXPECT_EQ(200, s.maxUs);

    s = Summarise({});
    EXPECT_EQ(0, s.medianUs);
    EXPECT_EQ(0, s.maxUs);
}

// Ship at (x, y), the goal, at most one shot; the move must pass `ok`. A 16x16 shot 30 pixels
// above, falling 3 pixels a frame: at the lowest point it flies to the ship cannot back away.
TEST(AutopilotTest, HeadsForTheGoalAndNeverMeetsAFallingShot) {
    const struct {
        const char* name;
        int x, y, goalX;
        std::vector<Autopilot::Threat> shots;
        std::function<bool(int, int)> ok;
    } cases[] = {
        {"nothing threatens", 300, 400, 360, {}, [](int dx, int dy) { return dx == 1 && dy == 0; }},
        {"at the bottom", 300, 455, 300, {{300, 425, 8, 8, 0, 3}}, [](int dx, int) { return dx != 0; }},
        {"above the bottom", 300, 400, 300, {{300, 370, 8, 8, 0, 3}}, [](int dx, int dy) { return dx != 0 || dy > 0; }},
        {"passing beside", 300, 400, 300, {{340, 370, 8, 8, 0, 3}}, [](int dx, int dy) { return dx == 0 && dy == 0; }},
    };
    for (const auto& c : cases) {
        int dx = 0, dy = 0;
        Autopilot::ChooseMove(c.x, c.y, c.goalX, c.y, c.shots, &dx, &dy);
        EXPECT_TRUE(c.ok(dx, dy)) << c.name << ": " << dx << "," << dy;
    }
}

}  // namespace
