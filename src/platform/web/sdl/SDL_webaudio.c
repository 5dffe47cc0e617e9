/* SDL's audio driver for Web Audio, without a thread: SDL has none in the browser, so, as with
 * SDL's interrupt-driven drivers, OpenAudio returns 1 and the sound card's side calls the mixing
 * callback. That side is a ScriptProcessorNode, which asks for one buffer of the size SDL asked
 * for at a time: SDL's callback (SDL_mixer's mixer, with its channels and fades) fills it, as
 * SDL's audio thread would. The node runs on the page's main thread, between the program's sleeps.
 *
 * The AudioContext is Module.audioContext when the page made one (browsers let a page start
 * sound only in answer to a gesture, so the page makes it there), else one made here at the
 * rate SDL asked for. It is suspended while the page is hidden: the sound stands still with
 * SDL's clock. Where the context stops on its own, the mixer goes on in silence (see the watchdog).
 */
#include "SDL_config.h"

#include <emscripten.h>

#include "SDL_audio.h"
#include "SDL_timer.h"
#include "../SDL_audio_c.h"
#include "../SDL_sysaudio.h"

#define WEBAUDIO_DRIVER_NAME "webaudio"
/* SDL's drivers name their device "this". */
#undef _THIS
#define _THIS SDL_AudioDevice *this

struct SDL_PrivateAudioData {
	Uint8 *mixbuf;
	float *samples;  /* the mixed buffer, one channel after the other */
};

static SDL_AudioDevice *playing;

EM_JS(int, webaudio_available, (void), {
	return typeof window !== 'undefined' && (window.AudioContext || window.webkitAudioContext) ? 1 : 0;
});

/* The context's rate, or 0 when there is no context to be had. */
EM_JS(int, webaudio_open, (int freq, int channels, int frames), {
	let context = Module.audioContext;
	try {
		if (!context) {
			const Context = window.AudioContext || window.webkitAudioContext;
			context = Module.audioContext = new Context({ sampleRate: freq });
		}
	} catch (error) {
		return 0;
	}
	// SDL_mixer waits for a fading track to fall silent before it frees it, so a mixer that no
	// longer runs would hold the game at the end of every level. When the context stops without
	// being asked to (a lost device, a phone call, a browser's fault) while the page is shown,
	// the mixer runs here instead, in silence, at the pace of SDL's clock.
	const clock = Module.skyriftClock;
	const bufferMs = (1000 * frames) / context.sampleRate;
	const kStalledMs = 4 * bufferMs + 250;
	let nodeCalled = performance.now();
	let mixedUntil = clock ? clock.now() : 0;
	const watchdog = setInterval(() => {
		if (!clock || document.hidden || performance.now() - nodeCalled < kStalledMs) return;
		const kMostBuffers = 16;
		for (let n = 0; n < kMostBuffers && clock.now() - mixedUntil >= bufferMs; ++n) {
			Module._skyrift_webaudio_mix(frames);
			mixedUntil += bufferMs;
		}
		if (clock.now() - mixedUntil >= bufferMs) mixedUntil = clock.now();
	}, 50);
	// One suspend or resume at a time, each after the last has settled: a suspend asked while a
	// resume is pending leaves Chromium's context saying "running" with its clock stopped for good.
	let settling = Promise.resolve(context.skyriftResumed);
	const settle = () => {
		if (!document.hidden) nodeCalled = performance.now();  // the node's first call is on its way
		settling = settling.then(() => {
			if (context.state === 'closed') return;
			return document.hidden ? context.suspend() : context.resume();
		}).catch(() => {});
	};
	const node = context.createScriptProcessor(frames, 0, channels);
	node.onaudioprocess = (event) => {
		const output = event.outputBuffer;
		nodeCalled = performance.now();
		if (clock) mixedUntil = clock.now();
		// A context asked to suspend may still run a while: hidden, the mixer stands still.
		if (document.hidden) {
			for (let c = 0; c < channels; ++c) output.getChannelData(c).fill(0);
			if (context.state === 'running') settle();
			return;
		}
		const from = Module._skyrift_webaudio_mix(output.length) >> 2;
		for (let c = 0; c < channels; ++c) output.getChannelData(c).set(HEAPF32.subarray(from + c * output.length, from + (c + 1) * output.length));
	};
	node.connect(context.destination);
	document.addEventListener('visibilitychange', settle);
	Module.webAudio = { node, settle, watchdog };
	return context.sampleRate;
});

