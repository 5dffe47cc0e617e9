// The one piece of a data file the game parses itself: whether an Ogg stream ends whole.
// SDL_image and SDL_mixer parse everything else.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// bytes: a whole file. True unless it is an Ogg stream (it starts with "OggS") that does not end
// on a whole page, checksum and all, flagged end-of-stream: its last page is missing, cut short,
// damaged or not flagged, or bytes that are no page follow it.
bool OggEndsWhole(const unsigned char* bytes, size_t size);

// The checksum an Ogg page carries in bytes 22 to 25, computed over the page with those four bytes
// taken as zero.
uint32_t OggPageChecksum(const unsigned char* page, size_t size);

}  // namespace platform
