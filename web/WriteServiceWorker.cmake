# SPDX-License-Identifier: MIT
# cmake -DSITE=dir -DTEMPLATE=sw.js.in -P WriteServiceWorker.cmake: writes SITE/sw.js, which
# keeps every other file of the site, under a cache named by the hash of their contents: any
# change to the site makes a new service worker, which replaces the old one.
file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(hashes "")
set(SITE_FILES "\"./\"")
foreach(name IN LISTS files)
  file(SHA256 "${SITE}/${name}" hash)
  string(APPEND hashes "${name} ${hash}\n")
  # The page itself is kept once, as "./", the address it is opened at.
  if(NOT name STREQUAL "index.html")
    string(APPEND SITE_FILES ", \"${name}\"")
  endif()
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 SITE_VERSION)
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
