# SPDX-License-Identifier: MIT
# An opt-in build with AddressSanitizer and UndefinedBehaviorSanitizer. Every
# target defined after this file is included compiles and links with them, so
# include it before the first add_subdirectory. Any finding ends the program
# (no recovery), so a test run that passes has none.
option(VORLENTA_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(VORLENTA_SANITIZE)
    set(vorlenta_sanitizer_flags
        -fsanitize=address,undefined
        -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    add_compile_options(${vorlenta_sanitizer_flags})
    # GCC's flow analysis sees the instrumentation and warns of values "maybe
    # used uninitialized" that are not; the plain build keeps that warning.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-maybe-uninitialized)
    endif()
    add_link_options(${vorlenta_sanitizer_flags})
endif()
