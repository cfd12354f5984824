# `cpack -G DEB` in the build folder makes the Debian package of what
# `cmake --install` installs.  Configure the build for it with
# -DCMAKE_INSTALL_PREFIX=/usr -DRAKETA_INSTALL_BINDIR=games (as
# tools/quality/package.sh does).  The libraries it needs are found by
# dpkg-shlibdeps; the font is built into the program.
set(CPACK_PACKAGE_NAME raketa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${RAKETA_MAINTAINER}")
set(CPACK_PACKAGE_VENDOR "Raketa developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text adventure in Czech: repair a rocket on a cliff's edge")
set(CPACK_PACKAGE_DESCRIPTION "A full-screen text adventure in Czech. Your rocket has come down on
the edge of a cliff: it leaks fuel, its pressure gauge is broken, its
cables are damaged and its power cells are running down. Walk its rooms,
search them, take and use what you find, keep yourself fed and healthy,
repair the rocket, and once fuel and cells are full, hurry back to the
cabin before the rocket falls.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Speech opens espeak-ng only when asked to speak, so shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libespeak-ng1, espeak-ng-data")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
