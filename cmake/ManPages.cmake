# SPDX-License-Identifier: MIT
# vorlenta_install_man_page(IN_FILE SECTION COMPONENT): fills in a manual page
# (PROJECT_VERSION and the like) and installs it gzipped, as Debian ships
# manual pages. The plain page stays in the build folder for tests and
# `man -l`. gzip -n leaves name and time out, so the result is reproducible.
function(vorlenta_install_man_page in_file section component)
    get_filename_component(name ${in_file} NAME_WLE)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${name})
    configure_file(${in_file} ${page} @ONLY)
    execute_process(COMMAND gzip -9nc ${page} OUTPUT_FILE ${page}.gz COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section} COMPONENT ${component})
endfunction()
