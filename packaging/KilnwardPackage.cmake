# `cpack -G DEB` in the build folder makes kilnward_<version>_<arch>.deb, installable with
# `apt install ./kilnward_*.deb`: the Qt 6 runtime it needs is found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME kilnward)
set(CPACK_PACKAGE_VENDOR "Kilnward developers")
set(CPACK_PACKAGE_CONTACT "Kilnward developers <maintainers@kilnward.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for portable flue-gas analysers")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_SOURCE_DIR}/description.txt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The shared library's shlibs file and the ldconfig trigger it needs (CPack itself only adds
# ldconfig calls to the maintainer scripts).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/triggers)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Loaded at run time, so dpkg-shlibdeps cannot see them: the SQLite driver of the language
# database, the SVG icon loader and Qt's own translations (buttons, file dialogs).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KILNWARD_HOMEPAGE})
include(CPack)
