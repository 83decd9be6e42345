# The Debian package: `cpack -G DEB` in a build folder makes lumora_<version>_<arch>.deb with the
# programs, the modules and the platform library, the icons, the desktop entry, the man pages and
# /usr/share/doc/lumora (copyright, changelog, the JSON reference); its dependencies are found by
# dpkg-shlibdeps. tests/package/deb_package_test.sh holds it to lintian.
set(LUMORA_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/lumora)

# The changelog's newest entry names the version being built, as dpkg and lintian expect.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^lumora \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with \"${newest_entry}\": add an entry for ${PROJECT_VERSION}")
endif()
set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
add_custom_target(lumora_changelog ALL DEPENDS ${changelog})
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright ${changelog} ${PROJECT_SOURCE_DIR}/docs/json.md
        DESTINATION ${LUMORA_DOC_INSTALL_DIR})

set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VENDOR "Lumora")
set(CPACK_PACKAGE_CONTACT "${LUMORA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumora tells what is inside a video file (its video and audio streams), what a\nDVD-Video volume holds (folders, ISO images and discs), and which codecs,\nfilters, capture and output devices are installed. lumora_demo is the window;\nlumora_info prints the same facts as text or JSON, for single files or whole\nfolder trees.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform library and the modules are the programs' own, in a private folder: no shlibs
# file for other packages, no ldconfig run.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# Loaded, not linked: the window's display plugin. Recommended: the dialogs in the user's language
# and the font the window is drawn in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wine")
# The platform library is the package's own: dpkg-shlibdeps finds it there, not in another package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${LUMORA_MODULE_INSTALL_DIR})
include(CPack)
