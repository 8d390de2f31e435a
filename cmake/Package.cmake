# The Debian package: cpack -G DEB makes banzuri_<version>_<arch>.deb from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME banzuri)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Banzuri")
set(CPACK_PACKAGE_CONTACT "Banzuri developers <banzuri@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shogi variant with sandwich and enclosure captures")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Banzuri is a board game on the 9x9 shogi board with the full shogi set. Pieces
move as in shogi but only onto empty squares; enemy pieces are captured by
sandwiching them along a row or column, or by enclosing a group so that none of
its members touches an empty square. Play against another person or against the
computer at three levels. The game speaks Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://banzuri.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by shlibdeps: the fonts the board and the international pieces are drawn with,
# Qt's Japanese texts, the opener of the help page; SDL2_mixer too, opened at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-mincho, fonts-dejavu-core, libsdl2-mixer-2.0-0, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
