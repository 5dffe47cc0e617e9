#include "enemies/framework/volley.h"

EnemyShot* NewOrbitShot(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box,
                        MovePattern pattern, int angle, int angleStep, int radiusStep, int phase1, int phase2) {
    EnemyShot* shot = new EnemyShot(screen, frameA, frameB, box, pattern);
    shot->SetOrbit(box.x, box.y, 0, angle, angleStep, radiusStep, phase1, phase2);
    return shot;
}

bool Volley::Fits() {
    if (placed == size) return false;
    while (cursor < slotCount && shots[cursor] != nullptr) ++cursor;
    return cursor < slotCount;
}

EnemyShot* Volley::Place(EnemyShot* shot) {
    shots[cursor++] = shot;
    ++placed;
    return shot;
}

bool Volley::SpareSlots(int count) const {
    for (int i = cursor; i < slotCount && count > 0; ++i)
        if (shots[i] == nullptr) --count;
    return count <= 0;
}
