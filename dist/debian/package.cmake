# package.cmake — the Debian package (tools/package.sh): CPack's DEB
# generator over the component "game" of the install rules, for /usr.
#
# The package holds what `cmake --install` lays out, less the links in
# bin. Its dependencies come from dpkg-shlibdeps; the sound library, which
# the game opens only when it plays its first sound, is recommended under
# the name of the Debian package that holds it here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zauberlabyrinth)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${ZL_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};game;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZL_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "wizard game in eight labyrinths, with a level editor
A single-player action game with German texts. A wizard walks eight
labyrinths seen from above, one screen at a time, while pigs, flame ghosts,
eyes and cleaning men chase him. Items kill creatures or open barriers; the
door leads to the next labyrinth.
.
The level editor zauberlabyrinth-editor builds the labyrinths; a level saved
under the name of a shipped one is played in its place.")

# The package that holds the sound library the game opens by name.
execute_process(COMMAND dpkg-query -S "libSDL2_mixer-2.0.so.0"
  OUTPUT_VARIABLE mixer_owner ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
if(mixer_owner MATCHES "^([a-z0-9.+-]+)(:[a-z0-9]+)?: ")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ${CMAKE_MATCH_1})
endif()

include(CPack)
