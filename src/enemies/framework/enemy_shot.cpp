#include "enemies/framework/enemy_shot.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/playfield.h"
#include "core/utilities.h"
#include "platform/trig.h"

namespace {

// The pair that marks a pattern whose initialisation has not run yet.
constexpr int32_t kUninitialised = 99;

// Truncates toward zero into a 16-bit field. Values beyond 32 bits (a runaway radius) are
// clamped first, so the conversion itself is always defined; the 16-bit store then wraps.
Sint16 ToField(double value) {
    double t = std::trunc(value);
    if (!(t >= std::numeric_limits<int32_t>::min())) t = std::numeric_limits<int32_t>::min();
    if (t > std::numeric_limits<int32_t>::max()) t = std::numeric_limits<int32_t>::max();
    return static_cast<Sint16>(static_cast<int32_t>(t));
}

Sint16 Add16(Sint16 value, int32_t delta) { return static_cast<Sint16>(value + delta); }

}  // namespace

EnemyShot::EnemyShot(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box, PathSegment s0,
                     PathSegment s1, PathSegment s2, PathSegment s3)
    : screen(screen),
      frameA(frameA),
      frameB(frameB),
      altFrameA(frameA),
      altFrameB(frameB),
      box(box),
      path{s0, s1, s2, s3},
      animCounter(0),
      vx(0),
      vy(0),
      patternMode(0),
      movePattern(MovePattern::Spiral),
      tick(0) {}

EnemyShot::EnemyShot(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box,
                     MovePattern movePattern)
    : screen(screen),
      frameA(frameA),
      frameB(frameB),
      altFrameA(frameA),
      altFrameB(frameB),
      box(box),
      path{},
      animCounter(-1),
      vx(kUninitialised),
      vy(kUninitialised),
      patternMode(1),
      movePattern(movePattern),
      tick(kUninitialised) {}

void EnemyShot::SetOrbit(int centreX_, int centreY_, int radius_, int angle_, int angleStep_, int radiusStep_,
                         int phase1_, int phase2_) {
    centreX = centreX_;
    centreY = centreY_;
    radius = radius_;
    angle = angle_;
    angleStep = angleStep_;
    radiusStep = radiusStep_;
    phase1 = phase1_;
    phase2 = phase2_;
}

void EnemyShot::SetExitAngle(int degrees) { exitAngle = degrees; }
int EnemyShot::GetAngle() const { return angle; }
void EnemyShot::SetVx(int value) { vx = value; }
void EnemyShot::SetVy(int value) { vy = value; }
void EnemyShot::SetTick(int value) { tick = value; }

void EnemyShot::SetDriftBand(int left, int right) {
    driftLeft = left;
    driftRight = right;
}

void EnemyShot::SetAltFrames(SDL_Surface* a, SDL_Surface* b) {
    altFrameA = a;
    altFrameB = b;
}

void EnemyShot::SetBonus(bool bonus) { isBonus = bonus; }
bool EnemyShot::IsBonus() const { return isBonus; }
void EnemyShot::SetDamage(int value) { damage = value; }
int EnemyShot::GetDamage() const { return damage; }
SDL_Rect EnemyShot::GetRect() const { return box; }

void EnemyShot::Update(bool* alive) {
    bool known = patternMode ? MoveByPattern() : MovePath();

    animCounter += 1;
    bool second = animCounter >= 4 && animCounter <= 8;
    if (animCounter > 8) animCounter = 0;

    SDL_Surface* picture = useAltFrames ? (second ? altFrameB : altFrameA) : (second ? frameB : frameA);
    if (picture != nullptr && screen != nullptr) BlitAt(picture, screen, box);

    const int x = box.x, y = box.y, w = box.w, h = box.h;
    bool outside;
    if (UsesWideBounds()) {
        outside = x + w < -100 || x > 740 || y > 580 || y + h < -100;
    } else {
        outside = x + w < playfield::kLeft || x > playfield::kRight || y > playfield::kWindowHeight || y + h < 0;
    }
    // A pattern the game does not know would never leave the screen: drop it at once.
    *alive = known && !outside;
}

bool EnemyShot::UsesWideBounds() const {
    if (!patternMode) return false;
    switch (movePattern) {
        case MovePattern::Spiral:
        case MovePattern::Radial:
        case MovePattern::RadialThenTurn:
        case MovePattern::Wave:
        case MovePattern::SpiralThenDive: return true;
        default: return false;
    }
}

bool EnemyShot::MovePath() {
    PathSegment& leg = path[segment];
    box.x = Add16(box.x, leg.dx);
    box.y = Add16(box.y, leg.dy);
    if (segment < 3) {
        leg.steps -= 1;
        if (leg.steps == 0) segment += 1;
    }
    return true;
}

void EnemyShot::CosSin(int32_t degrees, double* c, double* s) {
    if (degrees != trigDegrees) {
        platform::CosSinDegrees(degrees, &trigCos, &trigSin);
        trigDegrees = degrees;
    }
    *c = trigCos;
    *s = trigSin;
}

