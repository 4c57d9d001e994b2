# cmake -DBUILD_DIR=... -DPREFIX=... -DEXPECTED=a;b;... -P CheckInstall.cmake
# Installs BUILD_DIR into PREFIX and checks the EXPECTED files (relative to
# PREFIX): present, icons PNG files of the size their folder names, the
# desktop entry naming the installed program and icon, ostrane-list running.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/InstallChecks.cmake)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()
ostrane_check_tree(${PREFIX} "${EXPECTED}")

execute_process(COMMAND ${PREFIX}/bin/ostrane-list --name Check --periods 1 --year 2000 --month 1
                        --day 1 --time 12:00
                RESULT_VARIABLE status OUTPUT_VARIABLE listing ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT listing MATCHES "^General and Sub Period Releasings For:\nCheck\n")
  message(FATAL_ERROR "the installed ostrane-list did not list (${status}): ${listing}${errors}")
endif()
message(STATUS "installed and checked: ${EXPECTED}")
