// A recorded key log: per paced frame, the keys held and the key-downs to push.
#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

struct KeyFrame {
    std::vector<SDLKey> held;
    std::vector<SDLKey> pressed;
};

class KeyLog {
public:
    // Parses the text of a log; false with the line number and reason in *error.
    bool Parse(const std::string& text, std::string* error);
    bool Load(const std::string& path, std::string* error);

    size_t Size() const { return frames.size(); }
    const KeyFrame& At(size_t index) const { return frames[index]; }

private:
    std::vector<KeyFrame> frames;
};

// The key of a log token ("up", "fire", "return"...); SDLK_UNKNOWN for an unknown name.
SDLKey KeyByName(const std::string& name);
