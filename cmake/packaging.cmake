# Installation the Debian way and the .deb package.
include(GNUInstallDirs)

set(KELVANE_APP_ID org.kelvane.Kelvane)
set(KELVANE_PROGRAM_SVG ${CMAKE_SOURCE_DIR}/resources/icons/program.svg)
set(KELVANE_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS kelvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(tool kelvane-treetext kelvane-render kelvane-build)
  if(TARGET ${tool})
    install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(PROGRAMS ${CMAKE_SOURCE_DIR}/resources/desktop/kelvane-open DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${KELVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/${KELVANE_APP_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/desktop/${KELVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${KELVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(icon_pngs)
foreach(size ${KELVANE_ICON_SIZES})
  set(png ${CMAKE_BINARY_DIR}/icons/${size}/${KELVANE_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}
    COMMAND kelvane-iconrender ${KELVANE_PROGRAM_SVG} ${size} ${png}
    DEPENDS kelvane-iconrender ${KELVANE_PROGRAM_SVG} VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(kelvane_icons ALL DEPENDS ${icon_pngs})
install(FILES ${KELVANE_PROGRAM_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KELVANE_APP_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kelvane developers <dev@kelvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Browser for the metadata of 1C:Enterprise 8.1 configurations")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Browser for the metadata of 1C:Enterprise 8.1 configurations
 Kelvane reads a configuration exported into Baza.mdb (Jet 4.0) read-only,
 shows its tree and draws every node as a clickable diagram.")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-qpa-plugins")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
