#include "platform/end_signals.h"

#include <SDL/SDL.h>

#include <csignal>
#include <cstdlib>

namespace platform {
namespace {

constexpr int kEndSignals[] = {
    SIGINT,
    SIGTERM,
#ifdef SIGHUP
    SIGHUP,
#endif
};

volatile std::sig_atomic_t pendingSignal = 0;

void NoteEndSignal(int signal) { pendingSignal = signal; }

}  // namespace

void CatchEndSignals() {
    // glibc's signal() keeps the handler and restarts interrupted calls (a file read, a wait).
    for (int signal : kEndSignals)
        if (std::signal(signal, NoteEndSignal) == SIG_IGN) std::signal(signal, SIG_IGN);
}

bool EndSignalPending() { return pendingSignal != 0; }

void EndIfSignalled() {
    const int signal = pendingSignal;
    if (signal == 0) return;
    SDL_ShowCursor(1);
    // The display first: SDL_Quit closes the audio device before it, and that waits for the
    // buffer being played (up to 46 ms).
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);  // not reached: the default action of each of them ends the process
}

}  // namespace platform
