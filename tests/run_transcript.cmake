# Runs PROGRAM (behind EMULATOR, if one is given) with the bytes of INPUT as standard input
# from each of SOURCES: "file" (the file itself) and "pipe" (through a pipe), and checks each
# time that standard output equals the bytes of EXPECTED, that nothing reaches standard error
# and that the exit status is 0. With TEXT_MODE set, standard output is that of a Windows
# runtime in text mode: every line end must be written as CR LF, and is folded to LF before the
# comparison.
foreach(var PROGRAM INPUT EXPECTED SOURCES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_transcript.cmake needs -D${var}=...")
  endif()
endforeach()

get_filename_component(name ${EXPECTED} NAME_WE)
foreach(source IN LISTS SOURCES)
  set(actual ${CMAKE_CURRENT_BINARY_DIR}/${name}.${source}.actual)
  set(errors ${CMAKE_CURRENT_BINARY_DIR}/${name}.${source}.stderr)
  if(source STREQUAL "file")
    execute_process(COMMAND ${EMULATOR} ${PROGRAM}
                    INPUT_FILE ${INPUT}
                    OUTPUT_FILE ${actual}
                    ERROR_FILE ${errors}
                    RESULT_VARIABLE status)
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${INPUT}
                    COMMAND ${EMULATOR} ${PROGRAM}
                    OUTPUT_FILE ${actual}
                    ERROR_FILE ${errors}
                    RESULTS_VARIABLE statuses)
    list(GET statuses 1 status)
  endif()

  if(NOT status STREQUAL "0")
    message(SEND_ERROR "${source}: exit status ${status}, expected 0")
  endif()
  file(SIZE ${errors} error_size)
  if(NOT error_size EQUAL 0)
    file(READ ${errors} error_text)
    message(SEND_ERROR "${source}: standard error is not empty:\n${error_text}")
  endif()

  # Bytes as hex, one list element per byte, so that every byte (NUL included) compares exactly.
  file(READ ${EXPECTED} expected_hex HEX)
  file(READ ${actual} actual_hex HEX)
  if(TEXT_MODE)
    # ";0d;0a;" can only match whole bytes, since every byte is two digits between semicolons.
    string(REGEX REPLACE "(..)" ";\\1" actual_bytes "${actual_hex}")
    string(REPLACE ";0d;0a" "" bare_line_ends "${actual_bytes};")
    if(bare_line_ends MATCHES ";0a;")
      message(SEND_ERROR "${source}: a line end was written without CR: not text mode output")
    endif()
    string(REPLACE ";0d;0a" ";0a" actual_bytes "${actual_bytes}")
    string(REPLACE ";" "" actual_hex "${actual_bytes}")
  endif()
  if(NOT actual_hex STREQUAL expected_hex)
    file(READ ${EXPECTED} expected_text)
    file(READ ${actual} actual_text)
    message(SEND_ERROR "${source}: standard output differs from ${EXPECTED}\n"
                       "--- expected ---\n${expected_text}\n--- actual ---\n${actual_text}")
  endif()
endforeach()
