# The Debian package of the installed program (scripts/package): the executable,
# the recordings, the desktop files and the manual page under /usr. Its
# dependencies are the shared libraries the executable links to, found by
# dpkg-shlibdeps, and the Qt platform plugins that show the panel.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zenka)
set(CPACK_PACKAGE_VENDOR "Zenka")
set(CPACK_PACKAGE_CONTACT "Zenka developers <zenka@zenka.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulated long- and medium-wave telegraphy receiver")
set(CPACK_PACKAGE_DESCRIPTION
  "Zenka is a simulated receiver for 10 - 1000 kHz that keys the Morse traffic of the \
historical wireless services: coast stations working ships, the 500 kHz distress and \
calling frequency, navy fleet broadcasts, army nets, aircraft, weather broadcasts and \
beacons, each on its own schedule in UTC.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zenka.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)
