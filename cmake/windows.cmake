# The Windows build (scripts/build-windows): skyrift.exe with its icon and version, skyrift-sim.exe, the SDL DLLs,
# the data forged by a native build, the licences; then what players download: the zip and the
# installer.
include(${CMAKE_SOURCE_DIR}/cmake/png_image.cmake)
skyrift_use_png_image()
# libpng is linked statically, and so needs zlib after it.
target_link_libraries(skyrift_png_image PUBLIC ${SKYRIFT_WINDOWS_DEPS}/lib/libz.a)
# The simulator too: the golden runs play it under Wine.
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/sim ${CMAKE_BINARY_DIR}/tools/sim)
target_link_libraries(skyrift_sim_lib PUBLIC psapi)  # its memory figures

set(SKYRIFT_NATIVE_BUILD "" CACHE PATH "A native build folder: its forge and the data it forged")
set(native_game ${SKYRIFT_NATIVE_BUILD}/game)
if(NOT EXISTS ${native_game}/skyrift-forge OR NOT IS_DIRECTORY ${native_game}/Images)
  message(FATAL_ERROR "SKYRIFT_NATIVE_BUILD (${SKYRIFT_NATIVE_BUILD}) has no forge and data: build natively first")
endif()

# gcc's own runtime goes into the executables: beside them only SDL's DLLs, which are LGPL and
# so stay replaceable.
foreach(target skyrift skyrift-sim)
  if(TARGET ${target})
    target_link_options(${target} PRIVATE -static-libgcc -static-libstdc++ -s -Wl,--no-insert-timestamp)
  endif()
endforeach()
if(TARGET skyrift-sim)
  # A tool run from a console: its report is standard output.
  target_link_options(skyrift-sim PRIVATE -mconsole)
endif()

# The icon (the forge's drawing at the sizes Windows shows) and the version resource.
set(windows_out ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(
  OUTPUT ${windows_out}/skyrift.ico
  COMMAND ${native_game}/skyrift-forge --windows-icon ${windows_out}/skyrift.ico
  DEPENDS ${native_game}/skyrift-forge
  COMMENT "Drawing the Windows icon"
  VERBATIM)
string(REPLACE "." "," SKYRIFT_VERSION_COMMAS "${PROJECT_VERSION}")
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/skyrift.rc.in ${windows_out}/skyrift.rc @ONLY)
target_sources(skyrift PRIVATE ${windows_out}/skyrift.rc)
set_source_files_properties(${windows_out}/skyrift.rc PROPERTIES OBJECT_DEPENDS ${windows_out}/skyrift.ico)

# The game folder: the executables (linked there), SDL's DLLs stripped, the forged data.
set(dlls SDL.dll SDL_mixer.dll)
set(game_files "")
foreach(dll IN LISTS dlls)
  add_custom_command(
    OUTPUT ${SKYRIFT_GAME_DIR}/${dll}
    COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${SKYRIFT_GAME_DIR}/${dll} ${SKYRIFT_WINDOWS_DEPS}/bin/${dll}
    DEPENDS ${SKYRIFT_WINDOWS_DEPS}/bin/${dll}
    VERBATIM)
  list(APPEND game_files ${SKYRIFT_GAME_DIR}/${dll})
endforeach()
set(data_stamp ${CMAKE_BINARY_DIR}/game_data.stamp)
add_custom_command(
  OUTPUT ${data_stamp}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${SKYRIFT_GAME_DIR}/Images ${SKYRIFT_GAME_DIR}/Sound
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${native_game}/Images ${SKYRIFT_GAME_DIR}/Images
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${native_game}/Sound ${SKYRIFT_GAME_DIR}/Sound
  COMMAND ${CMAKE_COMMAND} -E touch ${data_stamp}
  DEPENDS ${SKYRIFT_NATIVE_BUILD}/forge_assets.stamp
  COMMENT "Copying the forged data into ${SKYRIFT_GAME_DIR}"
  VERBATIM)
add_custom_target(windows_game ALL DEPENDS ${game_files} ${data_stamp})

# What a player gets, laid out in dist/skyrift-VERSION-windows-x64/: the game, its DLLs and data,
# our licence and the third-party ones, a short README.
set(package_name skyrift-${PROJECT_VERSION}-windows-x64)
set(dist ${CMAKE_BINARY_DIR}/dist)
set(stage ${dist}/${package_name})
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/README.txt.in ${windows_out}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${windows_out}/LICENSE.txt COPYONLY)
file(GLOB third_party_licences CONFIGURE_DEPENDS ${SKYRIFT_WINDOWS_DEPS}/share/licenses/*.txt)
# mingw-w64's start-up code is linked into skyrift.exe.
configure_file(/usr/share/doc/mingw-w64-x86-64-dev/copyright ${windows_out}/licenses/mingw-w64.txt COPYONLY)
list(APPEND third_party_licences ${windows_out}/licenses/mingw-w64.txt)
set(stage_stamp ${dist}/stage.stamp)
add_custom_command(
  OUTPUT ${stage_stamp}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/licenses
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:skyrift> ${game_files} ${windows_out}/README.txt
          ${windows_out}/LICENSE.txt ${stage}
  COMMAND ${CMAKE_COMMAND} -E copy ${third_party_licences} ${stage}/licenses
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${SKYRIFT_GAME_DIR}/Images ${stage}/Images
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${SKYRIFT_GAME_DIR}/Sound ${stage}/Sound
  COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -P ${CMAKE_SOURCE_DIR}/cmake/windows-fold-case.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${stage_stamp}
  DEPENDS skyrift ${game_files} ${data_stamp} ${windows_out}/README.txt ${windows_out}/LICENSE.txt
          ${third_party_licences} ${CMAKE_SOURCE_DIR}/cmake/windows-fold-case.cmake
  COMMENT "Laying out ${stage}"
  VERBATIM)

set(zip ${CMAKE_BINARY_DIR}/${package_name}.zip)
add_custom_command(
  OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip "--mtime=2026-01-01 00:00:00 UTC" ${package_name}
  WORKING_DIRECTORY ${dist}
  DEPENDS ${stage_stamp}
  COMMENT "Packing ${package_name}.zip"
  VERBATIM)

# The installer: every file of the stage, listed for the uninstaller so that it removes what it
# put there and nothing else (scripts of ours may sit in the same folder).
find_program(MAKENSIS makensis REQUIRED)
set(installer ${CMAKE_BINARY_DIR}/${package_name}-setup.exe)
set(nsis_script ${CMAKE_SOURCE_DIR}/packaging/windows/skyrift.nsi)
add_custom_command(
  OUTPUT ${installer}
  COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DOUT=${dist}/uninstall-list.nsh
          -P ${CMAKE_SOURCE_DIR}/cmake/nsis-uninstall-list.cmake
  COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSTAGE=${stage} -DOUTFILE=${installer}
          -DICON=${windows_out}/skyrift.ico -DUNINSTALL_LIST=${dist}/uninstall-list.nsh ${nsis_script}
  DEPENDS ${stage_stamp} ${nsis_script} ${windows_out}/skyrift.ico ${CMAKE_SOURCE_DIR}/cmake/nsis-uninstall-list.cmake
  COMMENT "Making ${package_name}-setup.exe"
  VERBATIM)
add_custom_target(windows_packages ALL DEPENDS ${zip} ${installer})
