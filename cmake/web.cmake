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
