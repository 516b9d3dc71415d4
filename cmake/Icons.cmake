# SPDX-License-Identifier: MIT
# The program's icon, drawn once as SVG and rendered to PNG at build time for
# whatever cannot draw SVG. Its sizes, in pixels, each listed once:
#   VORLENTA_ICON_SIZES         the desktop's (hicolor theme), which packaging/
#                               installs;
#   VORLENTA_WINDOW_ICON_SIZES  those of them the window carries (app/);
#   VORLENTA_PAGE_ICON_SIZES    those the page's manifest offers (web/).
set(VORLENTA_ICON_SVG ${PROJECT_SOURCE_DIR}/app/resources/vorlenta.svg)
set(VORLENTA_ICON_SIZES 16 22 24 32 48 64 128 256)
set(VORLENTA_WINDOW_ICON_SIZES 16 24 32 48 64)
set(VORLENTA_PAGE_ICON_SIZES 192)

find_program(VORLENTA_RSVG_CONVERT rsvg-convert REQUIRED
    DOC "Renders the icon's PNG sizes (Debian package librsvg2-bin)")

# vorlenta_render_icon(SIZE PNG): a build rule that renders the icon SIZE
# pixels square into the file PNG, for a target of the calling folder to
# depend on.
function(vorlenta_render_icon size png)
    cmake_path(GET png PARENT_PATH dir)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${VORLENTA_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${VORLENTA_ICON_SVG}
        DEPENDS ${VORLENTA_ICON_SVG}
        COMMENT "Rendering the ${size}x${size} icon"
        VERBATIM)
endfunction()
