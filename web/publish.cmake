# SPDX-License-Identifier: MIT
# Puts the page's files (FILES, relative to STAGE) in the folder OUT, in place
# of whatever it held: a copy is made beside it and then takes its place, so
# OUT is replaced only by a whole page, and holds nothing but the page.
#   cmake -DSTAGE=… -DOUT=… -DFILES=a;b;… -P publish.cmake
cmake_minimum_required(VERSION 3.22)
set(next ${OUT}.next)
file(REMOVE_RECURSE ${next})
foreach(file IN LISTS FILES)
    cmake_path(GET file PARENT_PATH dir)
    file(COPY ${STAGE}/${file} DESTINATION ${next}/${dir})
endforeach()
file(REMOVE_RECURSE ${OUT})
file(RENAME ${next} ${OUT})
