# The archive tests read a module built for the purpose: a resource-only DLL beside the
# Windows test executable.
if(WIN32)
  enable_language(RC)
  add_library(archive_test_module SHARED "${CMAKE_CURRENT_LIST_DIR}/module.rc")
  set_target_properties(archive_test_module PROPERTIES
    LINKER_LANGUAGE C
    PREFIX ""
    OUTPUT_NAME "archive_test_module"
    RUNTIME_OUTPUT_DIRECTORY "$<TARGET_FILE_DIR:s_win_tests>")
  target_include_directories(archive_test_module PRIVATE "${CMAKE_CURRENT_LIST_DIR}")
  # No code, no entry point: loading it can run nothing.
  target_link_options(archive_test_module PRIVATE -nostdlib -Wl,--entry,0)
  set_target_properties(archive_test_module PROPERTIES C_STANDARD_LIBRARIES "")
  set_property(SOURCE "${CMAKE_CURRENT_LIST_DIR}/module.rc" APPEND PROPERTY OBJECT_DEPENDS
    "${CMAKE_CURRENT_LIST_DIR}/data/lang.xml" "${CMAKE_CURRENT_LIST_DIR}/data/lower.txt"
    "${CMAKE_CURRENT_LIST_DIR}/data/named.txt" "${CMAKE_CURRENT_LIST_DIR}/data/english.txt"
    "${CMAKE_CURRENT_LIST_DIR}/data/german.txt")
  add_dependencies(s_win_tests archive_test_module)
endif()