void EnemyShot::PlaceOnCircle() {
    double c, s;
    CosSin(angle, &c, &s);
    box.x = ToField(radius * c + centreX);
    box.y = ToField(radius * s + centreY);
}

void EnemyShot::WrapAngle() {
    if (angle >= 360) angle -= 360;
    if (angle <= 0) angle += 360;
}

void EnemyShot::PolarStep(bool turn) {
    PlaceOnCircle();
    radius += radiusStep;
    if (turn) {
        angle += angleStep;
        WrapAngle();
    }
}

void EnemyShot::InitPattern() {
    switch (movePattern) {
        case MovePattern::RadialThenTurn:
        case MovePattern::Wave:
        case MovePattern::RadialThenTurnFast:
            tick = 0;
            vx = 0;
            vy = 0;
            break;
        case MovePattern::RadialThenFall:
            tick = 90;
            vx = 0;
            vy = 2;
            break;
        case MovePattern::SpiralThenScatter:
            tick = 0;
            vx = 1 - RandomInt(3);
            vy = 1 - RandomInt(3);
            if (vx == 0 && vy == 0) {
                vx = 0;
                vy = 1;
            }
            break;
        default:
            vx = 0;
            vy = 0;
            break;
    }
}

// RadialThenTurn and RadialThenTurnFast: out along angle for phase2 frames, then along
// exitAngle from the point reached.
void EnemyShot::TurnPattern(int speedAfterTurn) {
    if (tick < phase2) {
        PlaceOnCircle();
        tick += 1;
        if (tick == phase2) {
            centreX = box.x;
            centreY = box.y;
            radius = -radiusStep;
            radiusStep = speedAfterTurn;
        }
    } else {
        useAltFrames = true;
        double c, s;
        CosSin(exitAngle, &c, &s);
        box.x = ToField(radius * c + centreX);
        box.y = ToField(radius * s + centreY);
    }
    radius += radiusStep;
}

bool EnemyShot::MoveByPattern() {
    if (vx == kUninitialised && vy == kUninitialised) InitPattern();

    switch (movePattern) {
        case MovePattern::Spiral: PolarStep(true); return true;
        case MovePattern::Radial: PolarStep(false); return true;
        case MovePattern::RadialThenTurn: TurnPattern(1); return true;
        case MovePattern::RadialThenTurnFast: TurnPattern(5); return true;
        case MovePattern::Wave: {
            PlaceOnCircle();
            const int32_t q1 = phase2 / 4, q2 = 2 * phase2 / 4, q3 = 3 * phase2 / 4;
            if (tick <= q1) {
                angle += angleStep;
            } else if (tick <= q2) {
            } else if (tick <= q3) {
                angle -= angleStep;
            }
            radius += radiusStep;
            WrapAngle();
            tick += 1;
            if (tick > phase2) tick = 0;
            return true;
        }
        case MovePattern::RadialThenFall:
            if (tick >= 0) {
                PolarStep(false);
                tick -= 1;
            } else {
                const int32_t mid = (driftLeft + driftRight) / 2;
                if (box.x > mid && box.x < driftRight) {
                    box.x = Add16(box.x, vx);
                } else if (box.x <= mid && box.x > driftLeft) {
                    box.x = Add16(box.x, -vx);
                }
                box.y = Add16(box.y, vy);
            }
            return true;
        case MovePattern::SpiralThenScatter:
            if (tick < phase1) {
                PolarStep(true);
            } else if (tick > phase2) {
                useAltFrames = true;
                box.x = Add16(box.x, (phase2 % 2 != 0) ? -vx : vx);
                box.y = Add16(box.y, vy);
            }
            tick += 1;
            return true;
        case MovePattern::SpiralThenDive:
            if (radius <= 200) {
                PolarStep(true);
            } else {
                if (box.x > 280 && box.x <= 310) {
                    box.x = Add16(box.x, -1);
                } else if (box.x > 310 && box.x < 360) {
                    box.x = Add16(box.x, 1);
                }
                box.y = Add16(box.y, 6);
            }
            return true;
    }
    return false;
}

bool CentresMeet(const SDL_Rect& s, int cx, int cy, int halfW, int halfH) {
    const int scx = s.x + s.w / 2, scy = s.y + s.h / 2;
    return std::abs(scx - cx) < s.w / 2 + halfW && std::abs(scy - cy) < s.h / 2 + halfH;
}

int UpdateShots(EnemyShot** shots, int count) {
    int inFlight = 0;
    for (int i = 0; i < count; ++i) {
        if (shots[i] == nullptr) continue;
        bool alive = true;
        shots[i]->Update(&alive);
        if (alive) {
            ++inFlight;
        } else {
            delete shots[i];
            shots[i] = nullptr;
        }
    }
    return inFlight;
}

void DeleteShots(EnemyShot** shots, int count) {
    for (int i = 0; i < count; ++i) {
        delete shots[i];
        shots[i] = nullptr;
    }
}
