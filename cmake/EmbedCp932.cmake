# Turns UTF-8 text kept in the repository into code page 932 bytes compiled into the program, so
# that every compiler (gcc, clang, mingw-w64) emits the same bytes whatever its execution charset.
#
#   cmake -DMODE=file  -DINPUT=a.txt -DOUTPUT=a.h -DNAME=kText -P EmbedCp932.cmake
#       the whole file as one constant; line feeds become carriage return + line feed.
#   cmake -DMODE=table -DINPUT=t.txt -DOUTPUT=t.h -P EmbedCp932.cmake
#       one constant per line "kName=text" (lines starting with # and empty lines are skipped).
#
# Each constant is `inline constexpr char NAME[]`, zero-terminated, in the generated header.

function(to_cp932_escaped utf8_text out_var crlf)
  string(RANDOM LENGTH 12 tag)
  set(src "${OUTPUT}.${tag}.in")
  set(dst "${OUTPUT}.${tag}.out")
  file(WRITE "${src}" "${utf8_text}")
  execute_process(COMMAND iconv -f UTF-8 -t CP932 "${src}" OUTPUT_FILE "${dst}" RESULT_VARIABLE rc)
  file(REMOVE "${src}")
  if(NOT rc EQUAL 0)
    file(REMOVE "${dst}")
    message(FATAL_ERROR "${INPUT}: text is not representable in code page 932")
  endif()
  file(READ "${dst}" hex HEX)
  file(REMOVE "${dst}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  if(crlf)
    string(REPLACE "\\x0a" "\\x0d\\x0a" escaped "${escaped}")
  endif()
  set(${out_var} "${escaped}" PARENT_SCOPE)
endfunction()

set(body "// Generated from ${INPUT} by EmbedCp932.cmake; edit the source text instead.\n#pragma once\n\n")
if(MODE STREQUAL "file")
  file(READ "${INPUT}" text)
  to_cp932_escaped("${text}" escaped TRUE)
  string(APPEND body "inline constexpr char ${NAME}[] = \"${escaped}\";\n")
elseif(MODE STREQUAL "table")
  file(STRINGS "${INPUT}" lines ENCODING UTF-8)
  foreach(line IN LISTS lines)
    if(line MATCHES "^#" OR line STREQUAL "")
      continue()
    endif()
    if(NOT line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)=(.*)$")
      message(FATAL_ERROR "${INPUT}: expected kName=text, got: ${line}")
    endif()
    set(name "${CMAKE_MATCH_1}")
    to_cp932_escaped("${CMAKE_MATCH_2}" escaped FALSE)
    string(APPEND body "inline constexpr char ${name}[] = \"${escaped}\";\n")
  endforeach()
else()
  message(FATAL_ERROR "MODE must be file or table")
endif()

# Always written: the build runs this only when an input is newer than the output, and an output
# left older would make every later build run it again.
file(WRITE "${OUTPUT}" "${body}")
