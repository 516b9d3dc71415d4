# SPDX-License-Identifier: MIT
# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) on the installed files of every
# package before it builds them, to leave the programs and the library as
# Debian's own are:
# - no RUNPATH: the library lies in the system's library folder, where the
#   dynamic linker looks anyway (`cmake --install` keeps the RUNPATH that
#   finds it beside the programs under any prefix, ~/.local too);
# - no .comment and .note sections, which only name the compiler (strip
#   leaves them; dh_strip does not).
file(GLOB binaries LIST_DIRECTORIES false
    "${CPACK_TEMPORARY_DIRECTORY}/*/usr/bin/*"
    "${CPACK_TEMPORARY_DIRECTORY}/*/usr/lib/*/*.so.*")
foreach(binary IN LISTS binaries)
    if(IS_SYMLINK "${binary}")
        continue()
    endif()
    file(RPATH_REMOVE FILE "${binary}")
    execute_process(COMMAND "${CPACK_OBJCOPY_EXECUTABLE}" --remove-section=.comment --remove-section=.note "${binary}"
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
