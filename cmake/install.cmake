# What `cmake --install` puts where: the program in bin/, the world and room
# texts in share/raketa/, and what a desktop needs to offer the game: the
# desktop entry, the AppStream metainfo, the icons and the man page.
include(GNUInstallDirs)

set(RAKETA_APP_ID cz.raketa.Raketa)
set(RAKETA_RELEASE_DATE 2026-12-10)
set(RAKETA_SCREENSHOT_URL "https://raketa.invalid/screenshot.png" CACHE STRING
  "Where the screenshot of docs/screenshot.png is published, for the AppStream metainfo")
# Debian keeps games in /usr/games: the package is built with games here.
set(RAKETA_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING "Where the program is installed, under the prefix")
set(RAKETA_INSTALLED_DATA ${CMAKE_INSTALL_FULL_DATADIR}/raketa)
set(RAKETA_EXEC ${CMAKE_INSTALL_PREFIX}/${RAKETA_INSTALL_BINDIR}/raketa)
set(RAKETA_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(RAKETA_PACKAGED ${PROJECT_BINARY_DIR}/packaging)

configure_file(${RAKETA_PACKAGING}/${RAKETA_APP_ID}.metainfo.xml.in
  ${RAKETA_PACKAGED}/${RAKETA_APP_ID}.metainfo.xml @ONLY)
configure_file(${RAKETA_PACKAGING}/${RAKETA_APP_ID}.desktop.in ${RAKETA_PACKAGED}/${RAKETA_APP_ID}.desktop @ONLY)
configure_file(${RAKETA_PACKAGING}/raketa.6.in ${RAKETA_PACKAGED}/raketa.6 @ONLY)
set(RAKETA_MAINTAINER "Raketa developers <raketa@raketa.invalid>" CACHE STRING
  "Maintainer of the Debian package, name and address")
configure_file(${RAKETA_PACKAGING}/changelog.in ${RAKETA_PACKAGED}/changelog @ONLY)

# Debian wants the man page and the changelog compressed, without a time
# stamp so that the bytes stay the same from build to build.
find_program(GZIP gzip REQUIRED)
foreach(doc raketa.6 changelog)
  add_custom_command(OUTPUT ${RAKETA_PACKAGED}/${doc}.gz
    COMMAND ${GZIP} -9nf -k ${RAKETA_PACKAGED}/${doc}
    DEPENDS ${RAKETA_PACKAGED}/${doc}
    COMMENT "Compressing ${doc}")
endforeach()
add_custom_target(raketa_docs ALL DEPENDS ${RAKETA_PACKAGED}/raketa.6.gz ${RAKETA_PACKAGED}/changelog.gz)

install(TARGETS raketa RUNTIME DESTINATION ${RAKETA_INSTALL_BINDIR})
install(FILES ${PROJECT_BINARY_DIR}/gamedata/mistnosti.dat ${PROJECT_BINARY_DIR}/gamedata/slova.txt
  DESTINATION ${CMAKE_INSTALL_DATADIR}/raketa)
install(DIRECTORY ${PROJECT_BINARY_DIR}/gamedata/texty DESTINATION ${CMAKE_INSTALL_DATADIR}/raketa)
install(FILES ${RAKETA_PACKAGED}/${RAKETA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${RAKETA_PACKAGED}/${RAKETA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/raketa-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME raketa.png)
endforeach()
install(FILES ${RAKETA_PACKAGED}/raketa.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${RAKETA_PACKAGING}/copyright ${RAKETA_PACKAGED}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The typeface built into the program comes with its licence (the SIL Open
# Font License, in fonts-comic-neue's copyright file).
install(FILES ${RAKETA_FONT_LICENCE} DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME comic-neue-copyright.txt)
