# The Debian package: `cpack -G DEB` in the build folder writes
# halvero_<version>_<arch>.deb. Its library dependencies are computed from
# the executable and the preview module (dpkg-shlibdeps); the engine's
# helper process and Qt's platform plugins, which nothing links, are named
# by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME halvero)
set(CPACK_PACKAGE_VENDOR "The Halvero developers")
set(CPACK_PACKAGE_CONTACT "The Halvero developers <maintainers@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "navigation-menu page builder for web sites")
set(CPACK_PACKAGE_DESCRIPTION
  "Halvero builds the XHTML page of a site's navigation menu. One window sets
the item count, spacing and size, the status-bar text, the link target and
the font, colours and borders of the normal and the hovered item; one
button writes the page and another previews it in an embedded browser.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.com/halvero")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6webenginewidgets6, libqt6webenginecore6-bin, libqt6quick6, qt6-qpa-plugins")
# On a Wayland desktop Qt needs its Wayland platform; X11 needs nothing more.
# Qt's own translations put its dialogs in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)

# What Debian asks of every package: its copyright and changelog.
set(HALVERO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/halvero)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND gzip -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
add_custom_target(halvero_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${HALVERO_DOC_DIR})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME halvero)

include(CPack)
