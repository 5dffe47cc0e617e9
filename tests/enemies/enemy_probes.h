// What the enemy tests do to an enemy again and again: hit it, and run a frame to see what it
// fired.
#pragma once

#include <vector>

#include "enemies/framework/enemy.h"

namespace enemyprobes {

// Hits the enemy's centre with one still 4 x 10 hero shot of the given damage; returns
// CheckHit's result.
int HitCentre(Enemy& enemy, int damage);

// One game frame: Update, then 13 ms of the virtual clock. Returns the shots it added (slots
// free before and holding a shot after), in slot order; *alive gets Update's answer.
std::vector<EnemyShot*> FrameNewShots(Enemy& enemy, bool* alive = nullptr);

}  // namespace enemyprobes
