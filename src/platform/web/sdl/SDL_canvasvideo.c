/* SDL's video driver for the page's canvas (Module.canvas): a software screen, as the dummy
 * driver's, put on the canvas at every SDL_Flip or SDL_UpdateRect; the page's keys and mouse go
 * into SDL's event queue as SDL's own drivers put them there. Chosen before the dummy driver
 * wherever there is a page; under Node SDL falls back to the dummy one.
 *
 * The page keeps its own keys: key repeats are left out (SDL repeats keys itself when asked), and
 * so is every event up to the one that started the game (Module.startEventTime, the page's
 * performance.now() clock), so the key or tap that started it does not reach the game. Keys held
 * when the page loses the focus are released. Module.sdlKey(code, down) presses a key for the
 * page's own controls, by KeyboardEvent.code.
 */
#include "SDL_config.h"

#include <emscripten.h>

#include "SDL_video.h"
#include "SDL_mouse.h"
#include "../SDL_sysvideo.h"
#include "../SDL_pixels_c.h"
#include "../../events/SDL_events_c.h"

#define CANVAS_DRIVER_NAME "canvas"

/* SDL's drivers name their device "this". */
#undef _THIS
#define _THIS SDL_VideoDevice *this

struct SDL_PrivateVideoData {
	Uint32 *pixels;  /* the screen, 0x00BBGGRR: R, G, B bytes in the canvas's order */
	Uint32 *rgba;    /* what the canvas is given, the same with its alpha byte set */
	int w, h;
};

/* Only its presence matters: the page shows the canvas's own cursor or none. */
struct WMcursor {
	int unused;
};

EM_JS(int, canvas_available, (void), {
	return typeof document !== 'undefined' && typeof Module !== 'undefined' && Module.canvas ? 1 : 0;
});

/* The page's events, queued until SDL pumps them: [kind, a, b, c], kind 1 a key (a: SDLKey,
 * b: 1 down, c: unicode), 2 the mouse moved (a, b: x, y), 3 a mouse button (a: button, b: down,
 * c: unused). */
EM_JS(void, canvas_listen, (void), {
	if (Module.sdlEvents) return;
	const queue = (Module.sdlEvents = []);
	const named = {
		Backspace: 8, Tab: 9, Enter: 13, Pause: 19, Escape: 27, Space: 32, Delete: 127,
		Numpad0: 256, Numpad1: 257, Numpad2: 258, Numpad3: 259, Numpad4: 260, Numpad5: 261,
		Numpad6: 262, Numpad7: 263, Numpad8: 264, Numpad9: 265, NumpadDecimal: 266,
		NumpadDivide: 267, NumpadMultiply: 268, NumpadSubtract: 269, NumpadAdd: 270,
		NumpadEnter: 271, NumpadEqual: 272,
		ArrowUp: 273, ArrowDown: 274, ArrowRight: 275, ArrowLeft: 276, Insert: 277, Home: 278,
		End: 279, PageUp: 280, PageDown: 281,
		NumLock: 300, CapsLock: 301, ScrollLock: 302, ShiftRight: 303, ShiftLeft: 304,
		ControlRight: 305, ControlLeft: 306, AltRight: 307, AltLeft: 308, MetaRight: 309,
		MetaLeft: 310, ContextMenu: 319,
	};
	for (let f = 1; f <= 15; ++f) named['F' + f] = 281 + f;
	// Characters by the layout's key, as SDL's X11 driver reads keysyms; the others by position.
	const sym = (event) => {
		if (named[event.code] !== undefined) return named[event.code];
		if (event.key && event.key.length === 1) {
			const code = event.key.toLowerCase().charCodeAt(0);
			if (code < 256) return code;
		}
		return 0;
	};
	const held = new Set();
	const fresh = (event) => !(event.timeStamp <= (Module.startEventTime || 0));
	const key = (down) => (event) => {
		if (down && event.repeat) return;
		if (!fresh(event)) return;
		const k = sym(event);
		if (!k) return;
		if (down) held.add(k); else held.delete(k);
		const unicode = down && event.key && event.key.length === 1 ? event.key.charCodeAt(0) : 0;
		queue.push([1, k, down ? 1 : 0, unicode]);
	};
	Module.sdlKey = (code, down) => {
		const k = named[code] || (code.length === 1 ? code.toLowerCase().charCodeAt(0) : 0);
		if (!k || held.has(k) === down) return;
		if (down) held.add(k); else held.delete(k);
		queue.push([1, k, down ? 1 : 0, 0]);
	};
	const releaseAll = () => {
		for (const k of held) queue.push([1, k, 0, 0]);
		held.clear();
	};
	const canvas = Module.canvas;
	const place = (event) => {
		const r = canvas.getBoundingClientRect();
		return [Math.floor((event.clientX - r.left) * canvas.width / r.width),
		        Math.floor((event.clientY - r.top) * canvas.height / r.height)];
	};
	const button = (down) => (event) => {
		if (!fresh(event)) return;
		const [x, y] = place(event);
		queue.push([2, x, y, 0]);
		queue.push([3, event.button === 1 ? 2 : event.button === 2 ? 3 : 1, down ? 1 : 0, 0]);
	};
	window.addEventListener('keydown', key(true));
	window.addEventListener('keyup', key(false));
	window.addEventListener('blur', releaseAll);
	canvas.addEventListener('mousemove', (event) => { const [x, y] = place(event); queue.push([2, x, y, 0]); });
	canvas.addEventListener('mousedown', button(true));
	canvas.addEventListener('mouseup', button(false));
});

