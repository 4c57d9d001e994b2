# cmake -DVALIDATOR=program [-DARGS=a;b;...] -DFILE=path-or-glob -DFINDINGS=regex
#       -P CheckValidator.cmake
# Runs `VALIDATOR ARGS FILE` on the one file FILE names and fails when it
# exits non-zero or prints a line that starts with FINDINGS (a finding of any
# severity, even those the validator itself lets pass: desktop-file-validate's
# hints, appstreamcli's infos).  Prints "SKIPPED:" when the validator is not
# installed.
cmake_minimum_required(VERSION 3.25)

find_program(program ${VALIDATOR})
if(NOT program)
  message(STATUS "SKIPPED: ${VALIDATOR} is not installed")
  return()
endif()
file(GLOB files ${FILE})
list(LENGTH files count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one file ${FILE}, found: '${files}'")
endif()
execute_process(COMMAND ${program} ${ARGS} ${files}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message(STATUS "${VALIDATOR} ${ARGS} ${files}: exit ${status}\n${output}")
string(REGEX MATCHALL "(^|\n)${FINDINGS}[^\n]*" findings "${output}")
if(NOT status EQUAL 0 OR findings)
  message(FATAL_ERROR "${VALIDATOR} found fault with ${files}: ${findings}")
endif()
