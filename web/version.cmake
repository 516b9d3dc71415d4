# SPDX-License-Identifier: MIT
# Writes the build's version into the page: a digest of the names and contents
# of its files (FILES, relative to STAGE; those named in VERSIONED are read
# from GEN, where they still hold @VERSION@). VERSIONED go to STAGE with
# @VERSION@ filled in, and the service worker from its TEMPLATE with the
# version and the file lists (those it stores at once, and ON_USE, those it
# stores when first asked for), so that a new build of any file is a new cache.
#   cmake -DTEMPLATE=… -DGEN=… -DSTAGE=… -DVERSIONED=a;b -DFILES=a;b;… -DON_USE=a;… -P version.cmake
cmake_minimum_required(VERSION 3.22)
list(SORT FILES)
set(list "'./'")
set(on_use_list "")
set(digests "")
foreach(file IN LISTS FILES)
    if(file STREQUAL "sw.js")
        continue()
    endif()
    if(file IN_LIST VERSIONED)
        file(SHA256 ${GEN}/${file} digest)
    else()
        file(SHA256 ${STAGE}/${file} digest)
    endif()
    string(APPEND digests "${digest}  ${file}\n")
    if(file IN_LIST ON_USE)
        string(APPEND on_use_list "${on_use_sep}'${file}'")
        set(on_use_sep ", ")
    else()
        string(APPEND list ", '${file}'")
    endif()
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 version)

foreach(file IN LISTS VERSIONED)
    file(READ ${GEN}/${file} text)
    string(REPLACE "@VERSION@" ${version} text "${text}")
    file(WRITE ${STAGE}/${file} "${text}")
endforeach()
file(READ ${TEMPLATE} worker)
string(REPLACE "@VERSION@" ${version} worker "${worker}")
string(REPLACE "@FILES@" "${list}" worker "${worker}")
string(REPLACE "@ON_USE@" "${on_use_list}" worker "${worker}")
if(worker MATCHES "@[A-Z_]+@")
    message(FATAL_ERROR "${TEMPLATE}: a placeholder was left unfilled")
endif()
file(WRITE ${STAGE}/sw.js "${worker}")
