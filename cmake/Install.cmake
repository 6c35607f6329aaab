# What `cmake --install` puts where (GNU layout under the prefix):
#   bin/                      korvant-desk, korvant-cli, korvant-sim
#   lib/korvant/              korvant-pdf.so, the PDF output korvant-cli loads
#   share/man/man1/           korvant-cli.1.gz, generated from the command definitions
#   share/bash-completion/completions/
#                             korvant-cli, the completion script, generated too
#   share/korvant/            the sample Server.ini and riskdetail.ini, copied
#                             into ~/.config/korvant on the first start
#   share/doc/korvant/        the manual "柜台管理说明文档.pdf", copyright, changelog.gz
#   share/applications/, share/icons/hicolor/, share/metainfo/
#                             the desktop entry, the icons, the AppStream data
#   lib/systemd/user/         korvant-sim.service (KORVANT_INSTALL_SIM_UNIT) under
#                             /usr; under any other prefix share/systemd/user/,
#                             where systemctl --user finds it (~/.local too)
option(KORVANT_INSTALL_SIM_UNIT "Install korvant-sim as a systemd user service" ON)

set(_packaging ${CMAKE_SOURCE_DIR}/packaging)
install(TARGETS korvant-cli korvant-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET korvant-pdf)
  install(TARGETS korvant-pdf LIBRARY DESTINATION ${KORVANT_MODULE_DIR})
endif()
install(FILES ${_packaging}/Server.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/korvant)

# The man page and the changelog gzipped as Debian keeps them (no time stamp
# in the gzip header, so that the same build gives the same package).
string(TIMESTAMP KORVANT_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${_packaging}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
set(_man_gz ${CMAKE_BINARY_DIR}/packaging/korvant-cli.1.gz)
set(_changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${_man_gz}
  COMMAND gzip -9 -n -c ${KORVANT_CLI_MAN_PAGE} > ${_man_gz}
  DEPENDS korvant-cli
  VERBATIM)
add_custom_command(OUTPUT ${_changelog_gz}
  COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/packaging/changelog > ${_changelog_gz}
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(korvant-packaging-docs ALL DEPENDS ${_man_gz} ${_changelog_gz})
install(FILES ${_man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_packaging}/copyright ${_changelog_gz} DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${KORVANT_CLI_COMPLETION}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
if(EXISTS ${CMAKE_SOURCE_DIR}/data/riskdetail.ini)
  install(FILES ${CMAKE_SOURCE_DIR}/data/riskdetail.ini
    DESTINATION ${CMAKE_INSTALL_DATADIR}/korvant)
endif()

if(KORVANT_BUILD_GUI)
  install(TARGETS korvant-desk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${KORVANT_MANUAL_PDF} DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${_packaging}/korvant-desk.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size ${KORVANT_ICON_SIZES})
    install(FILES ${KORVANT_ICON_DIR}/${size}x${size}/apps/korvant-desk.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/src/gui/resources/icons/korvant-desk.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  configure_file(${_packaging}/org.korvant.desk.metainfo.xml
    ${CMAKE_BINARY_DIR}/packaging/org.korvant.desk.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/org.korvant.desk.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The unit names the simulator by its installed path, known only when the
# installation runs (a package installs under its own prefix).
if(KORVANT_INSTALL_SIM_UNIT)
  install(CODE "
    set(KORVANT_SIM_PATH \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/korvant-sim\")
    configure_file(\"${_packaging}/korvant-sim.service.in\"
      \"${CMAKE_BINARY_DIR}/packaging/korvant-sim.service\" @ONLY)
  ")
  install(CODE "
    if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
      set(_unit_dir \"\${CMAKE_INSTALL_PREFIX}/lib/systemd/user\")
    else()
      set(_unit_dir \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/systemd/user\")
    endif()
    file(INSTALL DESTINATION \"\${_unit_dir}\" TYPE FILE
      FILES \"${CMAKE_BINARY_DIR}/packaging/korvant-sim.service\")
  ")
endif()
