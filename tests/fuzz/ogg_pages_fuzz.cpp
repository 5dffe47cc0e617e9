// libFuzzer target over the Ogg end-of-stream check. Besides the sanitizers' own findings, it
// checks two things the check must get right whatever the bytes: a file that is not Ogg is never
// called cut, and any bytes followed by a whole end-of-stream page end whole (capture patterns
// inside the bytes or the page's body must not mislead it), and not whole once the flag is cleared.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/ogg_pages.h"

namespace {

// A page with this body, as libogg lays one out.
void AppendPage(std::vector<unsigned char>& file, const unsigned char* body, size_t size, unsigned char flags) {
    const size_t at = file.size();
    const unsigned char header[26] = {'O', 'g', 'g', 'S', 0, flags, 1, 2, 3, 4, 0, 0, 0, 0, 9, 8, 7, 6, 5, 0, 0, 0};
    file.insert(file.end(), header, header + 26);
    std::vector<unsigned char> lacing(size / 255, 255);
    lacing.push_back(static_cast<unsigned char>(size % 255));
    file.push_back(static_cast<unsigned char>(lacing.size()));
    file.insert(file.end(), lacing.begin(), lacing.end());
    file.insert(file.end(), body, body + size);
    const uint32_t crc = platform::OggPageChecksum(file.data() + at, file.size() - at);
    for (int i = 0; i < 4; ++i) file[at + 22 + i] = static_cast<unsigned char>(crc >> (8 * i));
}

constexpr size_t kLongestPage = 27 + 255 + 255 * 255;

void Expect(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const bool whole = platform::OggEndsWhole(data, size);
    if (size < 4 || std::memcmp(data, "OggS", 4) != 0) Expect(whole);

    // The input's first half before the page, its second half as the page's body (at most 254
    // lacing values, so the page stays within the largest size).
    const size_t split = size / 2;
    const size_t body = size - split < 254 * 255 ? size - split : 254 * 255;
    for (unsigned char flags : {0x04, 0x00}) {
        std::vector<unsigned char> file = {'O', 'g', 'g', 'S'};
        file.insert(file.end(), data, data + split);
        // A page of the input's whose checksum holds may run on over where ours begins (the
        // fuzzer learns to write checksums); a decoder then reads it, and ours is no page. No page
        // is longer than this gap, which holds no capture pattern.
        file.resize(file.size() + kLongestPage, 0);
        AppendPage(file, data + split, body, flags);
        Expect(platform::OggEndsWhole(file.data(), file.size()) == (flags != 0));
    }
    return 0;
}
