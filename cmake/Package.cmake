# `cpack -G DEB` in the build folder: the Debian package `pictavo`, holding what the install
# rules lay out under /usr. Its dependencies are the shared libraries the programs link
# (computed by dpkg-shlibdeps), the programs they run and the trust store HTTPS checks
# certificates against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pictavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Pictavo)
set(CPACK_PACKAGE_CONTACT "Pictavo developers <pictavo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo album video maker")
set(CPACK_PACKAGE_DESCRIPTION
  "Pictavo turns up to 1000 photos into one MP4 video: each photo gets one of 97\n"
  "transition effects and an optional caption, with a logo, background music and a\n"
  "cover picture. This package holds the command-line program pictavo-cli.")
if(TARGET pictavo)
  set(CPACK_PACKAGE_DESCRIPTION
    "Pictavo turns up to 1000 photos into one MP4 video: each photo gets one of 97\n"
    "transition effects and an optional caption, with a logo, background music and a\n"
    "cover picture. This package holds the window program pictavo and the\n"
    "command-line program pictavo-cli.")
endif()
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, atomicparsley, ca-certificates, opencv-data")
if(TARGET pictavo)
  # The toolbar icons and the empty list's artwork are SVG, drawn through Qt's SVG plugins,
  # which the automatic library dependencies cannot see.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6svg6")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")

include(CPack)
