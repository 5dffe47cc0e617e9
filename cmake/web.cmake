# The browser build (emcmake cmake, see scripts/build-web): the game alone, as skyrift.js,
# skyrift.wasm and skyrift.data. The data are the forge's output of a native build, preloaded
# whole into the browser's memory at / so that ./Images and Sound/ are found as on the desktop.
set(SKYRIFT_WEB_DATA "" CACHE PATH "Folder holding a native build's forged Images/ and Sound/")
if(NOT IS_DIRECTORY "${SKYRIFT_WEB_DATA}/Images" OR NOT IS_DIRECTORY "${SKYRIFT_WEB_DATA}/Sound")
  message(FATAL_ERROR "SKYRIFT_WEB_DATA (${SKYRIFT_WEB_DATA}) has no Images/ and Sound/: build natively first")
endif()

# Linked as objects, not from a library: the frame wait installs itself before main.
file(GLOB web_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/web/*.cpp)
target_sources(skyrift PRIVATE ${web_sources})
set_target_properties(skyrift PROPERTIES SUFFIX .js)
target_link_options(skyrift PRIVATE
  -sASYNCIFY                 # SDL_Delay yields to the browser
  -sALLOW_MEMORY_GROWTH
  -sENVIRONMENT=web
  -sMODULARIZE -sEXPORT_NAME=createSkyrift
  -sINVOKE_RUN=0 -sEXPORTED_RUNTIME_METHODS=callMain   # the page starts the game on a key press
  -sEXIT_RUNTIME             # the end of main reaches the page (onExit): it offers another game
  --use-preload-plugins      # pictures and sounds decoded while loading, as IMG_Load needs them
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
