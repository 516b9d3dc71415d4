# SPDX-License-Identifier: MIT
# Installing the window as a Linux desktop application: install component
# `vorlenta`, which becomes the Debian package of that name.

install(TARGETS vorlenta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT vorlenta)
# The window links only the system's libraries, so it needs no RUNPATH (Qt's
# standard project setup would give it one).
set_target_properties(vorlenta PROPERTIES INSTALL_RPATH "")

install(FILES vorlenta.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT vorlenta)

# The metainfo carries the web address, which is a build setting.
configure_file(vorlenta.metainfo.xml.in
    ${CMAKE_CURRENT_BINARY_DIR}/${VORLENTA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VORLENTA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT vorlenta)

# The help pages File > Help opens from the disk, in every language.
install(FILES ${VORLENTA_HELP_PAGES} DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT vorlenta)

# Icons: the SVG the program's icon is drawn in, and the PNG sizes that app/
# renders from it for menus and panels that do not draw SVG.
install(FILES ${PROJECT_SOURCE_DIR}/app/resources/vorlenta.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT vorlenta)
foreach(size IN LISTS VORLENTA_ICON_SIZES)
    install(FILES ${PROJECT_BINARY_DIR}/icons/${size}x${size}/vorlenta.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT vorlenta)
endforeach()

# The manual page of the window, with the help pages' web address filled in.
vorlenta_install_man_page(vorlenta.1.in 1 vorlenta)
