# SPDX-License-Identifier: GPL-3.0-or-later
# A per-user install. Quorbel keeps its settings beside its executable, so
# it must live in a folder its user can write: by default
# ~/.local/share/quorbel, with a link on the PATH, a menu entry and an icon.

set(QUORBEL_HOME "$ENV{HOME}")
set(QUORBEL_INSTALL_DIR "${QUORBEL_HOME}/.local/share/quorbel" CACHE PATH
    "Folder for the program, its default files and the settings it writes")
set(QUORBEL_BIN_DIR "${QUORBEL_HOME}/.local/bin" CACHE PATH
    "Folder on the PATH for the quorbel link")
set(QUORBEL_DATA_DIR "${QUORBEL_HOME}/.local/share" CACHE PATH
    "Where the menu entry and the icon go (applications/, icons/)")

configure_file(${PROJECT_SOURCE_DIR}/resources/quorbel.desktop.in
    ${CMAKE_BINARY_DIR}/quorbel.desktop @ONLY)

install(CODE "
    set(folder \"${QUORBEL_INSTALL_DIR}\")
    execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(uid STREQUAL \"0\" AND NOT \"\${folder}\" MATCHES \"^${QUORBEL_HOME}/\")
        message(FATAL_ERROR \"Quorbel keeps its settings beside the program, so a system-wide \"
            \"install in \${folder} would leave its users unable to save them. Install it as \"
            \"the user who runs it, into a folder of theirs such as ~/.local/share/quorbel.\")
    endif()
    set(probe \"\${folder}/.quorbel-write-test\")
    execute_process(COMMAND \"${CMAKE_COMMAND}\" -E make_directory \"\${folder}\"
        RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed)
        execute_process(COMMAND \"${CMAKE_COMMAND}\" -E touch \"\${probe}\"
            RESULT_VARIABLE failed ERROR_QUIET)
    endif()
    if(failed OR NOT EXISTS \"\${probe}\")
        message(FATAL_ERROR \"Quorbel keeps its settings beside the program, so it must be \"
            \"installed in a folder its user can write. \${folder} is not writable; choose \"
            \"another with -DQUORBEL_INSTALL_DIR=...\")
    endif()
    file(REMOVE \"\${probe}\")
")

install(TARGETS quorbel DESTINATION ${QUORBEL_INSTALL_DIR})
# The defaults go in once: a user's own lengths and sounds stay.
install(CODE "
    foreach(default pprefs.qbx Alarm1.wav Alarm2.wav)
        if(NOT EXISTS \"${QUORBEL_INSTALL_DIR}/\${default}\")
            file(COPY \"${PROJECT_SOURCE_DIR}/resources/\${default}\"
                DESTINATION \"${QUORBEL_INSTALL_DIR}\")
            message(STATUS \"Installing: ${QUORBEL_INSTALL_DIR}/\${default}\")
        endif()
    endforeach()
    file(MAKE_DIRECTORY \"${QUORBEL_BIN_DIR}\")
    file(CREATE_LINK \"${QUORBEL_INSTALL_DIR}/quorbel\" \"${QUORBEL_BIN_DIR}/quorbel\" SYMBOLIC)
    message(STATUS \"Installing: ${QUORBEL_BIN_DIR}/quorbel\")
")
install(FILES ${CMAKE_BINARY_DIR}/quorbel.desktop
    DESTINATION ${QUORBEL_DATA_DIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/tray/clock.png
    DESTINATION ${QUORBEL_DATA_DIR}/icons/hicolor/16x16/apps RENAME quorbel.png)

# Removes what the install put in place, never the user's settings or
# sounds: prefs.qbx, pprefs.qbx, proc.qbx and the WAV files stay.
add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -E rm -f
        ${QUORBEL_INSTALL_DIR}/quorbel
        ${QUORBEL_BIN_DIR}/quorbel
        ${QUORBEL_DATA_DIR}/applications/quorbel.desktop
        ${QUORBEL_DATA_DIR}/icons/hicolor/16x16/apps/quorbel.png
    COMMENT "Removing Quorbel; its settings stay in ${QUORBEL_INSTALL_DIR}")
