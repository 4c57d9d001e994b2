# Runs ostrane-list once and checks its exit status and output.
#   PROGRAM         the program
#   ARGS            its arguments, separated by "|"
#   EXPECT_RC       the exit status
#   PREFIX_FILE     stdout must begin with this file's text
#   LINES           stdout must hold exactly this many lines
#   STDOUT_REGEX    stdout must match
#   STDERR_REGEX    stderr must match
#   STDOUT_EMPTY    stdout must be empty
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${PROGRAM} ${arguments}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(failures "")
if(NOT rc STREQUAL "${EXPECT_RC}")
  string(APPEND failures "exit status ${rc}, expected ${EXPECT_RC}\n")
endif()
if(DEFINED PREFIX_FILE)
  file(READ "${PREFIX_FILE}" prefix)
  string(LENGTH "${prefix}" length)
  string(SUBSTRING "${out}" 0 ${length} head)
  if(NOT head STREQUAL prefix)
    string(APPEND failures "stdout does not begin with ${PREFIX_FILE}\n")
  endif()
endif()
if(DEFINED LINES)
  string(REGEX MATCHALL "\n" ends "${out}")
  list(LENGTH ends count)
  if(NOT count EQUAL LINES)
    string(APPEND failures "stdout holds ${count} lines, expected ${LINES}\n")
  endif()
endif()
if(DEFINED STDOUT_REGEX AND NOT out MATCHES "${STDOUT_REGEX}")
  string(APPEND failures "stdout does not match ${STDOUT_REGEX}\n")
endif()
if(DEFINED STDERR_REGEX AND NOT err MATCHES "${STDERR_REGEX}")
  string(APPEND failures "stderr does not match ${STDERR_REGEX}\n")
endif()
if(STDOUT_EMPTY AND NOT out STREQUAL "")
  string(APPEND failures "stdout is not empty\n")
endif()
if(failures)
  string(SUBSTRING "${out}" 0 600 shown)
  message(FATAL_ERROR "${failures}--- stdout (start) ---\n${shown}\n--- stderr ---\n${err}")
endif()
