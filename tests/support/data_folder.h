// A throw-away data folder for tests that need pictures with known colours: the test writes
// solid pictures at the game's paths and the working directory moves there for its lifetime.
#pragma once

#include <SDL/SDL.h>

#include <string>

namespace testsupport {

class TempDataFolder {
public:
    TempDataFolder();
    ~TempDataFolder();
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    // Writes a w x h picture of one colour (0xRRGGBB) at path, e.g. "Images/Panorama/X.png".
    // It is a BMP inside; SDL_image goes by the contents, not the name.
    void SolidPicture(const std::string& path, int w, int h, Uint32 rgb);
    // Writes a picture that the caller has drawn.
    void Picture(const std::string& path, SDL_Surface* surface);

    const std::string& Path() const { return folder; }

private:
    std::string previous;
    std::string folder;
};

}  // namespace testsupport
