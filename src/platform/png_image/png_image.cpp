#include "platform/png_image/png_image.h"

#include <png.h>

#include <csetjmp>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

// A source that ends early is an error: SDL_image would hand libpng whatever the buffer held.
void ReadFromSource(png_structp png, png_bytep area, png_size_t size) {
    SDL_RWops* source = static_cast<SDL_RWops*>(png_get_io_ptr(png));
    if (SDL_RWread(source, area, size, 1) != 1) png_error(png, "the file ends early");
}

// No C++ object lives in this function: libpng's errors come back through longjmp. The
// choices (colour key for one transparent palette entry or a tRNS colour, alpha only for
// translucency, 16-bit channels cut to 8, small depths spread to a byte, SDL's masks for
// 24 and 32 bits) are SDL_image's.
SDL_Surface* LoadPng(SDL_RWops* source) {
    const char* volatile error = nullptr;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    SDL_Surface* volatile surface = nullptr;
    png_bytep* volatile rows = nullptr;
    if (!png || !info) {
        error = "Couldn't allocate memory for PNG file";
    } else if (setjmp(png_jmpbuf(png))) {
        error = "Error reading the PNG file.";
    } else {
        png_set_read_fn(png, source, ReadFromSource);
        png_read_info(png, info);
        png_uint_32 width, height;
        int depth, colourType, interlace;
        png_get_IHDR(png, info, &width, &height, &depth, &colourType, &interlace, nullptr, nullptr);
        png_set_strip_16(png);
        png_set_packing(png);
        if (colourType == PNG_COLOR_TYPE_GRAY) png_set_expand(png);

        int key = -1;
        png_color_16p keyColour = nullptr;
        if (png_get_valid(png, info, PNG_INFO_tRNS)) {
            png_bytep alphas = nullptr;
            int count = 0;
            png_get_tRNS(png, info, &alphas, &count, &keyColour);
            if (colourType == PNG_COLOR_TYPE_PALETTE) {
                int i, transparent = -1;
                for (i = 0; i < count; ++i) {
                    if (alphas[i] == 0) {
                        if (transparent >= 0) break;
                        transparent = i;
                    } else if (alphas[i] != 255) {
                        break;
                    }
                }
                if (i == count)
                    key = transparent;
                else
                    png_set_expand(png);
            } else {
                key = 0;  // mapped once the surface's format is known
            }
        }
        if (colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
        png_read_update_info(png, info);
        png_get_IHDR(png, info, &width, &height, &depth, &colourType, &interlace, nullptr, nullptr);

        const int channels = png_get_channels(png, info);
        Uint32 r = 0, g = 0, b = 0, a = 0;
        if (colourType != PNG_COLOR_TYPE_PALETTE) {
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
            r = 0x000000FF;
            g = 0x0000FF00;
            b = 0x00FF0000;
            a = channels == 4 ? 0xFF000000 : 0;
#else
            const int shift = channels == 4 ? 0 : 8;
            r = 0xFF000000 >> shift;
            g = 0x00FF0000 >> shift;
            b = 0x0000FF00 >> shift;
            a = 0x000000FF >> shift;
#endif
        }
        surface = SDL_CreateRGBSurface(SDL_SWSURFACE, static_cast<int>(width), static_cast<int>(height),
                                       depth * channels, r, g, b, a);
        if (!surface) {
            error = "Out of memory";
        } else {
            if (key != -1) {
                if (colourType != PNG_COLOR_TYPE_PALETTE)
                    key = static_cast<int>(SDL_MapRGB(surface->format, static_cast<Uint8>(keyColour->red),
                                                      static_cast<Uint8>(keyColour->green),
                                                      static_cast<Uint8>(keyColour->blue)));
                SDL_SetColorKey(surface, SDL_SRCCOLORKEY, static_cast<Uint32>(key));
            }
            rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * (height ? height : 1)));
            if (!rows) {
                error = "Out of memory";
            } else {
                for (png_uint_32 row = 0; row < height; ++row)
                    rows[row] = static_cast<png_bytep>(surface->pixels) + row * surface->pitch;
                png_read_image(png, rows);

                if (SDL_Palette* palette = surface->format->palette) {
                    if (colourType == PNG_COLOR_TYPE_GRAY) {
                        palette->ncolors = 256;
                        for (int i = 0; i < 256; ++i) {
                            palette->colors[i].r = palette->colors[i].g = palette->colors[i].b = static_cast<Uint8>(i);
                        }
                    } else {
                        png_colorp colours = nullptr;
                        int count = 0;
                        png_get_PLTE(png, info, &colours, &count);
                        if (count > 0) {
                            palette->ncolors = count;
                            for (int i = 0; i < count; ++i) {
                                palette->colors[i].r = colours[i].red;
                                palette->colors[i].g = colours[i].green;
                                palette->colors[i].b = colours[i].blue;
                            }
                        }
                    }
                }
            }
        }
    }
    if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    std::free(rows);
    SDL_Surface* result = surface;
    if (error) {
        if (result) SDL_FreeSurface(result);
        SDL_SetError("%s", error);
        return nullptr;
    }
    return result;
}

}  // namespace

SDL_Surface* ImageLoadRW(SDL_RWops* source, bool freeSource) {
    if (!source) return nullptr;  // SDL_RWFromFile has said why
    const int start = SDL_RWtell(source);
    unsigned char magic[8] = {};
    const bool read = SDL_RWread(source, magic, sizeof magic, 1) == 1;
    SDL_RWseek(source, start, RW_SEEK_SET);
    SDL_Surface* picture = nullptr;
    if (read && png_sig_cmp(magic, 0, sizeof magic) == 0) {
        picture = LoadPng(source);
    } else if (magic[0] == 'B' && magic[1] == 'M') {
        picture = SDL_LoadBMP_RW(source, 0);
    } else {
        SDL_SetError("Unsupported image format");
    }
    if (freeSource) SDL_RWclose(source);
    return picture;
}

SDL_Surface* ImageLoad(const char* path) { return ImageLoadRW(SDL_RWFromFile(path, "rb"), true); }

}  // namespace platform
