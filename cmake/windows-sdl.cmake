# The Windows build's SDL: SDL 1.2, SDL_mixer, libpng and zlib as scripts/deps-windows builds
# them from Debian's sources (SKYRIFT_WINDOWS_DEPS, the folder it prints). SDL_image has no
# source the archive gives us: IMG_Load is ours (cmake/png_image.cmake).
set(SKYRIFT_WINDOWS_DEPS "" CACHE PATH "Folder of the cross-built libraries (scripts/deps-windows)")
if(NOT EXISTS "${SKYRIFT_WINDOWS_DEPS}/bin/SDL.dll")
  message(FATAL_ERROR "SKYRIFT_WINDOWS_DEPS (${SKYRIFT_WINDOWS_DEPS}) has no SDL.dll: run scripts/deps-windows")
endif()
set(ENV{PKG_CONFIG_LIBDIR} ${SKYRIFT_WINDOWS_DEPS}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
# The libraries the .pc files name are looked up there too, not only in mingw's own root.
list(APPEND CMAKE_FIND_ROOT_PATH ${SKYRIFT_WINDOWS_DEPS})
find_package(PkgConfig REQUIRED)
# pkg_check_modules keeps its answer in the cache: ask again when the libraries have moved (a new
# version or flag gives them a new cache folder).
if(NOT SKYRIFT_WINDOWS_DEPS STREQUAL SKYRIFT_WINDOWS_DEPS_CHECKED)
  get_cmake_property(cached CACHE_VARIABLES)
  foreach(variable IN LISTS cached)
    if(variable MATCHES "^(__pkg_config_checked_|pkgcfg_lib_)(SDL|PNG)")
      unset(${variable} CACHE)
    endif()
  endforeach()
endif()
set(SKYRIFT_WINDOWS_DEPS_CHECKED ${SKYRIFT_WINDOWS_DEPS} CACHE INTERNAL "")
# sdl.pc names -lmingw32 -lSDLmain -lSDL -mwindows: SDL's WinMain calls our main.
pkg_check_modules(SDL REQUIRED IMPORTED_TARGET sdl SDL_mixer)
# The game includes <SDL/SDL.h>; the .pc files name the SDL folder itself.
target_include_directories(PkgConfig::SDL INTERFACE ${SKYRIFT_WINDOWS_DEPS}/include)
