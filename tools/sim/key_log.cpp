#include "key_log.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace {

// Bits of the numeric form, in this order.
const SDLKey kMaskKeys[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_g};

bool AllDigits(const std::string& token) {
    if (token.empty()) return false;
    for (char c : token)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

SDLKey KeyByName(const std::string& name) {
    struct Named {
        const char* name;
        SDLKey key;
    };
    static const Named kNames[] = {
        {"up", SDLK_UP}, {"down", SDLK_DOWN},     {"left", SDLK_LEFT},    {"right", SDLK_RIGHT},   {"fire", SDLK_g},
        {"g", SDLK_g},   {"return", SDLK_RETURN}, {"enter", SDLK_RETURN}, {"escape", SDLK_ESCAPE},
    };
    for (const Named& named : kNames)
        if (name == named.name) return named.key;
    return SDLK_UNKNOWN;
}

bool KeyLog::Parse(const std::string& text, std::string* error) {
    frames.clear();
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const size_t comment = line.find('#');
        if (comment != std::string::npos) line.erase(comment);
        KeyFrame frame;
        std::istringstream tokens(line);
        std::string token;
        bool first = true;
        while (tokens >> token) {
            if (first && AllDigits(token)) {
                const unsigned long mask = std::stoul(token);
                if (mask >= 32) {
                    *error = "line " + std::to_string(number) + ": mask " + token + " beyond 31";
                    return false;
                }
                for (int bit = 0; bit < 5; ++bit)
                    if (mask & (1u << bit)) frame.held.push_back(kMaskKeys[bit]);
                first = false;
                continue;
            }
            first = false;
            const bool press = token[0] == '+';
            const SDLKey key = KeyByName(press ? token.substr(1) : token);
            if (key == SDLK_UNKNOWN) {
                *error = "line " + std::to_string(number) + ": unknown key " + token;
                return false;
            }
            (press ? frame.pressed : frame.held).push_back(key);
        }
        frames.push_back(frame);
    }
    return true;
}

bool KeyLog::Load(const std::string& path, std::string* error) {
    std::ifstream file(path);
    if (!file) {
        *error = "cannot read " + path;
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return Parse(text.str(), error);
}
