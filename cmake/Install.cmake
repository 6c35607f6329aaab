# What `cmake --install` puts where (GNU layout under the prefix):
#   bin/                      korvant-desk, korvant-cli, korvant-sim
#   share/man/man1/           korvant-cli.1, generated from the command definitions
#   share/bash-completion/completions/
#                             korvant-cli, the completion script, generated too
#   share/korvant/            the sample Server.ini and riskdetail.ini, copied
#                             into ~/.config/korvant on the first start
#   share/doc/korvant/        the manual "柜台管理说明文档.pdf"
#   share/applications/, share/icons/hicolor/, share/metainfo/
#                             the desktop entry, the icons, the AppStream data
#   lib/systemd/user/         korvant-sim.service (KORVANT_INSTALL_SIM_UNIT)
option(KORVANT_INSTALL_SIM_UNIT "Install korvant-sim as a systemd user service" ON)

set(_packaging ${CMAKE_SOURCE_DIR}/packaging)
install(TARGETS korvant-cli korvant-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_packaging}/Server.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/korvant)
install(FILES ${KORVANT_CLI_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
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
  install(FILES ${CMAKE_BINARY_DIR}/packaging/korvant-sim.service
    DESTINATION lib/systemd/user)
endif()
