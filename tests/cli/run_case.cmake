# Runs the case named CASE of cases.cmake with the koord-cli at CLI, in the
# empty folder WORK. In ARGS, @IN@ stands for a file holding INPUT (which
# otherwise goes to standard input) and @OUT@ for a file whose content must
# equal OUTFILE; @VERSION@ in OUT stands for the project version. THREADS,
# when given, is the value of KOORD_THREADS; LANG that of KOORD_LANG, which
# is unset otherwise.
cmake_minimum_required(VERSION 3.25)

# Shows the invisible characters of a text in failure messages.
function(visible text result)
  string(REPLACE "\t" "<TAB>" text "${text}")
  string(REPLACE "\r" "<CR>" text "${text}")
  string(REPLACE "\n" "<LF>\n" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

function(expect what actual expected)
  if(NOT actual STREQUAL expected)
    visible("${actual}" shown_actual)
    visible("${expected}" shown_expected)
    message(SEND_ERROR "${what} differs.\nexpected:\n${shown_expected}\nactual:\n${shown_actual}")
  endif()
endfunction()

function(koord_cli_case name)
  if(NOT name STREQUAL CASE)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 C "" "INPUT;OUT;OUT_REGEX;ERR;EXIT;OUTFILE;THREADS;LANG" "ARGS")
  file(REMOVE_RECURSE "${WORK}")
  file(MAKE_DIRECTORY "${WORK}")
  file(WRITE "${WORK}/in.txt" "${C_INPUT}")
  set(args "")
  set(stdin "${WORK}/in.txt")
  foreach(arg IN LISTS C_ARGS)
    if(arg MATCHES "@IN@")
      set(stdin "/dev/null")
    endif()
    string(REPLACE "@IN@" "${WORK}/in.txt" arg "${arg}")
    string(REPLACE "@OUT@" "${WORK}/out.txt" arg "${arg}")
    list(APPEND args "${arg}")
  endforeach()
  if(DEFINED C_THREADS)
    set(ENV{KOORD_THREADS} "${C_THREADS}")
  endif()
  if(DEFINED C_LANG)
    set(ENV{KOORD_LANG} "${C_LANG}")
  else()
    unset(ENV{KOORD_LANG})
  endif()
  execute_process(COMMAND "${CLI}" ${args}
    WORKING_DIRECTORY "${WORK}"
    INPUT_FILE "${stdin}"
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE status)

  expect("Exit status" "${status}" "${C_EXIT}")
  if(DEFINED C_OUT_REGEX)
    if(NOT out MATCHES "${C_OUT_REGEX}")
      message(SEND_ERROR "Output does not match ${C_OUT_REGEX}:\n${out}")
    endif()
  else()
    string(REPLACE "@VERSION@" "${VERSION}" expected_out "${C_OUT}")
    expect("Standard output" "${out}" "${expected_out}")
  endif()
  string(REPLACE "@WORK@" "${WORK}" expected_err "${C_ERR}")
  expect("Standard error" "${err}" "${expected_err}")
  if(DEFINED C_OUTFILE)
    file(READ "${WORK}/out.txt" written)
    expect("Output file" "${written}" "${C_OUTFILE}")
  endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/cases.cmake)
