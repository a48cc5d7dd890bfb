# What `cmake --install` puts where (GNUInstallDirs), and the Debian package made of it (`cpack`).
# The package's version is the project's (CPack's default), as are the programs' and the help
# window's.

set(CPACK_PACKAGE_CONTACT "PLORIK maintainers <maintainers@plorik.invalid>")
include(cmake/PackageDocuments.cmake)

install(TARGETS plorik-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/data.txt DESTINATION ${PLORIK_INSTALL_DATADIR})
install(DIRECTORY data/help/ DESTINATION ${PLORIK_INSTALL_DATADIR}/help FILES_MATCHING PATTERN "*.html")
install(FILES ${PLORIK_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PLORIK_DOC_FILES} DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(PLORIK_GUI)
  install(TARGETS plorik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES data/desktop/plorik.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/desktop/plorik-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME plorik.xml)
  install(FILES data/desktop/plorik.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES data/desktop/plorik-48.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
          RENAME plorik.png)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plorik)
set(CPACK_PACKAGE_VENDOR "PLORIK")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the craft tables of X-Wing vs. TIE Fighter and X-Wing Alliance")
# Debian's lines of the long description stay within 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "PLORIK identifies a game executable by the signatures in its data.txt, shows\n"
       "each craft slot's statistics, weapons, hardpoints, cockpit positions, names\n"
       "and model references, and writes edits back into the executable and the\n"
       "game's text and list files. plorik is the window program; plorik-cli runs\n"
       "the same editor from the command line.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
