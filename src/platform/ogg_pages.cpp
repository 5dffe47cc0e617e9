#include "platform/ogg_pages.h"

#include <array>
#include <cstring>

namespace platform {
namespace {

constexpr size_t kHeaderBytes = 27;  // up to and including the segment count
constexpr unsigned char kEndOfStream = 0x04;

// CRC-32 with the polynomial 0x04c11db7, most significant bit first, no reflection, start 0.
std::array<uint32_t, 256> ChecksumTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t byte = 0; byte < 256; ++byte) {
        uint32_t r = byte << 24;
        for (int bit = 0; bit < 8; ++bit) r = r & 0x80000000u ? (r << 1) ^ 0x04c11db7u : r << 1;
        table[byte] = r;
    }
    return table;
}

uint32_t StoredChecksum(const unsigned char* page) {
    return uint32_t(page[22]) | uint32_t(page[23]) << 8 | uint32_t(page[24]) << 16 | uint32_t(page[25]) << 24;
}

// The length of the whole page at the start of bytes; 0 when there is none there: no capture
// pattern, an unknown version, a page cut short or a checksum that does not hold.
size_t PageLength(const unsigned char* page, size_t size) {
    if (size < kHeaderBytes || std::memcmp(page, "OggS", 4) != 0 || page[4] != 0) return 0;
    const size_t segments = page[26];
    if (size < kHeaderBytes + segments) return 0;
    size_t length = kHeaderBytes + segments;
    for (size_t i = 0; i < segments; ++i) length += page[kHeaderBytes + i];
    if (length > size || OggPageChecksum(page, length) != StoredChecksum(page)) return 0;
    return length;
}

// The first capture pattern in bytes; null when there is none.
const unsigned char* FindCapture(const unsigned char* bytes, size_t size) {
    for (size_t i = 0; i + 4 <= size; ++i)
        if (bytes[i] == 'O' && std::memcmp(bytes + i, "OggS", 4) == 0) return bytes + i;
    return nullptr;
}

}  // namespace

uint32_t OggPageChecksum(const unsigned char* page, size_t size) {
    static const std::array<uint32_t, 256> table = ChecksumTable();
    const unsigned char zeros[4] = {};
    uint32_t crc = 0;
    const auto add = [&crc](const unsigned char* bytes, size_t count) {
        for (size_t i = 0; i < count; ++i) crc = (crc << 8) ^ table[(crc >> 24) ^ bytes[i]];
    };
    const size_t field = size < 22 ? size : 22;
    add(page, field);
    add(zeros, size < 26 ? size - field : 4);
    if (size > 26) add(page + 26, size - 26);
    return crc;
}

bool OggEndsWhole(const unsigned char* bytes, size_t size) {
    if (size < 4 || std::memcmp(bytes, "OggS", 4) != 0) return true;
    // Page by page from the start, as a decoder reads: what is not a whole page is skipped up to
    // the next capture pattern. (Searching back from the end would take a page carried inside
    // the last page's body for the last page.)
    bool endOfStream = false;
    size_t at = 0;
    while (at < size) {
        if (const size_t length = PageLength(bytes + at, size - at)) {
            endOfStream = (bytes[at + 5] & kEndOfStream) != 0;
            at += length;
            continue;
        }
        const unsigned char* next = FindCapture(bytes + at + 1, size - at - 1);
        if (!next) return false;  // cut short, or ends in bytes that are no page
        at = static_cast<size_t>(next - bytes);
    }
    return endOfStream;
}

}  // namespace platform
