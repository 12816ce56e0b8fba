# Installation: the program, its desktop entry, metainfo and icons in the standard places.
include(GNUInstallDirs)
install(TARGETS tabderiv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/org.tabderiv.tabderiv.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/org.tabderiv.tabderiv.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/tabderiv.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME org.tabderiv.tabderiv.svg)
foreach(size 16x16 32x32)
    install(FILES data/icons/${size}/tabderiv.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps
            RENAME org.tabderiv.tabderiv.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabderiv)
set(CPACK_PACKAGE_CONTACT "tabderiv developers <tabderiv@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
