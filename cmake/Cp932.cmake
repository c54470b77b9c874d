# tolvarin_cp932_table(<target> <input.txt> <header-name>)
# tolvarin_cp932_file(<target> <input.txt> <header-name> <constant-name>)
# Generate a header of code page 932 constants into the target's private generated include folder
# (included as "gen/<header-name>").
set(TOLVARIN_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/EmbedCp932.cmake")

function(_tolvarin_cp932 target input header mode name)
  set(gen_dir "${CMAKE_CURRENT_BINARY_DIR}/gen_${target}")
  set(out "${gen_dir}/gen/${header}")
  get_filename_component(abs_input "${input}" ABSOLUTE)
  add_custom_command(
    OUTPUT "${out}"
    COMMAND "${CMAKE_COMMAND}" -DMODE=${mode} "-DINPUT=${abs_input}" "-DOUTPUT=${out}" "-DNAME=${name}"
            -P "${TOLVARIN_EMBED_SCRIPT}"
    DEPENDS "${abs_input}" "${TOLVARIN_EMBED_SCRIPT}"
    COMMENT "Encoding ${input} as code page 932"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
  target_include_directories(${target} PRIVATE "${gen_dir}")
endfunction()

function(tolvarin_cp932_table target input header)
  _tolvarin_cp932(${target} "${input}" "${header}" table "")
endfunction()

function(tolvarin_cp932_file target input header name)
  _tolvarin_cp932(${target} "${input}" "${header}" file "${name}")
endfunction()
