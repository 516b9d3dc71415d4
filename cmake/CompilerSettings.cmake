# Flags every target of the project shares. Results must equal IEEE single or
# double arithmetic to the bit, so no contraction into fused multiply-adds and
# never any fast-math.
add_library(vorlenta_compiler_settings INTERFACE)
add_library(vorlenta::compiler_settings ALIAS vorlenta_compiler_settings)

target_compile_options(vorlenta_compiler_settings INTERFACE
    -Wall -Wextra -Wpedantic
    -ffp-contract=off -fno-fast-math
    $<$<BOOL:${VORLENTA_WARNINGS_AS_ERRORS}>:-Werror>)
