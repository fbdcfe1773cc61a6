# The heap editor, and apply and undo on top of it. The text rewrite is pure and tested in both
# builds; the whole operation is tested on the host against the in-memory registry and a
# settable platform, and on Windows against the Wine prefix's registry.
file(GLOB app_tests_portable CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/*.cpp")
if(WIN32)
  file(GLOB app_tests_platform CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/win/*.cpp")
else()
  file(GLOB app_tests_platform CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/host/*.cpp")
endif()
add_executable(app_tests main.cpp ${app_tests_portable} ${app_tests_platform})
target_include_directories(app_tests PRIVATE "${VEXO_TEST_INCLUDE}" "${CMAKE_CURRENT_SOURCE_DIR}")
target_link_libraries(app_tests PRIVATE app_core)
add_test(NAME app_tests COMMAND app_tests)
# The answers of apply and undo are checked in the program's own languages.
include("${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake")
vexo_embed_file(app_tests "${CMAKE_SOURCE_DIR}/resources/lang/lang.xml" embedded langDocument)

if(WIN32)
  target_compile_definitions(app_tests PRIVATE DOCTEST_CONFIG_NO_MULTITHREADING)
  target_link_libraries(app_tests PRIVATE advapi32)
  # These tests rewrite the prefix's real SubSystems and Memory Management values.
  set_tests_properties(app_tests PROPERTIES RESOURCE_LOCK vexo_heap_registry)

  # Wine reads the Windows version a process sees when the process starts, so each version is
  # a process of its own: a copy of the probe named after the version, with a per-program
  # version set for that name only, and removed afterwards.
  add_executable(heap_gate_probe "${CMAKE_CURRENT_LIST_DIR}/gate/HeapGateProbe.cpp")
  target_include_directories(heap_gate_probe PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(heap_gate_probe PRIVATE app_core)
  foreach(gate "win2003 5 2 changed" "vista 6 0 unsupported" "win2k 5 0 unsupported")
    separate_arguments(gate)
    list(GET gate 0 version)
    add_test(NAME heap_gate_${version}
             COMMAND bash "${CMAKE_SOURCE_DIR}/tests/support/run-as-version.sh"
                     $<TARGET_FILE:heap_gate_probe> ${gate})
    set_tests_properties(heap_gate_${version} PROPERTIES RESOURCE_LOCK vexo_heap_registry
                         LABELS emulated-slow)
  endforeach()

  # The command-line modes as a script runs them: the probe is a GUI program like the real one,
  # with the real application object on the program's resource module, started by the tests as
  # a process of its own with its output in a pipe.
  add_executable(cli_probe WIN32 "${CMAKE_CURRENT_LIST_DIR}/cli/CommandLineProbe.cpp")
  target_include_directories(cli_probe PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(cli_probe PRIVATE app_core)
  add_executable(app_cli_tests main.cpp "${CMAKE_CURRENT_LIST_DIR}/cli/CommandLineWinTest.cpp")
  target_include_directories(app_cli_tests PRIVATE "${VEXO_TEST_INCLUDE}" "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(app_cli_tests PRIVATE app_core advapi32)
  target_compile_definitions(app_cli_tests PRIVATE DOCTEST_CONFIG_NO_MULTITHREADING)
  vexo_embed_file(app_cli_tests "${CMAKE_SOURCE_DIR}/resources/lang/lang.xml" embedded langDocument)
  add_dependencies(app_cli_tests cli_probe ombrel_resources)
  add_test(NAME app_cli_tests COMMAND app_cli_tests)
  # The probe is a GUI program and one case opens a console on the desktop, so the window tests
  # do not run beside it. Bounded as a whole too: it hung once beside them (not reproduced).
  set_tests_properties(app_cli_tests PROPERTIES RESOURCE_LOCK "vexo_heap_registry;vexo_desktop"
                       LABELS emulated-slow TIMEOUT 600)

  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME app_xp_imports COMMAND "${VEXO_SHARED_DIR}/tools/xp-imports"
             $<TARGET_FILE:app_tests> $<TARGET_FILE:heap_gate_probe> $<TARGET_FILE:cli_probe>
             $<TARGET_FILE:app_cli_tests>)
  endif()
endif()
