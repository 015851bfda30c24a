# SPDX-FileCopyrightText: 2026 The Zorbel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A Debian package of what `cmake --install` installs: `cpack -G DEB` in the build folder.
# scripts/package makes one from the Release build the tests use, built for /usr with
# Debian's hardening flags (scripts/build-settings).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorbel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Ondrel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "desktop clock with schedules, mail check and clock correction")
set(CPACK_PACKAGE_DESCRIPTION
    "One borderless window shows a picture of your choice with an analog
clock, the digital time and date and a small bar of icons painted over it.
Beside the clock it runs up to 20 schedules (alarms with a message, a sound
or a program to start), checks up to five POP3 and IMAP mailboxes over TLS
(IMAP mailboxes are watched with IDLE) with the passwords kept in the
desktop's keyring, and corrects the computer's clock from an SNTP or Daytime
time server. The user interface is Japanese.")
set(CPACK_STRIP_FILES ON)

set(ZORBEL_PACKAGE_MAINTAINER "Zorbel maintainers <maintainers@zorbel.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZORBEL_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the Japanese fonts the dialogs name are mapped to
# IPA fonts, without which their text shows as boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
# Only needed when the user asks for a native Wayland window with QT_QPA_PLATFORM, or has
# no X server at hand.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# Debian wants the licence and the history of a native package in its doc folder.
if(UNIX AND NOT APPLE AND ZORBEL_GZIP)
    set(debian_doc "${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME}")
    add_custom_command(OUTPUT changelog.gz
        COMMAND ${ZORBEL_GZIP} -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > changelog.gz
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog)
    add_custom_target(zorbel_changelog ALL DEPENDS changelog.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${debian_doc})
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${debian_doc})
endif()

# Everything the package holds that is built; scripts/package builds only this.
add_custom_target(zorbel_package_files)
foreach(target zorbel zorbel_man_page zorbel_changelog)
    if(TARGET ${target})
        add_dependencies(zorbel_package_files ${target})
    endif()
endforeach()
include(CPack)
