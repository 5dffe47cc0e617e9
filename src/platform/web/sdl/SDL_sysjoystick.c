/* SDL's joysticks in the browser: the page's gamepads (navigator.getGamepads), in place of the
 * Linux driver (scripts/deps-web copies it over src/joystick/linux/SDL_sysjoystick.c).
 *
 * A browser shows a gamepad to the page only after one of its buttons is pressed, so the pads
 * are those shown when SDL starts its joysticks. What a pad holds when it is opened is its
 * starting state, not a press: the button that started the game is not a button press in it. A
 * pad in the standard layout also has its cross as a hat.
 */
#include "SDL_config.h"

#include <emscripten.h>

#include "SDL_events.h"
#include "SDL_joystick.h"
#include "../SDL_sysjoystick.h"
#include "../SDL_joystick_c.h"

#define MAX_PADS 4
#define MAX_AXES 8
#define MAX_BUTTONS 32

struct joystick_hwdata {
	int pad;      /* navigator.getGamepads()'s index */
	int started;  /* the starting state has been read */
};

/* Reads pad into state: axes as Sint16, then buttons (0 or 1), then the hat; returns whether the
 * pad is still there. */
EM_JS(int, pads_read, (int pad, int *state, int axes, int buttons), {
	const pads = navigator.getGamepads ? navigator.getGamepads() : [];
	const p = pads[pad];
	if (!p || !p.connected) return 0;
	const at = state >> 2;
	for (let a = 0; a < axes; ++a) HEAP32[at + a] = Math.max(-32768, Math.min(32767, Math.round((p.axes[a] || 0) * 32767)));
	for (let b = 0; b < buttons; ++b) HEAP32[at + axes + b] = p.buttons[b] && p.buttons[b].pressed ? 1 : 0;
	let hat = 0;
	if (p.mapping === 'standard' && p.buttons.length >= 16) {
		if (p.buttons[12].pressed) hat |= 1;
		if (p.buttons[15].pressed) hat |= 2;
		if (p.buttons[13].pressed) hat |= 4;
		if (p.buttons[14].pressed) hat |= 8;
	}
	HEAP32[at + axes + buttons] = hat;
	return 1;
});

/* The indexes of the pads shown, into indexes; how many. */
EM_JS(int, pads_list, (int *indexes, int most), {
	const pads = typeof navigator !== 'undefined' && navigator.getGamepads ? navigator.getGamepads() : [];
	let n = 0;
	for (let i = 0; i < pads.length && n < most; ++i)
		if (pads[i] && pads[i].connected) HEAP32[(indexes >> 2) + n++] = i;
	return n;
});

EM_JS(int, pads_count, (int pad, int buttons), {
	const p = navigator.getGamepads()[pad];
	if (!p) return 0;
	return buttons ? p.buttons.length : p.axes.length;
});

EM_JS(void, pads_name, (int pad, char *name, int size), {
	const p = navigator.getGamepads()[pad];
	stringToUTF8(p ? p.id : '', name, size);
});

static int pad_index[MAX_PADS];
static char pad_names[MAX_PADS][128];

int SDL_SYS_JoystickInit(void)
{
	int n = pads_list(pad_index, MAX_PADS), i;
	for (i = 0; i < n; ++i) pads_name(pad_index[i], pad_names[i], sizeof pad_names[i]);
	return n;
}

const char *SDL_SYS_JoystickName(int index)
{
	return pad_names[index];
}

int SDL_SYS_JoystickOpen(SDL_Joystick *joystick)
{
	const int pad = pad_index[joystick->index];
	joystick->hwdata = (struct joystick_hwdata *)SDL_calloc(1, sizeof(struct joystick_hwdata));
	if (!joystick->hwdata) {
		SDL_OutOfMemory();
		return -1;
	}
	joystick->hwdata->pad = pad;
	joystick->naxes = SDL_min(pads_count(pad, 0), MAX_AXES);
	joystick->nbuttons = SDL_min(pads_count(pad, 1), MAX_BUTTONS);
	joystick->nhats = joystick->nbuttons >= 16 ? 1 : 0;
	joystick->nballs = 0;
	return 0;
}

/* SDL_JoystickOpen makes the state arrays after SDL_SYS_JoystickOpen: the starting state is
 * taken at the first update, without events. */
void SDL_SYS_JoystickUpdate(SDL_Joystick *joystick)
{
	int state[MAX_AXES + MAX_BUTTONS + 1];
	const int axes = joystick->naxes, buttons = joystick->nbuttons;
	int i;
	if (!pads_read(joystick->hwdata->pad, state, axes, buttons)) return;
	if (!joystick->hwdata->started) {
		joystick->hwdata->started = 1;
		for (i = 0; i < axes; ++i) joystick->axes[i] = (Sint16)state[i];
		for (i = 0; i < buttons; ++i) joystick->buttons[i] = (Uint8)state[axes + i];
		if (joystick->nhats) joystick->hats[0] = (Uint8)state[axes + buttons];
		return;
	}
	for (i = 0; i < axes; ++i)
		if (state[i] != joystick->axes[i]) SDL_PrivateJoystickAxis(joystick, (Uint8)i, (Sint16)state[i]);
	for (i = 0; i < buttons; ++i)
		if (state[axes + i] != joystick->buttons[i]) SDL_PrivateJoystickButton(joystick, (Uint8)i, state[axes + i] ? SDL_PRESSED : SDL_RELEASED);
	if (joystick->nhats && state[axes + buttons] != joystick->hats[0])
		SDL_PrivateJoystickHat(joystick, 0, (Uint8)state[axes + buttons]);
}

void SDL_SYS_JoystickClose(SDL_Joystick *joystick)
{
	SDL_free(joystick->hwdata);
	joystick->hwdata = NULL;
}

void SDL_SYS_JoystickQuit(void)
{
}
