// Finding the game's data: ./Images and Sound/ are read relative to the working directory.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The folders that may hold the data, in the order they are tried: the working directory,
// the folder of the executable, share/skyrift and share/games/skyrift beside that folder, the
// install data folder. On Windows only the first two.
std::vector<std::string> DataFolderCandidates();

// Changes the working directory to the first candidate that has an Images/ folder. Returns
// false when none has one; then every candidate tried is in *tried.
bool EnterDataFolder(std::vector<std::string>* tried);

// True when folder/Images is a directory.
bool HasGameData(const std::string& folder);

}  // namespace platform
