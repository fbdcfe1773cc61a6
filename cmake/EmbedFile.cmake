# Embeds a file's bytes in a target as `namespace <ns> { const unsigned char <name>[];
# const std::size_t <name>Size; }`, regenerated whenever the file changes. The array carries one
# zero byte more than the size counts.
set(VEXO_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/embed-file.cmake")

function(vexo_embed_file target input namespace name)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/embedded/${target}_${name}.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" -DINPUT=${input} -DOUTPUT=${output} -DNAMESPACE=${namespace}
            -DNAME=${name} -P "${VEXO_EMBED_SCRIPT}"
    DEPENDS "${input}" "${VEXO_EMBED_SCRIPT}"
    COMMENT "Embedding ${input}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()
