# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: "cpack -G DEB" in the build folder. Its dependencies
# on shared libraries are found by dpkg-shlibdeps; what the program loads
# by name at run time is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorbel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The package names no site, and as its maintainer whoever builds it, as
# Debian's tools do (DEBFULLNAME and DEBEMAIL), else the author of the
# tree's last commit: no address that does not exist.
if(DEFINED ENV{DEBEMAIL})
    set(CPACK_PACKAGE_CONTACT "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 "--format=%an <%ae>"
                    OUTPUT_VARIABLE author OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE gitFailed ERROR_QUIET)
    if(gitFailed OR author STREQUAL "")
        set(author "Quorbel maintainers <nobody@invalid>")
    endif()
    set(CPACK_PACKAGE_CONTACT "${author}")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop countdown timers, alarms and stopwatch")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorbel keeps ten countdown timers with their messages, twelve one-click quick\n\
timers, a two-alarm clock with snooze, a stopwatch and a big clock in one\n\
small window. When a timer runs out the window comes to the front, stays on\n\
top, flashes and sounds until it is acknowledged. An icon in the\n\
notification area turns while timers run, and a small scheduler restarts\n\
programs at set times of day.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The sound service is loaded at the first sound; the design's faces and
# the desktop's opener are used when present; Qt's Wayland plugin and
# libwayland-client draw natively on Wayland desktops other than GNOME and
# KDE, which otherwise get the X11 window through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libcanberra0, libcanberra-pulse, libsndfile1, libpulse0, sound-theme-freedesktop, xdg-utils, fonts-wine, fonts-liberation2, fonts-dejavu-core, qt6-wayland, libwayland-client0")
# Qt's own words (standard buttons, the command line's "Usage:") in the
# user's language, beside the program's catalogues built into it; and the
# face Chinese is drawn in, which the window's own faces lack.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-wqy-zenhei")
include(CPack)
