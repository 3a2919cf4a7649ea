# Runs one end-to-end case. For each run N = 1, 2, ... the case folder holds:
#   N.args    the command line after norvane-cli (@CASE@ is the case folder)
#   N.keys    standard input (optional; empty without it)
#   N.out     the expected standard output, exactly
#   N.status  the expected exit status (optional, default 0)
#   N.err     text that standard error must contain, one per line (optional;
#             without it standard error must be empty)
#   N.files   lines "PRODUCED EXPECTED": a file the run leaves in the working
#             folder and the file it must equal byte for byte: a case file,
#             or with @WORK@/ in front one of the working folder (optional)
# LAUNCHER, when set, runs CLI (node for the web edition's build of it).
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

set(failures "")
foreach(run RANGE 1 50)
  if(NOT EXISTS ${CASE}/${run}.args)
    break()
  endif()
  file(READ ${CASE}/${run}.args args_text)
  string(REPLACE "@CASE@" "${CASE}" args_text "${args_text}")
  string(STRIP "${args_text}" args_text)
  separate_arguments(args UNIX_COMMAND "${args_text}")

  # Without a .keys file standard input is empty, never the terminal.
  set(input_option INPUT_FILE /dev/null)
  if(EXISTS ${CASE}/${run}.keys)
    set(input_option INPUT_FILE ${CASE}/${run}.keys)
  endif()
  execute_process(COMMAND ${LAUNCHER} ${CLI} ${args} ${input_option}
    WORKING_DIRECTORY ${WORK}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)

  set(expected_status 0)
  if(EXISTS ${CASE}/${run}.status)
    file(STRINGS ${CASE}/${run}.status expected_status LIMIT_COUNT 1)
  endif()
  if(NOT status STREQUAL expected_status)
    string(APPEND failures "run ${run}: exit status ${status}, expected ${expected_status}\n")
  endif()

  file(READ ${CASE}/${run}.out expected_out)
  if(NOT out STREQUAL expected_out)
    file(WRITE ${WORK}/${run}.actual.out "${out}")
    string(APPEND failures "run ${run}: standard output differs from ${run}.out; got (in ${WORK}/${run}.actual.out):\n${out}\n")
  endif()

  if(EXISTS ${CASE}/${run}.err)
    file(STRINGS ${CASE}/${run}.err wanted_texts)
    foreach(wanted IN LISTS wanted_texts)
      string(FIND "${err}" "${wanted}" at)
      if(at EQUAL -1)
        string(APPEND failures "run ${run}: standard error lacks '${wanted}'; got:\n${err}\n")
      endif()
    endforeach()
  elseif(NOT err STREQUAL "")
    string(APPEND failures "run ${run}: unexpected standard error:\n${err}\n")
  endif()

  if(EXISTS ${CASE}/${run}.files)
    file(STRINGS ${CASE}/${run}.files pairs)
    foreach(pair IN LISTS pairs)
      separate_arguments(pair_items UNIX_COMMAND "${pair}")
      list(GET pair_items 0 produced)
      list(GET pair_items 1 expected_file)
      if(expected_file MATCHES "^@WORK@/")
        string(REPLACE "@WORK@" "${WORK}" expected_file "${expected_file}")
      else()
        set(expected_file ${CASE}/${expected_file})
      endif()
      execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${produced} ${expected_file}
        RESULT_VARIABLE different)
      if(different)
        string(APPEND failures "run ${run}: ${produced} differs from ${expected_file}\n")
      endif()
    endforeach()
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
