#include "enemies/regular/phased_enemy.h"

PhasedEnemy::PhasedEnemy(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const RegularTraits& traits,
                         int hitPoints, const PhaseRow& row)
    : RegularEnemy(screen, assets, at, traits, hitPoints), row(row), phaseLength(row.entryLength) {}

int PhasedEnemy::Scale(StepScale scale) const {
    switch (scale) {
        case StepScale::Dir: return dir;
        case StepScale::Speed: return speed;
        case StepScale::One: break;
    }
    return 1;
}

void PhasedEnemy::TurnFireAngle(int step) {
    if (fireAngle >= 360) fireAngle = 360 - fireAngle;
    fireAngle += step;
}

void PhasedEnemy::Steer() {
    if (hitPoints <= 0) return;
    const SDL_Rect copy = box;
    int dx = 0, dy = 0;
    if (phase == kEntry) {
        if (phaseCounter == phaseLength) {
            phase = kAttack;
            phaseCounter = 0;
            phaseLength = row.attackLength;
            fireAngle = row.fireAngleStart;
        } else {
            if (phaseCounter < row.entryMoveFrames) {
                dx += row.entryDx * Scale(row.entryScale);
                dy += row.entryDy * Scale(row.entryScale);
            }
            Animate(kEntry);
            phaseCounter += 1;
        }
    } else if (phase == kAttack) {
        if (phaseCounter == phaseLength) {
            // The exit's first step is taken in this same frame.
            phase = kExit;
            phaseCounter = kExitStart;
            phaseLength = kExitEnd;
        } else {
            if (row.fire.Due(phaseCounter)) {
                BeforeVolley();
                Fire();
                AfterVolley();
            }
            Animate(kAttack);
            phaseCounter += 1;
        }
    }
    if (phase == kExit && phaseCounter != phaseLength) {
        dx += row.exitDx * Scale(row.exitScale);
        dy += row.exitDy * Scale(row.exitScale);
        Animate(kExit);
        phaseCounter += 1;
    }
    MoveAndTest(copy, dx, dy);
}
