#include "trace.h"

#include <SDL/SDL_mixer.h>
#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

Trace* activeTrace = nullptr;

// Which file a chunk or a track came from: chunks are loaded from an SDL_RWops, so the path is
// taken where that is opened.
std::map<const void*, std::string>& Paths() {
    static std::map<const void*, std::string> paths;
    return paths;
}

std::string PathOf(const void* handle) {
    if (!handle) return "none";
    auto found = Paths().find(handle);
    return found == Paths().end() ? "unknown" : found->second;
}

template <typename Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

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

Trace* Trace::Active() { return activeTrace; }

bool Trace::Open(const std::string& path, std::string* error) {
    file = std::fopen(path.c_str(), "w");
    if (!file) {
        *error = "cannot write the trace " + path + ": " + std::strerror(errno);
        return false;
    }
    activeTrace = this;
    return true;
}

Trace::~Trace() {
    if (activeTrace == this) activeTrace = nullptr;
    if (file) std::fclose(file);
}

void Trace::Flipped(SDL_Surface* screen) {
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
    if (activeTrace == this) activeTrace = nullptr;
}

// Defined in the simulator, these take the calls of the game code linked into it, note them while
// a trace is open, and hand them on to the libraries'.

extern "C" int rand() noexcept {
    static auto real = Real<int (*)()>("rand");
    if (activeTrace) activeTrace->Drew();
    return real();
}

extern "C" int SDL_Flip(SDL_Surface* screen) {
    static auto real = Real<int (*)(SDL_Surface*)>("SDL_Flip");
    if (activeTrace && screen) activeTrace->Flipped(screen);
    return real(screen);
}

extern "C" SDL_RWops* SDL_RWFromFile(const char* file, const char* mode) {
    static auto real = Real<SDL_RWops* (*)(const char*, const char*)>("SDL_RWFromFile");
    SDL_RWops* ops = real(file, mode);
    if (ops && file) Paths()[ops] = file;
    return ops;
}

extern "C" Mix_Chunk* Mix_LoadWAV_RW(SDL_RWops* src, int freesrc) {
    static auto real = Real<Mix_Chunk* (*)(SDL_RWops*, int)>("Mix_LoadWAV_RW");
    const std::string path = PathOf(src);
    Paths().erase(src);
    Mix_Chunk* chunk = real(src, freesrc);
    if (chunk) Paths()[chunk] = path;
    return chunk;
}

extern "C" Mix_Music* Mix_LoadMUS(const char* file) {
    static auto real = Real<Mix_Music* (*)(const char*)>("Mix_LoadMUS");
    Mix_Music* music = real(file);
    if (music && file) Paths()[music] = file;
    return music;
}

extern "C" int Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks) {
    static auto real = Real<int (*)(int, Mix_Chunk*, int, int)>("Mix_PlayChannelTimed");
    if (activeTrace) {
        char text[512];
        if (loops != 0 || ticks != -1)
            std::snprintf(text, sizeof text, "sound:%d:%s:%d:%d", channel, PathOf(chunk).c_str(), loops, ticks);
        else
            std::snprintf(text, sizeof text, "sound:%d:%s", channel, PathOf(chunk).c_str());
        activeTrace->Event(text);
    }
    return real(channel, chunk, loops, ticks);
}

extern "C" int Mix_PlayMusic(Mix_Music* music, int loops) {
    static auto real = Real<int (*)(Mix_Music*, int)>("Mix_PlayMusic");
    if (activeTrace) activeTrace->Event("music:" + PathOf(music) + ":" + std::to_string(loops));
    return real(music, loops);
}

extern "C" int Mix_FadeOutMusic(int ms) {
    static auto real = Real<int (*)(int)>("Mix_FadeOutMusic");
    if (activeTrace) activeTrace->Event("fade:" + std::to_string(ms));
    return real(ms);
}

extern "C" int Mix_HaltMusic() {
    static auto real = Real<int (*)()>("Mix_HaltMusic");
    if (activeTrace) activeTrace->Event("halt");
    return real();
}

extern "C" void Mix_FreeMusic(Mix_Music* music) {
    static auto real = Real<void (*)(Mix_Music*)>("Mix_FreeMusic");
    // Freeing a playing track halts it.
    if (activeTrace && music) activeTrace->Event("free:" + PathOf(music));
    Paths().erase(music);
    real(music);
}
