#include "autopilot.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "hero/hero.h"
#include "levels/level_runner.h"

namespace {

constexpr int kLookAhead = 12;                                    // frames
constexpr int kSpeed = 2;                                         // the ship's speed while fire is held
constexpr int kMargin = 5;                                        // extra room kept around a shot
constexpr int kRestY = 400;                                       // preferred height of the ship's centre
constexpr int kMinX = 150, kMaxX = 490, kMinY = 40, kMaxY = 455;  // ship centre limits
constexpr int kMaxGuess = 12;                                     // a larger jump is a new shot at an old address

int Centre(int position, int size) { return position + size / 2; }

}  // namespace

void Autopilot::ChooseMove(int shipX, int shipY, int goalX, int goalY, const std::vector<Threat>& all, int* dx,
                           int* dy) {
    // Only threats that can come within reach of the ship in the frames looked ahead can weigh;
    // the others are left out before the nine moves are tried.
    std::vector<Threat> threats;
    const int reach = kSpeed * kLookAhead + kMargin;
    for (const Threat& t : all) {
        if (std::abs(t.x - shipX) < t.halfW + reach + std::abs(t.vx) * kLookAhead &&
            std::abs(t.y - shipY) < t.halfH + reach + std::abs(t.vy) * kLookAhead)
            threats.push_back(t);
    }
    long best = LONG_MAX;
    *dx = 0;
    *dy = 0;
    for (int my = -1; my <= 1; ++my) {
        for (int mx = -1; mx <= 1; ++mx) {
            long cost = 0;
            int x = shipX, y = shipY;
            for (int k = 1; k <= kLookAhead; ++k) {
                x = std::clamp(x + mx * kSpeed, kMinX, kMaxX);
                y = std::clamp(y + my * kSpeed, kMinY, kMaxY);
                for (const Threat& t : threats) {
                    const int tx = t.x + t.vx * k, ty = t.y + t.vy * k;
                    if (std::abs(tx - x) < t.halfW + kMargin && std::abs(ty - y) < t.halfH + kMargin)
                        cost += 100000 / k;  // near danger weighs most
                }
            }
            if (x == (mx < 0 ? kMinX : kMaxX) && mx != 0) cost += 50;  // pressed into a wall
            cost += 4 * std::abs(x - goalX) + 2 * std::abs(y - goalY);
            if (cost < best) {
                best = cost;
                *dx = mx;
                *dy = my;
            }
        }
    }
}

void Autopilot::Steer(LevelRunner& run, Uint8* keys) {
    keys[SDLK_UP] = keys[SDLK_DOWN] = keys[SDLK_LEFT] = keys[SDLK_RIGHT] = 0;
    keys[SDLK_g] = 1;
    Hero* hero = run.GetHero();
    if (!hero) return;
    const SDL_Rect ship = hero->GetRect();
    const int shipX = Centre(ship.x, ship.w), shipY = Centre(ship.y, ship.h);

    std::vector<Threat> threats;
    std::unordered_map<const EnemyShot*, SDL_Rect> seen(lastSeen.size() * 2 + 16);
    std::unordered_map<const Enemy*, int> targetX;
    bool haveBonus = false;
    int goalX = shipX, goalY = kRestY;
    long targetDistance = LONG_MAX;

    run.ForEachActive([&](Enemy* enemy, EnemyRole) {
        EnemyShot** shots = enemy->GetShots();
        const int count = enemy->GetShotCount();
        for (int i = 0; i < count; ++i) {
            const EnemyShot* shot = shots[i];
            if (!shot) continue;
            const SDL_Rect r = shot->GetRect();
            seen[shot] = r;
            if (shot->IsBonus()) {
                if (!haveBonus) {
                    haveBonus = true;
                    goalX = Centre(r.x, r.w);
                    goalY = std::clamp(Centre(r.y, r.h), kMinY, kMaxY);
                }
                continue;
            }
            Threat t{Centre(r.x, r.w), Centre(r.y, r.h), r.w / 2, r.h / 2, 0, 3};
            auto previous = lastSeen.find(shot);
            if (previous != lastSeen.end()) {
                const int vx = r.x - previous->second.x, vy = r.y - previous->second.y;
                if (std::abs(vx) <= kMaxGuess && std::abs(vy) <= kMaxGuess) {
                    t.vx = vx;
                    t.vy = vy;
                }
            }
            threats.push_back(t);
        }
        if (enemy->IsDestroyed()) return;
        const SDL_Rect body = enemy->GetRect();
        const int bx = Centre(body.x, body.w), by = Centre(body.y, body.h);
        // Bodies are threats too, grown by the ship's own half size.
        threats.push_back(Threat{bx, by, enemy->GetHitHalfWidth() + 16, enemy->GetHitHalfHeight() + 20, 0, 0});
        targetX[enemy] = bx;
        if (by < 0 || bx < 138 || bx > 502) return;
        const long distance = std::abs(bx - shipX) + std::abs(by - shipY);
        if (!haveBonus && distance < targetDistance) {
            targetDistance = distance;
            // Lead a moving target by the time the shots take to climb to it.
            auto last = lastTargetX.find(enemy);
            const int drift = last != lastTargetX.end() ? bx - last->second : 0;
            const int climb = std::max(0, shipY - by) / 8;
            goalX = bx + (std::abs(drift) <= 4 ? drift * climb : 0);
        }
    });
    lastSeen.swap(seen);
    lastTargetX.swap(targetX);

    int dx = 0, dy = 0;
    ChooseMove(shipX, shipY, std::clamp(goalX, kMinX, kMaxX), goalY, threats, &dx, &dy);
    keys[SDLK_LEFT] = dx < 0;
    keys[SDLK_RIGHT] = dx > 0;
    keys[SDLK_UP] = dy < 0;
    keys[SDLK_DOWN] = dy > 0;
}
