# Installation and the Debian package: the program, its desktop entry, metainfo, icons, manual
# page, copyright and changelog in the standard places. The package's long description and the
# metainfo's come from packaging/description.txt, the copyright's licence from LICENSE, the
# metainfo's releases from packaging/changelog.
include(GNUInstallDirs)
set(TABDERIV_MAINTAINER "tabderiv developers <developers@tabderiv.org>")
set(generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)

# The description: paragraphs separated by blank lines.
file(READ packaging/description.txt description)
string(STRIP "${description}" description)
string(REPLACE "\n\n" "@PARAGRAPH@" text "${description}")
string(REPLACE "\n" "\n      " text "${text}")
string(REPLACE "@PARAGRAPH@" "\n    </p>\n    <p>\n      " text "${text}")
set(TABDERIV_METAINFO_DESCRIPTION "    <p>\n      ${text}\n    </p>")

# The releases, newest first, from the changelog's entries.
file(STRINGS packaging/changelog releases REGEX "^tabderiv \\(|^ -- ")
set(TABDERIV_METAINFO_RELEASES "")
foreach(line IN LISTS releases)
    if(line MATCHES "^tabderiv \\(([^)]+)\\)")
        set(version ${CMAKE_MATCH_1})
    elseif(line MATCHES "  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])")
        set(day ${CMAKE_MATCH_1})
        set(year ${CMAKE_MATCH_3})
        set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
        list(FIND months ${CMAKE_MATCH_2} month)
        math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
        if(month LESS 10)
            set(month 0${month})
        endif()
        string(APPEND TABDERIV_METAINFO_RELEASES
               "    <release version=\"${version}\" date=\"${year}-${month}-${day}\"/>\n")
    endif()
endforeach()
string(STRIP "${TABDERIV_METAINFO_RELEASES}" TABDERIV_METAINFO_RELEASES)
set(TABDERIV_METAINFO_RELEASES "    ${TABDERIV_METAINFO_RELEASES}")
if(NOT TABDERIV_METAINFO_RELEASES MATCHES "version=\"${PROJECT_VERSION}\"")
    message(FATAL_ERROR "packaging/changelog has no entry for ${PROJECT_VERSION}")
endif()
configure_file(data/org.tabderiv.tabderiv.metainfo.xml.in
               ${generated}/org.tabderiv.tabderiv.metainfo.xml @ONLY)

# The copyright file: the licence of LICENSE, as the machine-readable format writes it.
file(READ LICENSE license)
string(REGEX REPLACE "^.*\nCopyright[^\n]*\n\n" "" license "${license}")
string(STRIP "${license}" license)
string(REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license " ${license}")
set(TABDERIV_LICENSE_TEXT "${license}")
configure_file(packaging/copyright.in ${generated}/copyright @ONLY)

# The changelog and the manual page, compressed as Debian wants them.
find_program(GZIP gzip REQUIRED)
foreach(file changelog tabderiv.1)
    add_custom_command(OUTPUT ${generated}/${file}.gz
                       COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${file} >
                               ${generated}/${file}.gz
                       DEPENDS packaging/${file} VERBATIM)
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${generated}/changelog.gz ${generated}/tabderiv.1.gz)

install(TARGETS tabderiv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/org.tabderiv.tabderiv.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/org.tabderiv.tabderiv.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/tabderiv.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME org.tabderiv.tabderiv.svg)
foreach(size 16x16 32x32)
    install(FILES data/icons/${size}/tabderiv.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps
            RENAME org.tabderiv.tabderiv.png)
endforeach()
install(FILES ${generated}/tabderiv.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generated}/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabderiv)
set(CPACK_PACKAGE_CONTACT "${TABDERIV_MAINTAINER}")
# CPack puts the summary (the project description) first, then these lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${description}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE_URL "")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
