# cmake -DBUILD_DIR=... -DWORK_DIR=... -DDPKG_DEB=... -DEXPECTED=... -DVERSION=... -P CheckPackage.cmake
# Builds the Debian package with cpack and checks its control fields and
# that it holds the EXPECTED files under /usr, checked as the install test
# checks them (the documents of version VERSION).
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/InstallChecks.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND cpack --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORK_DIR}
                WORKING_DIRECTORY ${WORK_DIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed (${status}):\n${output}")
endif()
file(GLOB packages ${WORK_DIR}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package, found: ${packages}")
endif()

foreach(field Package Version Depends Section Priority Maintainer)
  execute_process(COMMAND ${DPKG_DEB} --field ${packages} ${field}
                  OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(control_${field} "${value}")
endforeach()
if(NOT control_Package STREQUAL "ostrane" OR NOT control_Version STREQUAL VERSION)
  message(FATAL_ERROR "package ${control_Package} ${control_Version}, not ostrane ${VERSION}")
endif()
if(NOT control_Section STREQUAL "science" OR NOT control_Priority STREQUAL "optional"
   OR NOT control_Maintainer MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  message(FATAL_ERROR "Section '${control_Section}', Priority '${control_Priority}', "
                      "Maintainer '${control_Maintainer}'")
endif()
if(NOT control_Depends MATCHES "libc6")
  message(FATAL_ERROR "the dependencies were not found: '${control_Depends}'")
endif()
# Both programs read the chart library through Qt's SQLite driver.
if(NOT control_Depends MATCHES "libqt6sql6-sqlite")
  message(FATAL_ERROR "Depends lacks libqt6sql6-sqlite: ${control_Depends}")
endif()
# ostrane-list writes calendars through libical.
if(NOT control_Depends MATCHES "libical3")
  message(FATAL_ERROR "Depends lacks libical3: ${control_Depends}")
endif()
if("bin/ostrane" IN_LIST EXPECTED)
  foreach(dependency libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins)
    if(NOT control_Depends MATCHES "${dependency}")
      message(FATAL_ERROR "Depends lacks ${dependency}: ${control_Depends}")
    endif()
  endforeach()
endif()

execute_process(COMMAND ${DPKG_DEB} --extract ${packages} ${WORK_DIR}/root RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb could not extract ${packages}")
endif()
ostrane_check_tree(${WORK_DIR}/root/usr "${EXPECTED}" ${VERSION})
message(STATUS "${packages}: Depends: ${control_Depends}")
