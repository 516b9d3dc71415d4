# SPDX-License-Identifier: MIT
# An opt-in build for the fuzzers of fuzz/ (fuzz/run.sh makes one): every
# object instrumented for libFuzzer's coverage, AddressSanitizer and
# UndefinedBehaviorSanitizer, with no recovery from a finding. Include it
# before the first add_subdirectory.
option(VORLENTA_FUZZ "Build the fuzzers of fuzz/ (clang, libFuzzer), every object instrumented" OFF)

if(VORLENTA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "The fuzzers need clang (libFuzzer); configure with CMAKE_CXX_COMPILER=clang++")
    endif()
    set(vorlenta_fuzz_sanitizers address,undefined,float-divide-by-zero)
    add_compile_options(-fsanitize=fuzzer-no-link,${vorlenta_fuzz_sanitizers}
        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${vorlenta_fuzz_sanitizers})
endif()
