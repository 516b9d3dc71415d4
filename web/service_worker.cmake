# SPDX-License-Identifier: MIT
# Writes the service worker OUT from its TEMPLATE: @FILES@ becomes the page's
# files (FILES, relative to DIR) and @VERSION@ a digest of their names and
# contents, so that a new build of any of them is a new cache.
#   cmake -DTEMPLATE=… -DOUT=… -DDIR=… -DFILES=a;b;… -P service_worker.cmake
cmake_minimum_required(VERSION 3.22)
list(SORT FILES)
set(list "'./'")
set(digests "")
foreach(file IN LISTS FILES)
    file(SHA256 ${DIR}/${file} digest)
    string(APPEND digests "${digest}  ${file}\n")
    string(APPEND list ", '${file}'")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 version)
file(READ ${TEMPLATE} worker)
string(REPLACE "@VERSION@" ${version} worker "${worker}")
string(REPLACE "@FILES@" "${list}" worker "${worker}")
if(worker MATCHES "@[A-Z_]+@")
    message(FATAL_ERROR "${TEMPLATE}: a placeholder was left unfilled")
endif()
file(WRITE ${OUT} "${worker}")
