#include "support/data_folder.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace testsupport {

TempDataFolder::TempDataFolder() {
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) previous = cwd;
    char pattern[] = "/tmp/skyrift-data-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    folder = pattern;
    if (chdir(folder.c_str()) != 0) std::abort();
}

TempDataFolder::~TempDataFolder() {
    if (!previous.empty() && chdir(previous.c_str()) != 0) std::abort();
    std::string command = "rm -rf '" + folder + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", folder.c_str());
}

void TempDataFolder::Picture(const std::string& path, SDL_Surface* surface) {
    std::string full = folder + "/" + path;
    for (size_t slash = full.find('/', folder.size() + 1); slash != std::string::npos;
         slash = full.find('/', slash + 1))
        mkdir(full.substr(0, slash).c_str(), 0755);
    SDL_SaveBMP(surface, full.c_str());
}

void TempDataFolder::SolidPicture(const std::string& path, int w, int h, Uint32 rgb) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
    Picture(path, picture);
    SDL_FreeSurface(picture);
}

}  // namespace testsupport
