#include "enemies/framework/volley.h"

EnemyShot** Volley::Next() {
    if (placed == size) return nullptr;
    while (cursor < slotCount && shots[cursor] != nullptr) ++cursor;
    if (cursor == slotCount) return nullptr;
    ++placed;
    return &shots[cursor++];
}

bool Volley::SpareSlot() {
    while (cursor < slotCount && shots[cursor] != nullptr) ++cursor;
    return cursor < slotCount;
}

EnemyShot* Volley::Orbit(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box,
                         MovePattern pattern, int angle, int angleStep, int radiusStep, int phase1, int phase2) {
    EnemyShot** slot = Next();
    if (!slot) return nullptr;
    EnemyShot* shot = new EnemyShot(screen, frameA, frameB, box, pattern);
    shot->SetOrbit(box.x, box.y, 0, angle, angleStep, radiusStep, phase1, phase2);
    *slot = shot;
    return shot;
}

EnemyShot* Volley::Path(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box,
                        const PathSegment legs[4]) {
    EnemyShot** slot = Next();
    if (!slot) return nullptr;
    *slot = new EnemyShot(screen, frameA, frameB, box, legs[0], legs[1], legs[2], legs[3]);
    return *slot;
}
