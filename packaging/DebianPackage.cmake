# The Linux release: velmora_<version>_amd64.deb, built by the linux-release preset. It packs
# whatever the Linux build installs below the prefix /usr with relative destinations (the hack
# to libexec/xscreensaver, its velmora.xml to share/xscreensaver/config, its manual page to
# share/man/man6); the libraries it needs are worked out by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_CONTACT "Velmora <velmora@velmora.example>")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Velmora streams 4000 tinted, additively blended star glows from an emitter while the whole\n"
  "world turns slowly about three axes. It runs as an XScreenSaver hack.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_DEPENDS xscreensaver)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
