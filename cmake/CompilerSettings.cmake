# SPDX-License-Identifier: MIT
# Flags every target of the project shares. Results must equal IEEE single or
# double arithmetic to the bit, so no contraction into fused multiply-adds and
# never any fast-math.
add_library(vorlenta_compiler_settings INTERFACE)
add_library(vorlenta::compiler_settings ALIAS vorlenta_compiler_settings)

target_compile_options(vorlenta_compiler_settings INTERFACE
    -Wall -Wextra -Wpedantic
    -ffp-contract=off -fno-fast-math
    $<$<BOOL:${VORLENTA_WARNINGS_AS_ERRORS}>:-Werror>)

# One library target per folder of the code: vorlenta_<name>, with the alias
# vorlenta::<name>, whose headers are included from the source root
# ("fields/text_store.h"), built with the settings above.
#   vorlenta_add_layer(<name> SOURCES <files…> LINKS <public dependencies…>)
set(VORLENTA_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
function(vorlenta_add_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LINKS")
    add_library(vorlenta_${name} STATIC ${ARG_SOURCES})
    add_library(vorlenta::${name} ALIAS vorlenta_${name})
    target_include_directories(vorlenta_${name} PUBLIC ${VORLENTA_SOURCE_ROOT})
    target_link_libraries(vorlenta_${name} PUBLIC ${ARG_LINKS} PRIVATE vorlenta::compiler_settings)
endfunction()
