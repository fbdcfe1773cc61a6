# The program end to end: the real VexoOmbrel.exe under Wine, driven from outside by the
# end-to-end driver (tests/e2e), with the registry read byte for byte. They rewrite the
# prefix's heap values and the program's own settings and show windows, so they run one at a
# time and alone on the desktop; each puts everything back on every path.
if(WIN32)
  set(program_tests_dir "${CMAKE_CURRENT_LIST_DIR}")
  add_executable(program_helper "${program_tests_dir}/Helper.cpp")
  target_include_directories(program_helper PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(program_helper PRIVATE advapi32 user32)
  target_link_options(program_helper PRIVATE -municode)

  set(program_e2e_locks "vexo_desktop;vexo_heap_registry")
  foreach(script apply_restart_undo failures language view_options second_copy command_line
                 web_pages)
    add_test(NAME program_${script}
             COMMAND bash "${program_tests_dir}/e2e/${script}.sh" $<TARGET_FILE:e2e_driver>
                     $<TARGET_FILE:VexoOmbrel> $<TARGET_FILE:program_helper>)
    set_tests_properties(program_${script} PROPERTIES RESOURCE_LOCK "${program_e2e_locks}"
                         LABELS "e2e;emulated-slow" TIMEOUT 400)
  endforeach()
  foreach(version vista win2k)
    add_test(NAME program_unsupported_${version}
             COMMAND bash "${program_tests_dir}/e2e/unsupported.sh" $<TARGET_FILE:e2e_driver>
                     $<TARGET_FILE:VexoOmbrel> $<TARGET_FILE:program_helper> ${version})
    set_tests_properties(program_unsupported_${version} PROPERTIES
                         RESOURCE_LOCK "${program_e2e_locks}" LABELS "e2e;emulated-slow"
                         TIMEOUT 300)
  endforeach()

  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME program_xp_imports COMMAND "${VEXO_SHARED_DIR}/tools/xp-imports"
             $<TARGET_FILE:VexoOmbrel> $<TARGET_FILE:program_helper>)
    # shell32 is loaded when a shell function is first needed (s/gui/win/Shell.h); importing it
    # would make every start pay for it again.
    add_test(NAME program_imports_no_shell32 COMMAND "${CMAKE_OBJDUMP}" -p $<TARGET_FILE:VexoOmbrel>)
    set_tests_properties(program_imports_no_shell32 PROPERTIES
                         FAIL_REGULAR_EXPRESSION "DLL Name: [Ss][Hh][Ee][Ll][Ll]32"
                         PASS_REGULAR_EXPRESSION "DLL Name: [Uu][Ss][Ee][Rr]32")
  endif()
endif()
