# cmake --install and the Debian package (cpack -G DEB).
#
#   bin/giornaro                              the command
#   libexec/giornaro/giornaro-finestra        the window program it starts
#   share/giornaro/lune.dat                   the store of facts and births
#   share/applications, share/metainfo        menu entry and AppStream data
#   share/icons/hicolor/*/apps/giornaro.*     icons, 16 to 256 pixels and SVG
#   share/man/man1/giornaro.1.gz              the manual page (Italian)

set(GIORNARO_APP_ID it.giornaro.giornaro)
set(GIORNARO_HOMEPAGE "https://example.org/giornaro" CACHE STRING
  "The project's web address, for the AppStream data (its screenshot is docs/day-sheet.png under it)")
set(GIORNARO_RELEASE_DATE "2026-04-25" CACHE STRING "Release date of this version (AAAA-MM-GG)")
set(GIORNARO_DIST ${PROJECT_SOURCE_DIR}/dist)

install(TARGETS giornaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS giornaro-finestra RUNTIME DESTINATION ${GIORNARO_LIBEXEC_DIR})
install(FILES ${PROJECT_BINARY_DIR}/lune.dat DESTINATION ${GIORNARO_DATA_DIR})

install(FILES ${GIORNARO_DIST}/${GIORNARO_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${GIORNARO_DIST}/${GIORNARO_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/dist/${GIORNARO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/dist/${GIORNARO_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(DIRECTORY ${GIORNARO_DIST}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${GIORNARO_DIST}/icons/giornaro.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page names the installed files, so it is written at install
# time, when the prefix is known (cpack installs under /usr).
install(CODE "
  set(CMAKE_INSTALL_FULL_DATADIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
  set(CMAKE_INSTALL_FULL_LIBEXECDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  configure_file(\"${GIORNARO_DIST}/giornaro.1.in\" \"${PROJECT_BINARY_DIR}/dist/man/giornaro.1\" @ONLY)
  execute_process(COMMAND gzip -9nf \"${PROJECT_BINARY_DIR}/dist/man/giornaro.1\" COMMAND_ERROR_IS_FATAL ANY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\" TYPE FILE
       FILES \"${PROJECT_BINARY_DIR}/dist/man/giornaro.1.gz\")
")

# cpack -G DEB: giornaro_<version>_amd64.deb, its library dependencies found
# by dpkg-shlibdeps; the window also needs Qt's platform plugins, which no
# binary links.
set(CPACK_PACKAGE_NAME giornaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "GIORNARO")
set(CPACK_PACKAGE_CONTACT "GIORNARO <giornaro@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "almanacco da scrivania: il foglio del giorno")
set(CPACK_PACKAGE_DESCRIPTION
  "Mostra il foglio del giorno: santo o festa, fase della luna, alba e tramonto\n"
  "in 108 città italiane, fatti storici e nati del giorno, con le ricorrenze di\n"
  "un archivio personale. Da terminale stampa il foglio di qualunque giorno come\n"
  "testo o JSON.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${GIORNARO_HOMEPAGE})
set(CPACK_STRIP_FILES ON)
include(CPack)
