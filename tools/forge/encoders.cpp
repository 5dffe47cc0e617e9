#include "encoders.h"

#include <cairo/cairo.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace forge {

namespace {

void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v & 255));
    b.push_back(uint8_t((v >> 8) & 255));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
uint32_t Get32Be(const Bytes& b, size_t at) {
    return (uint32_t(b[at]) << 24) | (uint32_t(b[at + 1]) << 16) | (uint32_t(b[at + 2]) << 8) | b[at + 3];
}
uint32_t Get32Le(const Bytes& b, size_t at) {
    return uint32_t(b[at]) | (uint32_t(b[at + 1]) << 8) | (uint32_t(b[at + 2]) << 16) | (uint32_t(b[at + 3]) << 24);
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    Bytes* out = static_cast<Bytes*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

void AppendPage(Bytes& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

int16_t ToPcm(float v) {
    float s = std::max(-1.0f, std::min(1.0f, v));
    return int16_t(std::lrint(s * 32767.0f));
}

}  // namespace

Bytes EncodePng(const Picture& picture) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < picture.height; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < picture.width; ++x) row[x] = 0xFF000000u | picture.At(x, y);
    }
    cairo_surface_mark_dirty(s);
    Bytes out;
    cairo_surface_write_to_png_stream(s, AppendBytes, &out);
    cairo_surface_destroy(s);
    return out;
}

Bytes EncodeBmp(const Picture& picture) {
    const uint32_t rowBytes = (uint32_t(picture.width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * uint32_t(picture.height);
    Bytes b;
    b.reserve(54 + imageBytes);
    b.push_back('B');
    b.push_back('M');
    Put32(b, 54 + imageBytes);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, uint32_t(picture.width));
    Put32(b, uint32_t(picture.height));
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, 0);  // BI_RGB
    Put32(b, imageBytes);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        size_t start = b.size();
        for (int x = 0; x < picture.width; ++x) {
            uint32_t c = picture.At(x, y);
            b.push_back(uint8_t(ChannelB(c)));
            b.push_back(uint8_t(ChannelG(c)));
            b.push_back(uint8_t(ChannelR(c)));
        }
        while (b.size() - start < rowBytes) b.push_back(0);
    }
    return b;
}

Bytes EncodeWav(const Sound& sound) {
    const uint32_t frames = uint32_t(sound.Frames());
    const uint32_t dataBytes = frames * 4;
    Bytes b;
    b.reserve(44 + dataBytes);
    for (char c : std::string("RIFF")) b.push_back(uint8_t(c));
    Put32(b, 36 + dataBytes);
    for (char c : std::string("WAVEfmt ")) b.push_back(uint8_t(c));
    Put32(b, 16);
    Put16(b, 1);  // PCM
    Put16(b, 2);
    Put32(b, kSampleRate);
    Put32(b, kSampleRate * 4);
    Put16(b, 4);
    Put16(b, 16);
    for (char c : std::string("data")) b.push_back(uint8_t(c));
    Put32(b, dataBytes);
    for (uint32_t i = 0; i < frames; ++i) {
        Put16(b, uint16_t(ToPcm(sound.left[i])));
        Put16(b, uint16_t(ToPcm(sound.right[i])));
    }
    return b;
}

Bytes EncodeOgg(const Sound& sound, double quality, int serial) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    vorbis_encode_init_vbr(&vi, 2, kSampleRate, float(quality));
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "skyrift-forge");
    vorbis_dsp_state vd;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block vb;
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);

    Bytes out;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&vd, &vc, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &headerComment);
    ogg_stream_packetin(&os, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&os, &page)) AppendPage(out, page);

    auto drain = [&] {
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                while (ogg_stream_pageout(&os, &page)) AppendPage(out, page);
            }
        }
    };
    const size_t frames = sound.Frames();
    const size_t chunk = 4096;
    for (size_t pos = 0; pos < frames; pos += chunk) {
        size_t n = std::min(chunk, frames - pos);
        float** buffer = vorbis_analysis_buffer(&vd, int(n));
        std::memcpy(buffer[0], sound.left.data() + pos, n * sizeof(float));
        std::memcpy(buffer[1], sound.right.data() + pos, n * sizeof(float));
        vorbis_analysis_wrote(&vd, int(n));
        drain();
    }
    vorbis_analysis_wrote(&vd, 0);
    drain();
    while (ogg_stream_flush(&os, &page)) AppendPage(out, page);

    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

bool PictureHeaderSize(const Bytes& b, int* width, int* height) {
    static const uint8_t pngSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    if (b.size() >= 24 && std::memcmp(b.data(), pngSignature, 8) == 0 && std::memcmp(b.data() + 12, "IHDR", 4) == 0) {
        *width = int(Get32Be(b, 16));
        *height = int(Get32Be(b, 20));
        return true;
    }
    if (b.size() >= 54 && b[0] == 'B' && b[1] == 'M') {
        *width = int(Get32Le(b, 18));
        *height = int(Get32Le(b, 22));
        return true;
    }
    return false;
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

float Sound::Peak() const {
    float p = 0;
    for (float v : left) p = std::max(p, std::fabs(v));
    for (float v : right) p = std::max(p, std::fabs(v));
    return p;
}

void Sound::Normalise(float peak) {
    float p = Peak();
    if (p <= 0) return;
    float k = peak / p;
    for (float& v : left) v *= k;
    for (float& v : right) v *= k;
}

void Sound::FadeEdges(double inSeconds, double outSeconds) {
    size_t n = Frames();
    size_t fin = std::min(n, size_t(inSeconds * kSampleRate));
    size_t fout = std::min(n, size_t(outSeconds * kSampleRate));
    for (size_t i = 0; i < fin; ++i) {
        float k = float(i) / float(fin);
        left[i] *= k;
        right[i] *= k;
    }
    for (size_t i = 0; i < fout; ++i) {
        float k = float(i) / float(fout);
        left[n - 1 - i] *= k;
        right[n - 1 - i] *= k;
    }
}

}  // namespace forge
