// The simulator in-process: runs of levels and bosses, and what they report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "level_catalog.h"
#include "levels/level_catalog.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "simulate.h"
#include "simulator.h"
#include "support/sdl_env.h"

namespace {

constexpr int kStartFrames = 300;

TEST(SimRunTest, TheSameSeedPlaysTheSameRun) {
    SimOptions options;
    options.autopilot = true;
    options.seed = 7;
    options.maxFrames = 3000;
    const SimReport first = Simulate(options);
    const SimReport second = Simulate(options);
    ASSERT_EQ(1u, first.levels.size());
    ASSERT_EQ(1u, second.levels.size());
    EXPECT_EQ(first.levels[0].frames, second.levels[0].frames);
    EXPECT_EQ(first.levels[0].lives, second.levels[0].lives);
    EXPECT_EQ(first.levels[0].peakShots, second.levels[0].peakShots);
    EXPECT_EQ(first.levels[0].score, second.levels[0].score);
}

TEST(SimRunTest, GodModeKeepsEveryLifeOfAShipThatNeverMoves) {
    SimOptions options;
    options.maxFrames = 4000;  // the idle ship never wins: the run is stopped with Escape
    const SimReport mortal = Simulate(options);
    options.god = true;
    const SimReport god = Simulate(options);
    ASSERT_EQ(1u, mortal.levels.size());
    ASSERT_EQ(1u, god.levels.size());
    // The balls' shots and the birds do reach the middle: the idle ship loses its lives, and the
    // game-over screen is answered with Escape.
    EXPECT_LE(mortal.levels[0].lives, 0);
    EXPECT_EQ(0, mortal.levels[0].result);
    EXPECT_TRUE(god.stopped);
    EXPECT_EQ(6, god.levels[0].lives);
    EXPECT_EQ(0, god.levels[0].result);
}

TEST(SimRunTest, AKeyLogDrivesTheRun) {
    const std::string path = testing::TempDir() + "/sim_keys.txt";
    {
        std::ofstream log(path);
        for (int line = 1; line < kStartFrames + 20; ++line) log << (line % 2 ? "left fire\n" : "17 # up + fire\n");
        log << "+escape\n";
    }
    SimOptions options;
    options.inputPath = path;
    const SimReport report = Simulate(options);
    std::remove(path.c_str());
    ASSERT_TRUE(report.ok) << report.error;
    ASSERT_EQ(1u, report.levels.size());
    // The Escape pushed after the 20th loop frame is read by the 21st.
    EXPECT_EQ(0, report.levels[0].result);
    EXPECT_EQ(21, report.levels[0].frames);
}

TEST(SimRunTest, AMissingKeyLogOrLevelIsReportedNotPlayed) {
    SimOptions options;
    options.inputPath = "/nonexistent/keys.txt";
    SimReport report = Simulate(options);
    EXPECT_FALSE(report.ok);
    EXPECT_TRUE(report.levels.empty());

    options = SimOptions();
    options.mode = SimMode::Level;
    options.level = 42;
    report = Simulate(options);
    EXPECT_FALSE(report.ok);
    EXPECT_EQ("there is no level 42", report.error);

    options.mode = SimMode::Boss;
    options.boss = "Nobody";
    EXPECT_FALSE(Simulate(options).ok);
}

TEST(SimRunTest, ALevelsTimetableListsEverySlotThenItsBoss) {
    std::string table;
    ASSERT_TRUE(Simulator::PrintTimetable(testsupport::Screen(), 1, 1, &table));
    EXPECT_EQ(601, std::count(table.begin(), table.end(), '\n'));
    EXPECT_EQ(0u, table.find("0,Boule,502,"));
    EXPECT_NE(std::string::npos, table.find("\n80,Soucoupe,115,10,68,65,30,20,12800\n"));
    EXPECT_NE(std::string::npos, table.find("\nboss,Moine,284,210,70,62,30,25,110425\n"));
    EXPECT_FALSE(Simulator::PrintTimetable(testsupport::Screen(), 9, 1, &table));
}

// Catches the table of a real run when its frame loop starts, then ends the run with Escape. By
// then the loading pause and the start animation have moved every spawn time alike, so that T0
// lies 4 s after the start of play.
class TableOfARun : public LevelWatcher, public platform::Observer {
public:
    std::string Play(int level, unsigned seed) {
        testsupport::DrainEvents();
        SetLevelWatcher(this);
        platform::SetObserver(this);
        platform::SeedRandom(seed);  // as the simulator seeds a run
        int32_t score = 0;
        MakeGameLevel(level, testsupport::Screen(), 13)->Run(&score);
        SetLevelWatcher(nullptr);
        platform::SetObserver(nullptr);
        playing = false;
        return table;
    }
    void LoopStarted(LevelRunner& run) override {
        table = FormatTimetable(run.Slots(), run.TableSize(), run.GetMidBoss(), run.GetBoss(),
                                static_cast<int32_t>(run.LevelStart()) + 4000);
        playing = true;
    }
    void BeforeWait() override {}
    void AfterWait() override {
        if (playing) platform::PushKeyDown(SDLK_ESCAPE);
    }

private:
    std::string table;
    bool playing = false;
};

TEST(SimRunTest, TheTimetableIsTheTableARunWithTheSameSeedPlays) {
    std::string two, three;
    ASSERT_TRUE(Simulator::PrintTimetable(testsupport::Screen(), 4, 2, &two));
    ASSERT_TRUE(Simulator::PrintTimetable(testsupport::Screen(), 4, 3, &three));
    EXPECT_NE(two, three);  // Level 4 places its enemies at random
    EXPECT_EQ(two, TableOfARun().Play(4, 2));
}

TEST(SimRunTest, TheReportLineNamesEveryValue) {
    LevelReport r;
    r.level = 2;
    r.result = 1;
    r.frames = 1234;
    r.score = 5678;
    r.lives = 3;
    r.weaponLevel = 5;
    r.medianUs = 90;
    r.p99Us = 300;
    r.maxUs = 4000;
    r.peakShots = 77;
    EXPECT_EQ(
        "level=2 result=1 frames=1234 score=5678 lives=3 weapon=5 work_us median=90 p99=300 max=4000 "
        "peak_shots=77",
        FormatLevelReport(r));
    r.boss = "CubeBoss";
    r.bossEnergy = 18000;
    r.bossFrames = 4321;
    EXPECT_EQ(
        "level=2 result=1 frames=1234 score=5678 lives=3 weapon=5 work_us median=90 p99=300 max=4000 "
        "peak_shots=77 boss=CubeBoss boss_energy=18000 boss_frames=4321",
        FormatLevelReport(r));
}

}  // namespace
