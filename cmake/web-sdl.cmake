# The browser build's SDL: SDL 1.2, SDL_mixer, libpng, zlib, libogg and libvorbis as
# scripts/deps-web builds them with emcc from Debian's sources (SKYRIFT_WEB_DEPS, the folder it
# prints), found through their own .pc files. IMG_Load is ours (cmake/png_image.cmake).
set(SKYRIFT_WEB_DEPS "" CACHE PATH "Folder of the libraries built for the browser (scripts/deps-web)")
if(NOT EXISTS "${SKYRIFT_WEB_DEPS}/lib/libSDL.a")
  message(FATAL_ERROR "SKYRIFT_WEB_DEPS (${SKYRIFT_WEB_DEPS}) has no libSDL.a: run scripts/deps-web")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/deps-pkgconfig.cmake)
skyrift_use_deps(${SKYRIFT_WEB_DEPS})
pkg_check_modules(SDL REQUIRED IMPORTED_TARGET sdl SDL_mixer vorbisfile vorbis ogg)
# The game includes <SDL/SDL.h>, the .pc files name the SDL folder itself; ours come before the
# SDL headers emcc always adds, and none of emscripten's own SDL is linked.
target_include_directories(PkgConfig::SDL INTERFACE ${SKYRIFT_WEB_DEPS}/include)
# Bulk memory, as the libraries are built (scripts/deps-web).
target_compile_options(PkgConfig::SDL INTERFACE -sUSE_SDL=0 -mbulk-memory)
target_link_options(PkgConfig::SDL INTERFACE -sUSE_SDL=0 -mbulk-memory)
# sdl.pc's -rpath means nothing to a wasm module.
get_target_property(sdl_link_options PkgConfig::SDL INTERFACE_LINK_OPTIONS)
if(sdl_link_options)
  list(FILTER sdl_link_options EXCLUDE REGEX "rpath")
  set_target_properties(PkgConfig::SDL PROPERTIES INTERFACE_LINK_OPTIONS "${sdl_link_options}")
endif()
