// Enemy shots must stand out on every background of their level: the forge measures it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "asset.h"
#include "checks.h"
#include "picture.h"

namespace forge {

// The backgrounds each level shows and the shot pictures that fly over them.
struct LevelLook {
    int level;
    std::vector<std::string> backgrounds;
    std::vector<std::string> shots;
};
const std::vector<LevelLook>& LevelLooks();

// Share of places on `background` (a grid over the playfield) where the shot has a pixel at
// least `contrast` away in luminance from the ground beneath it: 1 means readable everywhere.
double ShotVisibility(const Picture& shot, Rgb key, const Picture& background, int contrast);

// Runs the measure over every level; `find` returns the made picture of a path (null if absent).
Faults CheckShotVisibility(const std::function<const Picture*(const std::string&)>& find);

}  // namespace forge
