# vexo_resource_module(NAME RC_FILE INCLUDE_DIR DEPENDS file...): a resource-only DLL built from
# RC_FILE and placed beside the Windows test executable. No code and no entry point, so loading
# it can run nothing. DEPENDS lists the files the script embeds, so that editing one rebuilds it.
function(vexo_resource_module name rc_file include_dir)
  cmake_parse_arguments(PARSE_ARGV 3 arg "" "" "DEPENDS")
  enable_language(RC)
  add_library(${name} SHARED "${rc_file}")
  set_target_properties(${name} PROPERTIES
    LINKER_LANGUAGE C
    PREFIX ""
    OUTPUT_NAME "${name}"
    RUNTIME_OUTPUT_DIRECTORY "$<TARGET_FILE_DIR:s_win_tests>"
    C_STANDARD_LIBRARIES "")
  target_include_directories(${name} PRIVATE "${include_dir}")
  target_link_options(${name} PRIVATE -nostdlib -Wl,--entry,0)
  set_property(SOURCE "${rc_file}" APPEND PROPERTY OBJECT_DEPENDS ${arg_DEPENDS})
  add_dependencies(s_win_tests ${name})
endfunction()