EM_JS(int, canvas_next_event, (int *event), {
	const next = Module.sdlEvents.shift();
	if (!next) return 0;
	for (let i = 0; i < 4; ++i) HEAP32[(event >> 2) + i] = next[i];
	return 1;
});

EM_JS(void, canvas_size, (int w, int h), {
	Module.canvas.width = w;
	Module.canvas.height = h;
	Module.canvasImage = null;
});

/* The ImageData is a view of the converted screen in the program's memory, made again when the
 * memory grows (its old buffer is then gone). */
EM_JS(void, canvas_put, (const Uint32 *rgba, int w, int h, int x, int y, int rw, int rh), {
	if (!Module.canvasContext) Module.canvasContext = Module.canvas.getContext('2d', { alpha: false });
	let image = Module.canvasImage;
	if (!image || image.data.buffer !== HEAPU8.buffer || image.data.byteOffset !== rgba || image.width !== w || image.height !== h)
		image = Module.canvasImage = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, w * h * 4), w, h);
	Module.canvasContext.putImageData(image, 0, 0, x, y, rw, rh);
});

EM_JS(void, canvas_cursor, (int shown), {
	Module.canvas.style.cursor = shown ? '' : 'none';
});

static int CANVAS_VideoInit(_THIS, SDL_PixelFormat *vformat)
{
	vformat->BitsPerPixel = 32;
	vformat->BytesPerPixel = 4;
	vformat->Rmask = 0x000000FF;
	vformat->Gmask = 0x0000FF00;
	vformat->Bmask = 0x00FF0000;
	canvas_listen();
	return 0;
}

static SDL_Rect **CANVAS_ListModes(_THIS, SDL_PixelFormat *format, Uint32 flags)
{
	return (SDL_Rect **)-1;
}

static void FreeBuffers(_THIS)
{
	SDL_free(this->hidden->pixels);
	SDL_free(this->hidden->rgba);
	this->hidden->pixels = NULL;
	this->hidden->rgba = NULL;
}

/* 32 bits, 0x00BBGGRR, whatever was asked: a depth the game asks for otherwise gets SDL's
 * shadow surface and its conversion, as on a desktop screen of that depth. */
static SDL_Surface *CANVAS_SetVideoMode(_THIS, SDL_Surface *current, int width, int height, int bpp, Uint32 flags)
{
	FreeBuffers(this);
	this->hidden->pixels = SDL_calloc(width * height, 4);
	this->hidden->rgba = SDL_calloc(width * height, 4);
	if (!this->hidden->pixels || !this->hidden->rgba) {
		FreeBuffers(this);
		SDL_SetError("Couldn't allocate the screen");
		return NULL;
	}
	if (!SDL_ReallocFormat(current, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0)) {
		FreeBuffers(this);
		return NULL;
	}
	current->flags = flags & SDL_FULLSCREEN;
	this->hidden->w = current->w = width;
	this->hidden->h = current->h = height;
	current->pitch = width * 4;
	current->pixels = this->hidden->pixels;
	canvas_size(width, height);
	return current;
}

static int CANVAS_AllocHWSurface(_THIS, SDL_Surface *surface)
{
	return -1;
}

static void CANVAS_FreeHWSurface(_THIS, SDL_Surface *surface)
{
}

static int CANVAS_LockHWSurface(_THIS, SDL_Surface *surface)
{
	return 0;
}

static void CANVAS_UnlockHWSurface(_THIS, SDL_Surface *surface)
{
}

