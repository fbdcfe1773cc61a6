# Language tests: the program's language document is embedded into the portable test executable
# (both builds read the same bytes, with no path to find at run time). The Windows tests read it
# back from a resource-only module built from the program's own resource script.
include("${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake")
vexo_embed_file(s_tests "${CMAKE_SOURCE_DIR}/resources/lang/lang.xml" embedded langDocument)

if(WIN32)
  enable_language(RC)
  set(ombrel_rc "${CMAKE_SOURCE_DIR}/resources/VexoOmbrel.rc")
  add_library(ombrel_resources SHARED "${ombrel_rc}")
  set_target_properties(ombrel_resources PROPERTIES
    LINKER_LANGUAGE C
    PREFIX ""
    OUTPUT_NAME "ombrel_resources"
    RUNTIME_OUTPUT_DIRECTORY "$<TARGET_FILE_DIR:s_win_tests>"
    C_STANDARD_LIBRARIES "")
  target_include_directories(ombrel_resources PRIVATE "${CMAKE_SOURCE_DIR}/resources")
  # Resources only: no code, no entry point, so loading it runs nothing.
  target_link_options(ombrel_resources PRIVATE -nostdlib -Wl,--entry,0)
  set_property(SOURCE "${ombrel_rc}" APPEND PROPERTY OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/resources/lang/lang.xml"
    "${CMAKE_SOURCE_DIR}/resources/images/banner-131.jpg"
    "${CMAKE_SOURCE_DIR}/resources/images/banner-132.jpg"
    "${CMAKE_SOURCE_DIR}/resources/images/ombrel.ico"
    "${CMAKE_SOURCE_DIR}/resources/VexoOmbrel.manifest")
  add_dependencies(s_win_tests ombrel_resources)
  # The Windows test compares the module's resource with the document's bytes.
  vexo_embed_file(s_win_tests "${CMAKE_SOURCE_DIR}/resources/lang/lang.xml" embedded langDocument)
endif()
