#include "trace.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;

inline uint64_t Mix(uint64_t h) {
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 33);
}

// Eight independent lanes keep the multiplier busy; the rotation lets high bits reach low ones.
inline uint64_t Step(uint64_t h, uint64_t word) {
    h ^= word;
    return (h << 23 | h >> 41) * kMultiplier;
}

}  // namespace

uint64_t ScreenDigest(const SDL_Surface* surface) {
    constexpr int kLanes = 8;
    uint64_t lane[kLanes] = {1, 2, 3, 4, 5, 6, 7, 8};
    uint64_t tail = 9;
    const size_t rowBytes = static_cast<size_t>(surface->w) * surface->format->BytesPerPixel;
    // Only the colour bits: what no display shows may differ. Classic SDL 1.2's alpha blits write
    // the unused byte of a 32-bit pixel (163,088 pixels of the game-over picture), SDL2's do not.
    uint64_t colour = ~0ull;
    if (surface->format->BytesPerPixel == 4) {
        const uint64_t mask = surface->format->Rmask | surface->format->Gmask | surface->format->Bmask;
        colour = mask << 32 | mask;
    }
    const auto* row = static_cast<const unsigned char*>(surface->pixels);
    for (int y = 0; y < surface->h; ++y, row += surface->pitch) {
        size_t i = 0;
        for (; i + sizeof(lane) <= rowBytes; i += sizeof(lane)) {
            uint64_t word[kLanes];
            std::memcpy(word, row + i, sizeof word);
            for (int k = 0; k < kLanes; ++k) lane[k] = Step(lane[k], word[k] & colour);
        }
        for (; i < rowBytes; ++i) tail = Step(tail, row[i]);
    }
    uint64_t h = Mix(tail);
    for (uint64_t l : lane) h = Mix(h ^ Mix(l));
    return h;
}

bool Trace::Open(const std::string& path, std::string* error) {
    file = std::fopen(path.c_str(), "w");
    if (!file) {
        *error = "cannot write the trace " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

Trace::~Trace() {
    if (file) std::fclose(file);
}

void Trace::Flipped(SDL_Surface* screen) {
    if (!file) return;
    pixels = ScreenDigest(screen);
    ++flips;
}

void Trace::Event(const std::string& text) {
    events += ' ';
    events += text;
}

void Trace::WriteLine(const char* frameName) {
    // A frame that flipped nothing shows what it left on the screen; one that flipped twice says so.
    std::fprintf(file, "%s %016llx %ld", frameName, static_cast<unsigned long long>(pixels), draws);
    if (flips > 1) std::fprintf(file, " flips:%d", flips);
    std::fprintf(file, "%s\n", events.c_str());
    flips = 0;
    draws = 0;
    events.clear();
}

void Trace::EndFrame(long frame) {
    if (!file) return;
    WriteLine(std::to_string(frame).c_str());
}

void Trace::Close(long) {
    if (!file) return;
    if (draws > 0 || flips > 0 || !events.empty()) WriteLine("end");
    std::fclose(file);
    file = nullptr;
}

void Trace::SoundLoaded(const Mix_Chunk* chunk, const char* path) { paths[chunk] = path; }

void Trace::MusicLoaded(const Mix_Music* music, const char* path) { paths[music] = path; }

std::string Trace::PathOf(const void* handle) const {
    if (!handle) return "none";
    auto found = paths.find(handle);
    return found == paths.end() ? "unknown" : found->second;
}

void Trace::Sound(int channel, const Mix_Chunk* chunk, int loops, int ticks) {
    if (!file) return;
    char text[512];
    if (loops != 0 || ticks != -1)
        std::snprintf(text, sizeof text, "sound:%d:%s:%d:%d", channel, PathOf(chunk).c_str(), loops, ticks);
    else
        std::snprintf(text, sizeof text, "sound:%d:%s", channel, PathOf(chunk).c_str());
    Event(text);
}

void Trace::Music(const Mix_Music* music, int loops) {
    if (file) Event("music:" + PathOf(music) + ":" + std::to_string(loops));
}

void Trace::Fade(int ms) {
    if (file) Event("fade:" + std::to_string(ms));
}

void Trace::Halt() {
    if (file) Event("halt");
}

void Trace::Freed(const Mix_Music* music) {
    // Freeing a playing track halts it.
    if (file && music) Event("free:" + PathOf(music));
    paths.erase(music);
}
