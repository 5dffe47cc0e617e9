// When a volley is due within a phase, counted in its ticks: the phased ships' attack and every
// boss phase that fires read it the same way.
#pragma once

#include <climits>

struct FireWindow {
    int every = 1;
    int after = -1;
    int before = INT_MAX;

    // On the ticks that are a multiple of every, strictly between after and before.
    bool Due(int tick) const { return tick % every == 0 && tick > after && tick < before; }
};
