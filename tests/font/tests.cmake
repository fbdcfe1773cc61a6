# The font's starting description depends on the Windows version the process sees, which Wine
# fixes when a process starts: one run of the probe per version (tests/support/run-as-version.sh).
if(WIN32)
  add_executable(theme_font_probe "${CMAKE_CURRENT_SOURCE_DIR}/main.cpp"
                                  "${CMAKE_CURRENT_LIST_DIR}/ThemeFontProbe.cpp")
  target_include_directories(theme_font_probe PRIVATE "${VEXO_TEST_INCLUDE}")
  target_link_libraries(theme_font_probe PRIVATE s)
  target_compile_definitions(theme_font_probe PRIVATE DOCTEST_CONFIG_NO_MULTITHREADING)
  foreach(run "vista 6.0" "winxp 5.1")
    separate_arguments(run)
    list(GET run 0 version)
    list(GET run 1 expected)
    add_test(NAME theme_font_${version}
             COMMAND ${CMAKE_COMMAND} -E env VEXO_EXPECT_VERSION=${expected}
                     bash "${CMAKE_SOURCE_DIR}/tests/support/run-as-version.sh"
                     $<TARGET_FILE:theme_font_probe> ${version})
    set_tests_properties(theme_font_${version} PROPERTIES LABELS emulated-slow
                         FAIL_REGULAR_EXPRESSION "test cases: *0 *\\|")
  endforeach()
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME theme_font_xp_imports COMMAND "${VEXO_SHARED_DIR}/tools/xp-imports"
             $<TARGET_FILE:theme_font_probe>)
  endif()
endif()
