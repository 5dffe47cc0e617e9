// The playfield: the column of the 640x480 window between the two side panels, where every
// enemy, shot and the hero fly. Levels, enemies and the hero share these edges.
#pragma once

namespace playfield {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
// The left panel ends and the right one begins here; what crosses them is off the playfield.
constexpr int kLeft = 138;
constexpr int kRight = 502;
// The first column of the pictures drawn inside the panels (the capture, the level's overlay).
constexpr int kInnerLeft = kLeft + 1;
// The columns a random x is drawn from.
constexpr int kWidth = kRight - kLeft;

}  // namespace playfield
