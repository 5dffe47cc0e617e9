# Skyrift as players get it: beside the game and its data, a desktop entry, the icons drawn by
# the forge, AppStream metainfo and a man page. The Debian packages are built from debian/ by
# dpkg-buildpackage, which installs from here in the games layout. The forge and the simulator
# are build and developer tools and are not installed.

# The component id and the web addresses are the publisher's: set them when publishing.
set(SKYRIFT_APP_ID "org.example.skyrift" CACHE STRING "AppStream component id, a reverse domain name")
set(SKYRIFT_WEBSITE "https://skyrift.example.org" CACHE STRING "Home page named by the AppStream metainfo")
set(SKYRIFT_SCREENSHOT_URL "${SKYRIFT_WEBSITE}/docs/screenshots" CACHE STRING
    "Folder URL where the README screenshots (docs/screenshots) are published")
# The Maintainer of debian/control and the changelog's author are this default too.
set(SKYRIFT_MAINTAINER "The Skyrift developers <skyrift@example.org>" CACHE STRING
    "Upstream contact named by the copyright file: Name <address>")
set(SKYRIFT_FULL_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/skyrift)

# The game and its data in two layouts from one build. cmake --install puts them in bin/ and
# share/skyrift under the prefix; debian/rules installs them in /usr/games and
# /usr/share/games/skyrift (component games_layout), as Debian's policy for games asks. The game finds its data beside either (platform/data_dir).
# Everything else is installed the same way by both (component common).
install(TARGETS skyrift RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT prefix_layout)
install(DIRECTORY ${SKYRIFT_GAME_DIR}/Images ${SKYRIFT_GAME_DIR}/Sound
        DESTINATION ${CMAKE_INSTALL_DATADIR}/skyrift COMPONENT prefix_layout OPTIONAL)
install(TARGETS skyrift RUNTIME DESTINATION games COMPONENT games_layout EXCLUDE_FROM_ALL)
install(DIRECTORY ${SKYRIFT_GAME_DIR}/Images ${SKYRIFT_GAME_DIR}/Sound
        DESTINATION ${CMAKE_INSTALL_DATADIR}/games/skyrift COMPONENT games_layout EXCLUDE_FROM_ALL OPTIONAL)

set(packaging_src ${CMAKE_SOURCE_DIR}/packaging)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)

if(TARGET skyrift-forge)
  set(icon_theme ${packaging_out}/icons/hicolor)
  set(icon_files "")
  foreach(size 48 128 256)
    list(APPEND icon_files ${icon_theme}/${size}x${size}/apps/skyrift.png)
  endforeach()
  add_custom_command(
    OUTPUT ${icon_files}
    COMMAND skyrift-forge --icons ${icon_theme}
    DEPENDS skyrift-forge
    COMMENT "Drawing the desktop icons into ${icon_theme}"
    VERBATIM)
  add_custom_target(skyrift_icons ALL DEPENDS ${icon_files})
  install(DIRECTORY ${icon_theme} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT common)
endif()

configure_file(${packaging_src}/skyrift.metainfo.xml.in ${packaging_out}/${SKYRIFT_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging_src}/skyrift.6 ${packaging_out}/skyrift.6 @ONLY)
# One changelog, Debian's, as the project is its own Debian source package.
configure_file(${CMAKE_SOURCE_DIR}/debian/changelog ${packaging_out}/changelog COPYONLY)
configure_file(${packaging_src}/copyright.in ${packaging_out}/copyright @ONLY)
# The man page and the changelog ship compressed; -n keeps the name and time out, so the bytes
# repeat.
foreach(text skyrift.6 changelog)
  add_custom_command(
    OUTPUT ${packaging_out}/${text}.gz
    COMMAND gzip -9nkf ${packaging_out}/${text}
    DEPENDS ${packaging_out}/${text}
    VERBATIM)
endforeach()
add_custom_target(skyrift_docs ALL DEPENDS ${packaging_out}/skyrift.6.gz ${packaging_out}/changelog.gz)

install(FILES ${packaging_src}/skyrift.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT common)
install(FILES ${packaging_out}/${SKYRIFT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        COMPONENT common)
install(FILES ${packaging_out}/skyrift.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT common)
# The licence, as a machine-readable Debian copyright file (debian/copyright is this one with the
# defaults), and the changelog.
install(FILES ${packaging_out}/copyright ${packaging_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/skyrift COMPONENT common)

# Installing takes what the last build made and never builds: the install test runs inside ctest,
# where a build would relink the programs other tests are running.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
