// What the enemy tests do to an enemy again and again: hit it, and run a frame to see what it
// fired.
#pragma once

#include <functional>
#include <vector>

#include "enemies/framework/enemy.h"
#include "enemies/regular/regular_enemy.h"

namespace enemyprobes {

// A test enemy's spawn row: at (x, y), due from time 0.
constexpr Spawn At(int x, int y) { return {.x = x, .y = y, .spawnTime = 0}; }

// The hero fires 3 or 5 a shot, one more while boosted: the probes mark 4 and 6 as boosted shots.
inline bool IsBoostedDamage(int damage) { return damage == 4 || damage == 6; }

// A still 4 x 10 shot centred on (x, y): a hero's shot to hit with, or one that only holds a slot.
EnemyShot* StillShot(int x, int y, int damage = 1);

// Hits the enemy's centre with one still shot of the given damage; returns CheckHit's result.
int HitCentre(Enemy& enemy, int damage);

// One game frame: Update, then 13 ms of the virtual clock. Returns the shots it added (slots
// free before and holding a shot after), in slot order; *alive gets Update's answer.
std::vector<EnemyShot*> FrameNewShots(Enemy& enemy, bool* alive = nullptr);

// One game frame; returns Update's answer.
bool Frame(Enemy& enemy);

// What a regular enemy class builds from its arguments: one row of a class table. The rest of
// its numbers are its traits, which the golden runs pin where they show.
struct Construction {
    const char* name;
    std::function<RegularEnemy*()> make;
    int hitPoints, frame;
};

// Builds the row's enemy and expects its hit points, its first cell, the normal state and an
// empty shot array.
void ExpectBuilt(const Construction& row);

// An enemy placed at an edge of its playfield, and whether its first frame keeps it.
struct Placed {
    const char* name;
    RegularEnemy* enemy;  // deleted by ExpectEdges
    bool stays;
};

// Runs each enemy's first frame: it stays, or it ends at once without an explosion.
void ExpectEdges(const std::vector<Placed>& rows);

}  // namespace enemyprobes
