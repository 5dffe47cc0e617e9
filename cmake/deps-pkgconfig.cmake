# skyrift_use_deps(DIR): the libraries a script built from Debian's sources into DIR
# (scripts/deps-web, scripts/deps-windows) are found through their own .pc files, and through
# nothing else of the machine's.
macro(skyrift_use_deps dir)
  set(ENV{PKG_CONFIG_LIBDIR} ${dir}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
  # The libraries the .pc files name are looked up there too, not only in the compiler's own root.
  list(APPEND CMAKE_FIND_ROOT_PATH ${dir})
  find_package(PkgConfig REQUIRED)
  # pkg_check_modules keeps its answer in the cache: ask again when the libraries have moved (a new
  # version or flag gives them a new cache folder).
  if(NOT "${dir}" STREQUAL "${SKYRIFT_DEPS_CHECKED}")
    get_cmake_property(cached CACHE_VARIABLES)
    foreach(variable IN LISTS cached)
      if(variable MATCHES "^(__pkg_config_checked_|pkgcfg_lib_)(SDL|PNG)")
        unset(${variable} CACHE)
      endif()
    endforeach()
  endif()
  set(SKYRIFT_DEPS_CHECKED ${dir} CACHE INTERNAL "")
endmacro()
