#include "enemies/framework/shot_pool.h"

ShotPool::ShotPool(int slots) : size(slots > 0 ? slots : 0), slots(new EnemyShot*[size]()) {}

ShotPool::~ShotPool() {
    DeleteShots(slots, size);
    delete[] slots;
}

int ShotPool::Live() const {
    int live = 0;
    for (int i = 0; i < size; ++i)
        if (slots[i]) ++live;
    return live;
}

bool ShotPool::Any() const {
    for (int i = 0; i < size; ++i)
        if (slots[i]) return true;
    return false;
}
