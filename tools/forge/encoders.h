// File formats the game reads: PNG and 24-bit BMP pictures, 16-bit WAV sounds, Ogg Vorbis music.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "picture.h"
#include "sound.h"

namespace forge {

using Bytes = std::vector<uint8_t>;

Bytes EncodePng(const Picture& picture);  // 8-bit RGB, no alpha
Bytes EncodeBmp(const Picture& picture);  // BITMAPINFOHEADER, 24 bits, bottom-up, no compression
Bytes EncodeWav(const Sound& sound);      // PCM 16-bit stereo at the sound's rate
// Vorbis VBR at `quality` (-0.1 .. 1); `serial` fixes the Ogg stream serial for repeatable bytes.
Bytes EncodeOgg(const Sound& sound, double quality, int serial);

// Reads back the size recorded in a PNG or BMP header; false if the header is not one.
bool PictureHeaderSize(const Bytes& bytes, int* width, int* height);

bool WriteFile(const std::string& path, const Bytes& bytes);  // creates missing folders

}  // namespace forge