/* The rectangles' bounding box goes to the canvas at once, opaque. */
static void CANVAS_UpdateRects(_THIS, int numrects, SDL_Rect *rects)
{
	struct SDL_PrivateVideoData *video = this->hidden;
	int left = video->w, top = video->h, right = 0, bottom = 0;
	int i, x, y;
	if (!video->pixels) return;
	for (i = 0; i < numrects; ++i) {
		if (rects[i].x < left) left = rects[i].x;
		if (rects[i].y < top) top = rects[i].y;
		if (rects[i].x + rects[i].w > right) right = rects[i].x + rects[i].w;
		if (rects[i].y + rects[i].h > bottom) bottom = rects[i].y + rects[i].h;
	}
	if (left < 0) left = 0;
	if (top < 0) top = 0;
	if (right > video->w) right = video->w;
	if (bottom > video->h) bottom = video->h;
	if (left >= right || top >= bottom) return;
	/* The screen's bytes are already the canvas's: only the alpha byte is set, two pixels at a
	 * time from an even column. */
	left &= ~1;
	for (y = top; y < bottom; ++y) {
		const Uint32 *from = video->pixels + y * video->w;
		Uint32 *to = video->rgba + y * video->w;
		for (x = left; x + 1 < right; x += 2) {
			Uint64 p;
			SDL_memcpy(&p, from + x, 8);
			p |= 0xFF000000FF000000ull;
			SDL_memcpy(to + x, &p, 8);
		}
		for (; x < right; ++x) to[x] = from[x] | 0xFF000000u;
	}
	canvas_put(video->rgba, video->w, video->h, left, top, right - left, bottom - top);
}

static int CANVAS_SetColors(_THIS, int firstcolor, int ncolors, SDL_Color *colors)
{
	return 1;
}

static void CANVAS_VideoQuit(_THIS)
{
	if (this->screen) this->screen->pixels = NULL;
	FreeBuffers(this);
}

static WMcursor *CANVAS_CreateWMCursor(_THIS, Uint8 *data, Uint8 *mask, int w, int h, int hot_x, int hot_y)
{
	return (WMcursor *)SDL_calloc(1, sizeof(WMcursor));
}

static void CANVAS_FreeWMCursor(_THIS, WMcursor *cursor)
{
	SDL_free(cursor);
}

static int CANVAS_ShowWMCursor(_THIS, WMcursor *cursor)
{
	canvas_cursor(cursor != NULL);
	return 1;
}

static void CANVAS_InitOSKeymap(_THIS)
{
}

static void CANVAS_PumpEvents(_THIS)
{
	int event[4];
	while (canvas_next_event(event)) {
		if (event[0] == 1) {
			SDL_keysym keysym;
			SDL_memset(&keysym, 0, sizeof keysym);
			keysym.sym = (SDLKey)event[1];
			keysym.mod = KMOD_NONE;
			keysym.unicode = (Uint16)event[3];
			SDL_PrivateKeyboard(event[2] ? SDL_PRESSED : SDL_RELEASED, &keysym);
		} else if (event[0] == 2) {
			SDL_PrivateMouseMotion(0, 0, (Sint16)event[1], (Sint16)event[2]);
		} else if (event[0] == 3) {
			SDL_PrivateMouseButton(event[2] ? SDL_PRESSED : SDL_RELEASED, (Uint8)event[1], 0, 0);
		}
	}
}

static int CANVAS_Available(void)
{
	return canvas_available();
}

static void CANVAS_DeleteDevice(SDL_VideoDevice *device)
{
	SDL_free(device->hidden);
	SDL_free(device);
}

static SDL_VideoDevice *CANVAS_CreateDevice(int devindex)
{
	SDL_VideoDevice *device = (SDL_VideoDevice *)SDL_calloc(1, sizeof(SDL_VideoDevice));
	if (device) device->hidden = (struct SDL_PrivateVideoData *)SDL_calloc(1, sizeof(struct SDL_PrivateVideoData));
	if (!device || !device->hidden) {
		SDL_OutOfMemory();
		SDL_free(device);
		return NULL;
	}
	device->VideoInit = CANVAS_VideoInit;
	device->ListModes = CANVAS_ListModes;
	device->SetVideoMode = CANVAS_SetVideoMode;
	device->SetColors = CANVAS_SetColors;
	device->UpdateRects = CANVAS_UpdateRects;
	device->VideoQuit = CANVAS_VideoQuit;
	device->AllocHWSurface = CANVAS_AllocHWSurface;
	device->LockHWSurface = CANVAS_LockHWSurface;
	device->UnlockHWSurface = CANVAS_UnlockHWSurface;
	device->FreeHWSurface = CANVAS_FreeHWSurface;
	device->CreateWMCursor = CANVAS_CreateWMCursor;
	device->FreeWMCursor = CANVAS_FreeWMCursor;
	device->ShowWMCursor = CANVAS_ShowWMCursor;
	device->InitOSKeymap = CANVAS_InitOSKeymap;
	device->PumpEvents = CANVAS_PumpEvents;
	device->free = CANVAS_DeleteDevice;
	return device;
}

VideoBootStrap CANVAS_bootstrap = {
	CANVAS_DRIVER_NAME, "the page's canvas",
	CANVAS_Available, CANVAS_CreateDevice
};
