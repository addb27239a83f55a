# `cpack -G DEB` in a build folder makes tallowen_VERSION_ARCH.deb from what `cmake --install`
# lays out under /usr.
set(CPACK_PACKAGE_NAME tallowen)
set(CPACK_PACKAGE_VENDOR "Tallowen developers")
set(CPACK_PACKAGE_CONTACT "Tallowen developers <tallowen@tallowen.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-player conquest board game")
set(CPACK_PACKAGE_DESCRIPTION
    "Two sides take turns on a square field: a piece grows into an adjacent empty cell or jumps two cells, and every opponent piece next to where it lands changes sides. Play against another person or the computer, on four built-in fields or your own.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The dependencies are the packages of the shared libraries the programs link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
