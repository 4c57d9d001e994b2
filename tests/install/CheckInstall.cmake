# cmake -DBUILD_DIR=... -DPREFIX=... -DEXPECTED=a;b;... -DVERSION=... -P CheckInstall.cmake
# Installs BUILD_DIR into PREFIX and checks the EXPECTED files (relative to
# PREFIX): present, icons PNG files of the size their folder names, the
# desktop entry naming the installed program and icon, the AppStream
# metadata naming the desktop entry, the copyright file giving every licence
# it names, the changelog and the manual pages of version VERSION compressed
# with gzip -9n, ostrane-list running.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/InstallChecks.cmake)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()
ostrane_check_tree(${PREFIX} "${EXPECTED}" ${VERSION})

execute_process(COMMAND ${PREFIX}/bin/ostrane-list --name Check --periods 1 --year 2000 --month 1
                        --day 1 --time 12:00
                RESULT_VARIABLE status OUTPUT_VARIABLE listing ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT listing MATCHES "^General and Sub Period Releasings For:\nCheck\n")
  message(FATAL_ERROR "the installed ostrane-list did not list (${status}): ${listing}${errors}")
endif()
message(STATUS "installed and checked: ${EXPECTED}")
