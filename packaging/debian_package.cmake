# `cpack -G DEB` in a build tree makes quintaro_<version>-<release>_<arch>.deb from the
# install rules. Configure with CMAKE_INSTALL_PREFIX=/usr so the program's built-in data
# folders and the manual's paths match where the package puts the files.
set(CPACK_PACKAGE_NAME quintaro)
set(CPACK_PACKAGE_VENDOR "The Quintaro developers")
set(CPACK_PACKAGE_CONTACT "The Quintaro developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "video draw poker with three games and a Hall of Fame")
set(CPACK_PACKAGE_DESCRIPTION
  "Quintaro is a video draw-poker game. Sign in, take a stake of $100, bet $1 to $5,
deal five cards, discard the ones you do not want and redeal once; the pay table pays
the best hand you end with. Straight Poker (jacks or better), Jokers Wild and Deuces
Wild are offered, each with a Hall of Fame of the ten best closing balances.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The linked Qt libraries come from dpkg-shlibdeps. Qt loads the X11 and Wayland platform
# plugins at run time, so they are named here, as are the Liberation fonts the table is set
# in and Qt's own translations of its dialogs. Sounds need a sound server, but only if the
# player wants them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins, qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pipewire-pulse | pulseaudio")

include(CPack)
