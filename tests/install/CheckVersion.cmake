# cmake -DSOURCE_DIR=... -DVERSION=... -P CheckVersion.cmake
#   The texts that keep the version written out, because each release adds
#   an entry of its own, name the project's version VERSION: the latest
#   entry of the Debian changelog, the latest release of the AppStream
#   metadata, and the package the README installs.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "." "\\." version_re "${VERSION}")

# ostrane_expect_first(file regex): the first match of `regex` (one group:
# the version) in `file` is VERSION.
function(ostrane_expect_first file regex)
  file(READ ${SOURCE_DIR}/${file} text)
  if(NOT text MATCHES "${regex}")
    message(FATAL_ERROR "${file} names no version (${regex})")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "${file} names version ${CMAKE_MATCH_1}, the project is ${VERSION}")
  endif()
endfunction()

ostrane_expect_first(resources/debian/changelog.in "^ostrane \\(([^)]+)\\) ")
ostrane_expect_first(resources/org.example.ostrane.metainfo.xml.in "<release version=\"([^\"]+)\"")
ostrane_expect_first(README.md "/ostrane_([^_]+)_amd64\\.deb")
message(STATUS "the changelog, the AppStream metadata and the README name version ${VERSION}")