EM_JS(void, webaudio_close, (void), {
	const audio = Module.webAudio;
	if (!audio) return;
	audio.node.onaudioprocess = null;
	audio.node.disconnect();
	document.removeEventListener('visibilitychange', audio.settle);
	clearInterval(audio.watchdog);
	Module.webAudio = null;
});

/* One buffer of frames mixed by SDL's callback, as floats, each channel's after the other. */
__attribute__((visibility("default"))) EMSCRIPTEN_KEEPALIVE float *skyrift_webaudio_mix(int frames)
{
	SDL_AudioDevice *audio = playing;
	const int channels = audio ? audio->spec.channels : 0;
	const Sint16 *mixed;
	int f, c;
	if (!audio || frames != audio->spec.samples) return audio ? audio->hidden->samples : NULL;
	SDL_memset(audio->hidden->mixbuf, audio->spec.silence, audio->spec.size);
	if (audio->enabled && !audio->paused) audio->spec.callback(audio->spec.userdata, audio->hidden->mixbuf, audio->spec.size);
	mixed = (const Sint16 *)audio->hidden->mixbuf;
	for (f = 0; f < frames; ++f)
		for (c = 0; c < channels; ++c) audio->hidden->samples[c * frames + f] = mixed[f * channels + c] / 32768.0f;
	return audio->hidden->samples;
}

static void WEBAUDIO_CloseAudio(_THIS)
{
	webaudio_close();
	if (playing == this) playing = NULL;
	SDL_free(this->hidden->mixbuf);
	SDL_free(this->hidden->samples);
	this->hidden->mixbuf = NULL;
	this->hidden->samples = NULL;
}

/* Signed 16-bit samples, one or two channels, at the context's rate: SDL_mixer mixes for what it
 * is given. The node's buffer is the power of two nearest the samples SDL asked for. */
static int WEBAUDIO_OpenAudio(_THIS, SDL_AudioSpec *spec)
{
	int frames = 256, rate;
	while (frames < 16384 && frames < spec->samples) frames *= 2;
	if (spec->channels > 2) spec->channels = 2;
	spec->format = AUDIO_S16SYS;
	spec->samples = (Uint16)frames;
	SDL_GetTicks();  /* starts SDL's clock, which paces the watchdog */
	rate = webaudio_open(spec->freq, spec->channels, frames);
	if (!rate) {
		SDL_SetError("Web Audio is not available");
		return -1;
	}
	spec->freq = rate;
	SDL_CalculateAudioSpec(spec);
	this->hidden->mixbuf = (Uint8 *)SDL_malloc(spec->size);
	this->hidden->samples = (float *)SDL_malloc(sizeof(float) * frames * spec->channels);
	if (!this->hidden->mixbuf || !this->hidden->samples) {
		WEBAUDIO_CloseAudio(this);
		SDL_OutOfMemory();
		return -1;
	}
	playing = this;
	return 1;  /* no thread */
}

static int WEBAUDIO_Available(void)
{
	return webaudio_available();
}

static void WEBAUDIO_DeleteDevice(SDL_AudioDevice *device)
{
	SDL_free(device->hidden);
	SDL_free(device);
}

static SDL_AudioDevice *WEBAUDIO_CreateDevice(int devindex)
{
	SDL_AudioDevice *device = (SDL_AudioDevice *)SDL_calloc(1, sizeof(SDL_AudioDevice));
	if (device) device->hidden = (struct SDL_PrivateAudioData *)SDL_calloc(1, sizeof(struct SDL_PrivateAudioData));
	if (!device || !device->hidden) {
		SDL_OutOfMemory();
		SDL_free(device);
		return NULL;
	}
	device->OpenAudio = WEBAUDIO_OpenAudio;
	device->CloseAudio = WEBAUDIO_CloseAudio;
	device->free = WEBAUDIO_DeleteDevice;
	return device;
}

AudioBootStrap WEBAUDIO_bootstrap = {
	WEBAUDIO_DRIVER_NAME, "Web Audio",
	WEBAUDIO_Available, WEBAUDIO_CreateDevice
};
