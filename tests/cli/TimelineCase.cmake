# Runs ostrane-list --timeline once with no display and no Qt platform set,
# and checks its exit status, an empty stdout and the file it writes.
#   PROGRAM       the program
#   ARGS          its arguments, separated by "|"
#   OUTPUT        the file --timeline names; removed first
#   EXPECT_RC     the exit status; the file must be written at 0, not otherwise
#   MAGIC         the file's first bytes, in hex
#   ENDS_WITH     text the file ends with, line ends and spaces after it not
#                 counted
#   PNG_WIDTH     the width in the PNG header
#   CONTAINS      text the file holds (a text file)
#   STDERR_REGEX  stderr must match; without it stderr must be empty
file(REMOVE "${OUTPUT}")
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          ${PROGRAM} ${arguments}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(failures "")
if(NOT rc STREQUAL "${EXPECT_RC}")
  string(APPEND failures "exit status ${rc}, expected ${EXPECT_RC}\n")
endif()
if(NOT out STREQUAL "")
  string(APPEND failures "stdout is not empty\n")
endif()
if(NOT DEFINED STDERR_REGEX)
  set(STDERR_REGEX "^$")
endif()
if(NOT err MATCHES "${STDERR_REGEX}")
  string(APPEND failures "stderr does not match ${STDERR_REGEX}\n")
endif()

if(NOT EXISTS "${OUTPUT}")
  if(EXPECT_RC EQUAL 0)
    string(APPEND failures "${OUTPUT} was not written\n")
  endif()
elseif(NOT EXPECT_RC EQUAL 0)
  string(APPEND failures "${OUTPUT} was written\n")
else()
  # Read as hex: a PNG or PDF holds binary data.  Two hex digits a byte, so
  # patterns anchored at either end stay on whole bytes.
  file(READ "${OUTPUT}" hex HEX)
  string(HEX "${ENDS_WITH}" tail)
  if(NOT hex MATCHES "^${MAGIC}" OR NOT hex MATCHES "${tail}(0a|0d|20)*$")
    string(APPEND failures "the file does not begin with ${MAGIC} and end with ${ENDS_WITH}\n")
  endif()
  if(DEFINED PNG_WIDTH)
    string(SUBSTRING "${hex}" 32 8 width)
    math(EXPR width "0x${width}")
    if(NOT width EQUAL PNG_WIDTH)
      string(APPEND failures "the image is ${width} pixels wide, expected ${PNG_WIDTH}\n")
    endif()
  endif()
  if(DEFINED CONTAINS)
    file(READ "${OUTPUT}" text)
    string(FIND "${text}" "${CONTAINS}" found)
    if(found EQUAL -1)
      string(APPEND failures "the file does not hold ${CONTAINS}\n")
    endif()
  endif()
endif()
if(failures)
  message(FATAL_ERROR "${failures}--- stderr ---\n${err}")
endif()
