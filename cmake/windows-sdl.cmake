# The Windows build's SDL: SDL 1.2, SDL_mixer, libpng and zlib as scripts/deps-windows builds
# them from Debian's sources (SKYRIFT_WINDOWS_DEPS, the folder it prints). SDL_image has no
# source the archive gives us: IMG_Load is ours (cmake/png_image.cmake).
set(SKYRIFT_WINDOWS_DEPS "" CACHE PATH "Folder of the cross-built libraries (scripts/deps-windows)")
if(NOT EXISTS "${SKYRIFT_WINDOWS_DEPS}/bin/SDL.dll")
  message(FATAL_ERROR "SKYRIFT_WINDOWS_DEPS (${SKYRIFT_WINDOWS_DEPS}) has no SDL.dll: run scripts/deps-windows")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/deps-pkgconfig.cmake)
skyrift_use_deps(${SKYRIFT_WINDOWS_DEPS})
# sdl.pc names -lmingw32 -lSDLmain -lSDL -mwindows: SDL's WinMain calls our main.
pkg_check_modules(SDL REQUIRED IMPORTED_TARGET sdl SDL_mixer)
# The game includes <SDL/SDL.h>; the .pc files name the SDL folder itself.
target_include_directories(PkgConfig::SDL INTERFACE ${SKYRIFT_WINDOWS_DEPS}/include)
