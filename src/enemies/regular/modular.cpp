#include "enemies/regular/modular.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"
#include "platform/trig.h"

namespace {

constexpr int kHoverFrames = 60;
constexpr int kFireFrame = 15;  // frames into the hover

Sint16 Truncate16(double value) { return static_cast<Sint16>(static_cast<int>(value)); }

}  // namespace

const RegularTraits Modular::kTraits = {
    .kind = &catalogue::kModular,
    .points = 1,
    .shotSlots = 3,
    .explosionFrameMs = 50,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Always,
};

Modular::Modular(SDL_Surface* screen, LevelAssets* assets, const Spawn& at)
    : RegularEnemy(screen, assets, at, kTraits, 10),
      entryLength(RandomInt(20) + 10),
      centreX(box.x),
      centreY(box.y),
      angle(box.x < 320 ? 85 : 95),
      turn(box.x < 320 ? -1 : 1) {}

void Modular::Steer() {
    const SDL_Rect copy = box;
    int dx = 0, dy = 0;
    Alternate(8);
    if (phaseCounter < entryLength) {
        dy = 4;
        phaseCounter += 1;
        centreX = copy.x;
        centreY = copy.y + 4;
    } else if (phaseCounter < entryLength + kHoverFrames) {
        if (phaseCounter == entryLength + kFireFrame) Fire();
        phaseCounter += 1;
    } else {
        double c, s;
        platform::CosSinDegrees(angle, &c, &s);
        const int nx = Truncate16(radius * c + centreX);
        const int ny = Truncate16(radius * s + centreY);
        radius += radiusStep;
        if (turn < 1) {
            if (angle > 20) angle -= 1;
        } else if (angle < 160) {
            angle += 1;
        }
        if (angle % 5 == 0) radiusStep += 1;
        if (angle > 359) angle -= 360;
        if (angle < 1) angle += 360;
        dx = nx - copy.x;
        dy = ny - copy.y;
    }
    MoveAndTest(copy, dx, dy);
}

void Modular::Fire() {
    static const PathSegment kLegs[3][4] = {
        {{3, 3, 5}, {3, 3, 5}, {3, 3, 30}, {3, 3, 300}},      // down and right
        {{0, 3, 5}, {0, 3, 30}, {0, 3, 5}, {0, 3, 300}},      // straight down
        {{-3, 3, 5}, {-3, 3, 30}, {-3, 3, 5}, {-3, 3, 300}},  // down and left
    };
    Volley volley = shots.Open(3);
    const SDL_Rect at = MakeRect(box.x + 13, box.y + 13, 9, 9);
    for (const auto& legs : kLegs) volley.Path(screen, shotA, shotB, at, legs);
    if (volley.Complete()) PlayFireSound();
}
