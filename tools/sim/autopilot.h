// A simple pilot for the simulator: holds fire, flies under the nearest target (or towards a
// bonus), and sidesteps the shots it sees coming a few frames ahead.
#pragma once

#include <SDL/SDL.h>

#include <unordered_map>
#include <vector>

class LevelRunner;
class Enemy;
class EnemyShot;

class Autopilot {
public:
    // Writes the arrow keys and the fire key into keys for the next frame.
    void Steer(LevelRunner& run, Uint8* keys);

    // Exposed for tests: one threat as the pilot sees it.
    struct Threat {
        int x, y;  // centre
        int halfW, halfH;
        int vx, vy;  // pixels per frame, estimated from the last frame
    };
    // The move (dx, dy in -1..1) that keeps the ship at (shipX, shipY) (its centre) clear of
    // the threats over the next frames while heading for (goalX, goalY).
    static void ChooseMove(int shipX, int shipY, int goalX, int goalY, const std::vector<Threat>& threats, int* dx,
                           int* dy);

private:
    std::unordered_map<const EnemyShot*, SDL_Rect> lastSeen;
    std::unordered_map<const Enemy*, int> lastTargetX;  // body centres of the last frame
};
