// The shots one owner has in flight, enemy, boss or hero: a fixed array of slots that its volleys
// walk in index order. A shot that leaves its bounds is deleted and its slot nulled; the rest go
// with the pool.
#pragma once

#include "enemies/framework/enemy_shot.h"
#include "enemies/framework/volley.h"

class ShotPool {
public:
    explicit ShotPool(int slots);
    ~ShotPool();
    ShotPool(const ShotPool&) = delete;
    ShotPool& operator=(const ShotPool&) = delete;

    // The array as the runner and the hero's tests see it.
    EnemyShot** Slots() const { return slots; }
    int Size() const { return size; }
    int Live() const;
    bool Any() const;
    // One frame of every shot; returns how many are still in flight.
    int Update() { return UpdateShots(slots, size); }
    // Deletes every shot now (an owner whose shots draw with pictures it frees).
    void Clear() { DeleteShots(slots, size); }
    // A volley of count shots over the free slots.
    Volley Open(int count) { return Volley(slots, size, count); }

private:
    int size;
    EnemyShot** slots;
};
