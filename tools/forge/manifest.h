// The manifest: one entry for every file the game loads, with its exact shape.
#pragma once

#include <string>
#include <vector>

#include "asset.h"

namespace forge {

const std::vector<Asset>& Manifest();

// The desktop icon at the sizes the package installs, paths relative to an icon theme folder
// ("48x48/apps/skyrift.png"). Not part of the game's data.
const std::vector<Asset>& DesktopIcons();

// Entry for a path as the game writes it ("./Images/Ennemis/Piaf//PiafS.png" or
// "Sound/Shot1.wav"); null when the manifest has no such file.
const Asset* FindAsset(const std::string& gamePath);

// "./Images//a/b.png" -> "Images/a/b.png": how the file system resolves a path the game names.
std::string NormalisePath(const std::string& gamePath);

}  // namespace forge
