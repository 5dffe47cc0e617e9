/* SDL's clock in the browser, in place of the Unix one (scripts/deps-web copies it over
 * src/timer/unix/SDL_systimer.c).
 *
 * SDL_Delay gives the browser its turn: the program sleeps (ASYNCIFY) and the page paints, takes
 * its events and plays its sound meanwhile; a program built without ASYNCIFY (the simulator
 * under Node) waits on the spot. The clock stands still while the page is hidden, and
 * for as long as the browser held a sleeping program back well past its wake-up time (a frozen
 * tab): the program goes on from where it was, as if it had been suspended. There are no SDL
 * timers (no threads); the game uses none.
 */
#include "SDL_config.h"

#include <emscripten.h>

#include "SDL_timer.h"
#include "../SDL_timer_c.h"

/* Module.skyriftClock, made on first use: now() in milliseconds, counted only while the program
 * may run. */
EM_JS(void, skyrift_clock_start, (void), {
    if (Module.skyriftClock) return;
    const realNow = () => performance.now();
    const clock = (Module.skyriftClock = {
        stopped: 0,             // ms the clock stood still
        hiddenSince: null,
        now() { return (clock.hiddenSince !== null ? clock.hiddenSince : realNow()) - clock.stopped; },
        hidden() { return clock.hiddenSince !== null; },
        visibility() {
            if (document.hidden && clock.hiddenSince === null) {
                clock.hiddenSince = realNow();
            } else if (!document.hidden && clock.hiddenSince !== null) {
                clock.stopped += realNow() - clock.hiddenSince;
                clock.hiddenSince = null;
            }
        },
        // A sleep of ms asked at asked (realNow) has ended: a wake-up much later than asked
        // means the program was held back, not just slow, and the clock stood still meanwhile.
        woke(asked, ms, stoppedBefore) {
            const kHeldBackMs = 250;
            const late = realNow() - asked - ms - (clock.stopped - stoppedBefore);
            if (late > kHeldBackMs) clock.stopped += late;
        },
    });
    if (typeof document !== 'undefined') {
        document.addEventListener('visibilitychange', clock.visibility);
        clock.visibility();
    }
});

EM_JS(double, skyrift_clock_now, (void), { return Module.skyriftClock.now(); });
EM_JS(double, skyrift_clock_real, (void), { return performance.now(); });
EM_JS(double, skyrift_clock_stopped, (void), { return Module.skyriftClock.stopped; });
EM_JS(int, skyrift_clock_hidden, (void), { return Module.skyriftClock.hidden() ? 1 : 0; });
EM_JS(void, skyrift_clock_woke, (double asked, double ms, double stopped_before), {
    Module.skyriftClock.woke(asked, ms, stopped_before);
});
/* Whether the program was built to sleep (-sASYNCIFY); the simulator under Node is not. */
EM_JS(int, skyrift_clock_can_sleep, (void), { return typeof Asyncify !== 'undefined' ? 1 : 0; });

static int started;
static double start_ms;

void SDL_StartTicks(void)
{
	skyrift_clock_start();
	start_ms = skyrift_clock_now();
	started = 1;
}

Uint32 SDL_GetTicks(void)
{
	if (!started) SDL_StartTicks();
	return (Uint32)(skyrift_clock_now() - start_ms);
}

/* While the page is hidden the program sleeps on, looking again this often (a hidden page's
 * timers are slowed to about one a second anyway). */
#define HIDDEN_POLL_MS 100

void SDL_Delay(Uint32 ms)
{
	if (skyrift_clock_can_sleep()) {
		const double asked = skyrift_clock_real(), stopped = skyrift_clock_stopped();
		emscripten_sleep(ms);
		while (skyrift_clock_hidden()) emscripten_sleep(HIDDEN_POLL_MS);
		skyrift_clock_woke(asked, ms, stopped);
	} else {
		const Uint32 end = SDL_GetTicks() + ms;
		while ((Sint32)(end - SDL_GetTicks()) > 0) {
		}
	}
}

int SDL_SYS_TimerInit(void)
{
	return 0;
}

void SDL_SYS_TimerQuit(void)
{
}

int SDL_SYS_StartTimer(void)
{
	SDL_SetError("Timers are not supported in the browser");
	return -1;
}

void SDL_SYS_StopTimer(void)
{
}
