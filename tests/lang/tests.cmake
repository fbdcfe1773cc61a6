# Language tests: the program's language document is embedded into the portable test executable
# (both builds read the same bytes, with no path to find at run time). The Windows tests read it
# back from a resource-only module built from the program's own resource script.
include("${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake")
vexo_embed_file(s_tests "${CMAKE_SOURCE_DIR}/resources/lang/lang.xml" embedded langDocument)

# The language test cases on their own (ctest -R lang), picked from the test programs by their
# source files. A filter that matches nothing passes, so a run of no test case counts as failed.
add_test(NAME lang_tests COMMAND s_tests "--source-file=*/tests/s/lang/*")
set_tests_properties(lang_tests PROPERTIES FAIL_REGULAR_EXPRESSION "test cases: *0 *\\|")

if(WIN32)
  include("${CMAKE_SOURCE_DIR}/cmake/ResourceModule.cmake")
  set(resources "${CMAKE_SOURCE_DIR}/resources")
  vexo_resource_module(ombrel_resources "${resources}/VexoOmbrel.rc" "${resources}"
    DEPENDS "${resources}/lang/lang.xml" "${resources}/images/banner-131.jpg"
            "${resources}/images/banner-132.jpg" "${resources}/images/ombrel.ico"
            "${resources}/VexoOmbrel.manifest")
  # The Windows test compares the module's resource with the document's bytes.
  vexo_embed_file(s_win_tests "${CMAKE_SOURCE_DIR}/resources/lang/lang.xml" embedded langDocument)

  add_test(NAME lang_win_tests COMMAND s_win_tests "--source-file=*/tests/win/lang/*")
  set_tests_properties(lang_win_tests PROPERTIES FAIL_REGULAR_EXPRESSION "test cases: *0 *\\|"
                                                 LABELS emulated-slow)

  # Shows the document's texts in a menu and a message box for screenshots
  # (tests/lang/probe/screenshots.sh). Not a test itself, but it must load on Windows XP.
  add_executable(lang_probe "${CMAKE_CURRENT_LIST_DIR}/probe/ScriptProbe.cpp")
  target_include_directories(lang_probe PRIVATE "${CMAKE_SOURCE_DIR}/tests")
  target_link_libraries(lang_probe PRIVATE s user32)
  target_link_options(lang_probe PRIVATE -municode)
  vexo_embed_file(lang_probe "${CMAKE_SOURCE_DIR}/resources/lang/lang.xml" embedded langDocument)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME lang_probe_xp_imports COMMAND "${VEXO_SHARED_DIR}/tools/xp-imports"
             $<TARGET_FILE:lang_probe>)
  endif()
endif()
