# The Linux release: velmora_<version>_amd64.deb, built by the linux-release preset. It packs
# whatever the Linux build installs below the prefix /usr with relative destinations (the hack
# to libexec/xscreensaver, its velmora.xml to share/xscreensaver/config, its manual page to
# share/man/man6; velmora-xscreensaver to bin and its page to share/man/man1; MATE's theme entry
# to share/applications/screensavers) and the copyright note and changelog Debian asks for; the
# libraries it needs are worked out by dpkg-shlibdeps. It recommends the screensaver front-ends
# rather than depending on one, so that it installs beside whichever the desktop has.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_CONTACT "Velmora <velmora@velmora.example>")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Velmora streams 4000 tinted, additively blended star glows from an emitter\n"
  "while the whole world turns slowly about three axes. It runs as an\n"
  "XScreenSaver hack, a MATE screensaver theme and an xsecurelock saver.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xscreensaver | mate-screensaver | xsecurelock")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)

include(${PROJECT_SOURCE_DIR}/cmake/GzipFile.cmake)
string(TIMESTAMP VELMORA_RELEASE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP VELMORA_RELEASE_YEAR "%Y" UTC)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
velmora_gzip_file(${CMAKE_CURRENT_BINARY_DIR}/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  DESTINATION share/doc/velmora)
