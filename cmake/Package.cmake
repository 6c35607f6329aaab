# A Debian package of the installation (cpack -G DEB in the build folder).
# The libraries the programs link are found by dpkg-shlibdeps; what they load
# at run time is named: Qt's platform plugins, the SVG image plugin (icons)
# and the CJK font.
set(CPACK_PACKAGE_NAME korvant)
set(CPACK_PACKAGE_VENDOR "Korvant")
set(CPACK_PACKAGE_CONTACT "Korvant desk team <desk@korvant.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "administrator desk of a futures asset-management platform (柜台管理)")
set(CPACK_PACKAGE_DESCRIPTION
  "Korvant 柜台管理: the desk (korvant-desk), its command-line front end\n(korvant-cli) and a simulated management server (korvant-sim) with demo\ndata.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
if(KORVANT_BUILD_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, libqt6charts6, fonts-wqy-microhei")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
