# Installation: the program, its desktop entry, metainfo, icons and manual page in the standard
# places. The metainfo's description comes from the package's in debian/control, its releases
# from debian/changelog.
include(GNUInstallDirs)
set(generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)

# The summary and the description: the package's, the lines of debian/control after the summary, each indented by one blank,
# " ." between paragraphs.
file(READ debian/control control)
if(NOT control MATCHES "\nDescription: ([^\n]*)\n(( [^\n]*\n)+)")
    message(FATAL_ERROR "debian/control has no description")
endif()
set(TABDERIV_SUMMARY "${CMAKE_MATCH_1}")
string(REGEX REPLACE "(^|\n) " "\\1" description "${CMAKE_MATCH_2}")
string(STRIP "${description}" description)
string(REPLACE "\n.\n" "@PARAGRAPH@" text "${description}")
string(REPLACE "\n" "\n      " text "${text}")
string(REPLACE "@PARAGRAPH@" "\n    </p>\n    <p>\n      " text "${text}")
set(TABDERIV_METAINFO_DESCRIPTION "    <p>\n      ${text}\n    </p>")

# The releases, newest first, from the changelog's entries.
file(STRINGS debian/changelog releases REGEX "^tabderiv \\(|^ -- ")
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
    message(FATAL_ERROR "debian/changelog has no entry for ${PROJECT_VERSION}")
endif()
configure_file(data/org.tabderiv.tabderiv.metainfo.xml.in
               ${generated}/org.tabderiv.tabderiv.metainfo.xml.english @ONLY)

# The desktop entry and the metainfo with the translations of their texts.
list(TRANSFORM TABDERIV_LANGUAGES REPLACE "(.+)" "${PROJECT_SOURCE_DIR}/translations/tabderiv_\\1.ts"
     OUTPUT_VARIABLE sources)
set(localize ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/packaging/translations.py)
add_custom_command(OUTPUT ${generated}/org.tabderiv.tabderiv.desktop
                   COMMAND ${localize} desktop ${PROJECT_SOURCE_DIR}/data/org.tabderiv.tabderiv.desktop
                           ${generated}/org.tabderiv.tabderiv.desktop ${sources}
                   DEPENDS data/org.tabderiv.tabderiv.desktop packaging/translations.py ${sources}
                   VERBATIM)
add_custom_command(OUTPUT ${generated}/org.tabderiv.tabderiv.metainfo.xml
                   COMMAND ${localize} metainfo ${generated}/org.tabderiv.tabderiv.metainfo.xml.english
                           ${generated}/org.tabderiv.tabderiv.metainfo.xml ${sources}
                   DEPENDS ${generated}/org.tabderiv.tabderiv.metainfo.xml.english
                           packaging/translations.py ${sources}
                   VERBATIM)
add_custom_target(localized_data ALL DEPENDS ${generated}/org.tabderiv.tabderiv.desktop
                                             ${generated}/org.tabderiv.tabderiv.metainfo.xml)

# The manual page, compressed as Debian wants it.
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${generated}/tabderiv.1.gz
                   COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/tabderiv.1 >
                           ${generated}/tabderiv.1.gz
                   DEPENDS packaging/tabderiv.1 VERBATIM)
add_custom_target(manual_page ALL DEPENDS ${generated}/tabderiv.1.gz)

install(TARGETS tabderiv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generated}/org.tabderiv.tabderiv.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/org.tabderiv.tabderiv.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/tabderiv.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME org.tabderiv.tabderiv.svg)
foreach(size IN LISTS TABDERIV_ICON_SIZES)
    install(FILES data/icons/${size}x${size}/tabderiv.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME org.tabderiv.tabderiv.png)
endforeach()
install(FILES ${generated}/tabderiv.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
