# cmake -DMODE=options -DPROGRAM=ostrane-list -DPAGE=ostrane-list.1 -P CheckManual.cmake
#   Every option that `PROGRAM --help` prints is described by an item of the
#   page (a .TP paragraph whose tag starts with the option), and every
#   option the page describes so is one that --help prints.
# cmake -DMODE=warnings -DPAGES=a.1;b.1 -P CheckManual.cmake
#   groff -man -ww, man --warnings (as lintian runs it) and lexgrog (the
#   whatis entry) find nothing to report on the pages; "SKIPPED:" when none
#   of them is installed.
cmake_minimum_required(VERSION 3.25)

if(MODE STREQUAL "options")
  execute_process(COMMAND ${PROGRAM} --help RESULT_VARIABLE status OUTPUT_VARIABLE help)
  string(REGEX MATCHALL "--[a-z0-9][-a-z0-9]*" listed "${help}")
  list(REMOVE_DUPLICATES listed)
  if(NOT status EQUAL 0 OR NOT "--help" IN_LIST listed OR NOT "--name" IN_LIST listed)
    message(FATAL_ERROR "${PROGRAM} --help failed (${status}) or printed no options:\n${help}")
  endif()
  file(READ ${PAGE} page)
  string(REPLACE "\\-" "-" page "${page}")  # troff's minus sign
  string(REGEX MATCHALL "\n\\.TP\n\\.B[IR]? --[-a-z0-9]+" items "${page}")
  list(TRANSFORM items REPLACE "^.* (--[-a-z0-9]+)$" "\\1" OUTPUT_VARIABLE described)
  set(undescribed ${listed})
  list(REMOVE_ITEM undescribed ${described})
  set(unlisted ${described})
  list(REMOVE_ITEM unlisted ${listed})
  if(undescribed OR unlisted)
    message(FATAL_ERROR "the manual page and --help differ: printed by --help, not described in "
                        "${PAGE}: ${undescribed}; described, not printed: ${unlisted}")
  endif()
  list(LENGTH listed count)
  message(STATUS "${count} options, each described: ${listed}")

elseif(MODE STREQUAL "warnings")
  find_program(GROFF groff)
  find_program(MAN man)
  find_program(LEXGROG lexgrog)
  if(NOT GROFF AND NOT MAN AND NOT LEXGROG)
    message(STATUS "SKIPPED: neither groff nor man-db is installed")
    return()
  endif()
  # Each prints its findings on stderr; lexgrog fails when it cannot read the NAME section.
  set(GROFF_COMMAND ${GROFF} -man -ww -z)
  set(MAN_COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
                  ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z)
  set(LEXGROG_COMMAND ${LEXGROG})
  set(faults "")
  foreach(page IN LISTS PAGES)
    foreach(tool GROFF MAN LEXGROG)
      if(${tool})
        execute_process(COMMAND ${${tool}_COMMAND} ${page}
                        RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE messages)
        if(NOT status EQUAL 0 OR messages)
          string(APPEND faults "${${tool}} on ${page} (exit ${status}):\n${messages}\n")
        endif()
        message(STATUS "${page}: ${${tool}}")
      endif()
    endforeach()
  endforeach()
  if(faults)
    message(FATAL_ERROR "${faults}")
  endif()
else()
  message(FATAL_ERROR "MODE is options or warnings, not '${MODE}'")
endif()
