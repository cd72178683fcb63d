# SPDX-License-Identifier: GPL-3.0-or-later
# The install: the program, its default files, the menu entry, its
# AppStream description, its icons and its manual, where GNUInstallDirs
# puts them under CMAKE_INSTALL_PREFIX (and DESTDIR). Nothing else is
# written: an installed copy's settings folder comes with its first save.
# A per-user install is "cmake --install build --prefix ~/.local".

include(GNUInstallDirs)
set(QUORBEL_ID org.quorbel.Quorbel)
set(QUORBEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorbel)

install(TARGETS quorbel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The defaults the program reads when the user has no copy of their own.
install(FILES resources/pprefs.qbx resources/Alarm1.wav resources/Alarm2.wav
    DESTINATION ${CMAKE_INSTALL_DATADIR}/quorbel)
install(FILES resources/${QUORBEL_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/${QUORBEL_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# A call on the session bus while no copy has the name starts the
# installed program, in the background: the service file names it where
# this install puts it, the prefix known only at the install.
install(CODE "
    set(program \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quorbel\")
    configure_file(\"${PROJECT_SOURCE_DIR}/resources/${QUORBEL_ID}.service.in\"
        \"${CMAKE_BINARY_DIR}/service/${QUORBEL_ID}.service\" @ONLY)
    file(INSTALL \"${CMAKE_BINARY_DIR}/service/${QUORBEL_ID}.service\"
        DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/dbus-1/services\")
")
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES resources/icons/${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${QUORBEL_ID}.png)
endforeach()
install(FILES resources/icons/scalable.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${QUORBEL_ID}.svg)

# The manual and the changelog go in compressed, as Debian wants them.
set(doc ${CMAKE_BINARY_DIR}/doc)
add_custom_command(OUTPUT ${doc}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${doc}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/resources/debian/changelog > ${doc}/changelog.gz
    DEPENDS resources/debian/changelog)
set(docs ${doc}/changelog.gz)
# The manual is made from the program's own --help, which needs no display.
find_program(HELP2MAN help2man)
# A sanitizer build's program reports at its end what no manual wants.
if(HELP2MAN AND NOT QUORBEL_SANITIZE)
    add_custom_command(OUTPUT ${doc}/quorbel.1.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${doc}
        COMMAND ${HELP2MAN} --no-info --section=1 --name "desktop countdown timers, alarms and stopwatch"
            --include=${PROJECT_SOURCE_DIR}/resources/quorbel.h2m --output=${doc}/quorbel.1
            $<TARGET_FILE:quorbel>
        COMMAND gzip -9nf ${doc}/quorbel.1
        DEPENDS quorbel resources/quorbel.h2m)
    list(APPEND docs ${doc}/quorbel.1.gz)
    install(FILES ${doc}/quorbel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(STATUS "No manual page: it needs help2man, and a build without sanitizers")
endif()
add_custom_target(docs ALL DEPENDS ${docs})
install(FILES resources/debian/copyright ${doc}/changelog.gz DESTINATION ${QUORBEL_DOC_DIR})

# Removes what the last install put in place, as its manifest lists it;
# the user's settings were never installed, so they stay.
add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
        -P ${PROJECT_SOURCE_DIR}/cmake/Uninstall.cmake
    COMMENT "Removing Quorbel; the user's settings stay")
