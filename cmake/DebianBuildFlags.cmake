# SPDX-License-Identifier: MIT
# Debian's build flags, as Debian builds its own packages: fortified C library
# calls, the stack protector, relocations read-only and bound at start (relro,
# bindnow) and format checks. dpkg-buildflags gives them, honouring
# DEB_BUILD_MAINT_OPTIONS (hardening=+all unless the environment sets it) and
# DEB_*FLAGS_APPEND. On by default where dpkg-buildflags exists, for builds
# that optimise (fortified calls need it) and are not sanitized, so that the
# tests run on binaries built as the packages' are; never for the page
# (WebAssembly has none of these). The package build (debian/) turns it off:
# dh hands the same flags to CMake itself. Include it before the first
# add_subdirectory.
find_program(VORLENTA_DPKG_BUILDFLAGS dpkg-buildflags DOC "Debian's build flags (Debian package dpkg-dev)")
set(debian_flags_default OFF)
if(VORLENTA_DPKG_BUILDFLAGS AND NOT VORLENTA_SANITIZE AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize"
        AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug" AND NOT EMSCRIPTEN)
    set(debian_flags_default ON)
endif()
option(VORLENTA_DEBIAN_BUILD_FLAGS "Compile and link with Debian's hardening flags (dpkg-buildflags)" ${debian_flags_default})

if(VORLENTA_DEBIAN_BUILD_FLAGS)
    if(NOT VORLENTA_DPKG_BUILDFLAGS)
        message(FATAL_ERROR "VORLENTA_DEBIAN_BUILD_FLAGS needs dpkg-buildflags (Debian package dpkg-dev)")
    endif()
    if(NOT DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
        set(ENV{DEB_BUILD_MAINT_OPTIONS} hardening=+all)
    endif()
    foreach(flags IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
        # Run from the source root, whose path -ffile-prefix-map then keeps
        # out of the binaries.
        execute_process(COMMAND ${VORLENTA_DPKG_BUILDFLAGS} --get ${flags}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(debian_${flags} UNIX_COMMAND "${value}")
    endforeach()
    add_compile_options(${debian_CPPFLAGS} ${debian_CXXFLAGS})
    add_link_options(${debian_LDFLAGS})
endif()
