# Our own IMG_Load (src/platform/png_image/), for the builds that have no SDL_image: PNG over
# libpng, BMP over SDL. skyrift_png_image is the loader alone, which tests/png_image checks
# against SDL_image on Linux; skyrift_use_png_image() makes it the game's IMG_Load.
if(NOT TARGET skyrift_png_image)
  pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)
  add_library(skyrift_png_image STATIC ${CMAKE_SOURCE_DIR}/src/platform/png_image/png_image.cpp)
  target_include_directories(skyrift_png_image PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(skyrift_png_image PUBLIC PkgConfig::SDL PkgConfig::PNG)
endif()

function(skyrift_use_png_image)
  set(dir ${CMAKE_SOURCE_DIR}/src/platform/png_image)
  target_sources(skyrift_platform PRIVATE ${dir}/img_load.cpp)
  # Before SDL's own folders, so that <SDL/SDL_image.h> is ours.
  target_include_directories(skyrift_platform BEFORE PUBLIC ${dir}/include)
  target_link_libraries(skyrift_platform PUBLIC skyrift_png_image)
endfunction()
