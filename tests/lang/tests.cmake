# Language tests: the program's language document is embedded into the portable test executable
# (both builds read the same bytes, with no path to find at run time). The Windows tests read it
# back from a resource-only module built from the program's own resource script.
include("${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake")
vexo_embed_file(s_tests "${CMAKE_SOURCE_DIR}/resources/lang/lang.xml" embedded langDocument)

if(WIN32)
  include("${CMAKE_SOURCE_DIR}/cmake/ResourceModule.cmake")
  set(resources "${CMAKE_SOURCE_DIR}/resources")
  vexo_resource_module(ombrel_resources "${resources}/VexoOmbrel.rc" "${resources}"
    DEPENDS "${resources}/lang/lang.xml" "${resources}/images/banner-131.jpg"
            "${resources}/images/banner-132.jpg" "${resources}/images/ombrel.ico"
            "${resources}/VexoOmbrel.manifest")
  # The Windows test compares the module's resource with the document's bytes.
  vexo_embed_file(s_win_tests "${CMAKE_SOURCE_DIR}/resources/lang/lang.xml" embedded langDocument)
endif()
