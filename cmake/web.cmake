# The browser build (emcmake cmake, see scripts/build-web): the game, as skyrift.js, skyrift.wasm
# and skyrift.data; the browser test's build of it; the simulator for Node. The data are the forge's output of a native build, preloaded
# whole into the browser's memory at / so that ./Images and Sound/ are found as on the desktop.
set(SKYRIFT_WEB_DATA "" CACHE PATH "Folder holding a native build's forged Images/ and Sound/")
if(NOT IS_DIRECTORY "${SKYRIFT_WEB_DATA}/Images" OR NOT IS_DIRECTORY "${SKYRIFT_WEB_DATA}/Sound")
  message(FATAL_ERROR "SKYRIFT_WEB_DATA (${SKYRIFT_WEB_DATA}) has no Images/ and Sound/: build natively first")
endif()

include(${CMAKE_SOURCE_DIR}/cmake/png_image.cmake)
skyrift_use_png_image()
# libpng is linked statically, and so needs zlib after it.
target_link_libraries(skyrift_png_image PUBLIC ${SKYRIFT_WEB_DEPS}/lib/libz.a)

# Linked as objects, not from a library: the frame wait installs itself before main.
file(GLOB web_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/web/*.cpp)
target_sources(skyrift PRIVATE ${web_sources})
set_target_properties(skyrift PROPERTIES SUFFIX .js)
target_link_options(skyrift PRIVATE
  -sASYNCIFY                 # SDL_Delay gives the browser its turn (src/platform/web/sdl/SDL_systimer.c)
  -sALLOW_MEMORY_GROWTH
  -sENVIRONMENT=web
  -sMODULARIZE -sEXPORT_NAME=createSkyrift
  -sINVOKE_RUN=0 -sEXPORTED_RUNTIME_METHODS=callMain   # the page starts the game on a key press
  -sEXIT_RUNTIME             # the end of main reaches the page (onExit): it offers another game
  "SHELL:--preload-file ${SKYRIFT_WEB_DATA}/Images@/Images"
  "SHELL:--preload-file ${SKYRIFT_WEB_DATA}/Sound@/Sound")

# Measurement only: scripts/build-web --boss NAME makes skyrift.js & co. that play that boss alone.
set(SKYRIFT_WEB_BOSS "" CACHE STRING "Build the boss measurement instead of the game")
if(SKYRIFT_WEB_BOSS)
  add_executable(skyrift-boss ${CMAKE_SOURCE_DIR}/web/measure/boss_main.cpp
                 ${CMAKE_SOURCE_DIR}/tools/sim/level_catalog.cpp ${web_sources})
  target_include_directories(skyrift-boss PRIVATE ${CMAKE_SOURCE_DIR}/tools/sim)
  target_compile_definitions(skyrift-boss PRIVATE SKYRIFT_WEB_BOSS="${SKYRIFT_WEB_BOSS}")
  target_link_libraries(skyrift-boss PRIVATE skyrift_game)
  get_target_property(web_link_options skyrift LINK_OPTIONS)
  target_link_options(skyrift-boss PRIVATE ${web_link_options})
  set_target_properties(skyrift-boss PROPERTIES SUFFIX .js OUTPUT_NAME skyrift
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/boss)
endif()

# The browser test's build: the game itself (its main, its screen) with tests/web/game_driver.cpp,
# which lets the test lose every life or clear a level in seconds.
add_executable(skyrift-test ${CMAKE_SOURCE_DIR}/src/shell/main.cpp ${CMAKE_SOURCE_DIR}/tests/web/game_driver.cpp
               ${CMAKE_SOURCE_DIR}/tools/sim/autopilot.cpp ${web_sources})
target_include_directories(skyrift-test PRIVATE ${CMAKE_SOURCE_DIR}/tools/sim)
target_link_libraries(skyrift-test PRIVATE skyrift_game)
get_target_property(web_test_link_options skyrift LINK_OPTIONS)
target_link_options(skyrift-test PRIVATE ${web_test_link_options})
set_target_properties(skyrift-test PROPERTIES SUFFIX .js OUTPUT_NAME skyrift
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test)

# The simulator in wasm, run by Node on SDL's dummy drivers and the real file system: the golden
# runs played by the browser's build of the game (tests/web, web.golden.*). build-emscripten/game/
# skyrift-sim runs it as the native one runs.
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/sim ${CMAKE_BINARY_DIR}/sim)
target_link_options(skyrift-sim PRIVATE -sNODERAWFS -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH -sEXIT_RUNTIME)
file(WRITE ${CMAKE_BINARY_DIR}/sim-wrapper/skyrift-sim
     "#!/bin/sh\n# Node 20 runs emcc 3.1.6's output only without its own fetch.\n"
     "exec node --no-experimental-fetch \"$(dirname \"$0\")/skyrift-sim.js\" \"$@\"\n")
file(COPY ${CMAKE_BINARY_DIR}/sim-wrapper/skyrift-sim DESTINATION ${SKYRIFT_GAME_DIR}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
