# The Debian package: `cpack -G DEB` in a build folder makes lumora_<version>_<arch>.deb with the
# programs, the modules and the platform library, the icons, the desktop entry and the man pages;
# its dependencies are found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VENDOR "Lumora")
set(CPACK_PACKAGE_CONTACT "Lumora developers <lumora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumora tells what is inside a video file (its video and audio streams), what a DVD-Video\nvolume holds (folders, ISO images and discs), and which codecs, filters, capture and\noutput devices are installed. lumora_demo is the window; lumora_info prints the same facts\nas text or JSON, for single files or whole folder trees.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/lumora")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded, not linked: the window's display plugin. Recommended: the dialogs in the user's language
# and the font the window is drawn in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wine")
# The platform library is the package's own: dpkg-shlibdeps finds it there, not in another package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_INSTALL_LIBDIR}/lumora)
include(CPack)
