# `cpack -G DEB` in a build folder makes tallowen_VERSION_ARCH.deb from what `cmake --install`
# lays out under /usr.
set(CPACK_PACKAGE_NAME tallowen)
set(CPACK_PACKAGE_VENDOR "Tallowen developers")
set(CPACK_PACKAGE_CONTACT "Tallowen developers <tallowen@tallowen.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-player conquest board game")
# Each line of the long description becomes one line of the package's, under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Two sides take turns on a square field: a piece grows into an adjacent empty
cell or jumps two cells, and every opponent piece next to where it lands
changes sides. Play against another person or the computer, on four built-in
fields or your own.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The dependencies are the packages of the shared libraries the programs link (dpkg-shlibdeps),
# and FluidSynth's, which the game loads only when its music starts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libfluidsynth3")
# The music needs a General MIDI SoundFont (the small one first); Wayland desktops need Qt's
# Wayland platform.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "timgm6mb-soundfont | sf2-soundfont-gm, qt6-wayland")
include(CPack)
