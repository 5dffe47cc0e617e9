// SIGINT, SIGTERM and SIGHUP end the game from any screen.
//
// SDL 1.2 turns SIGINT and SIGTERM into a window close, which the title takes as Enter and a
// level ignores, so Ctrl+C, kill or a logout could not stop the game. These handlers only note
// the signal; the next frame wait (platform::Sleep, FrameTimer::Wait) ends the process.
#pragma once

namespace platform {

// Catches SIGINT, SIGTERM and SIGHUP in place of SDL's handlers. A signal the process was
// started with ignored (nohup, a background job of a script) stays ignored. Call it before
// SDL opens the display: SDL then leaves these handlers alone.
void CatchEndSignals();

// After one of those signals: shows the cursor, SDL_Quit() (which restores the display mode),
// and ends the process by the same signal, as if it had not been caught. Otherwise returns.
void EndIfSignalled();

// True once one of those signals has come and the process is about to end.
bool EndSignalPending();

}  // namespace platform
