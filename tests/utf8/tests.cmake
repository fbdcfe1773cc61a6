# The UTF-8 decoder test reads every seed of the fuzz targets that feed the decoder text; under
# Wine the source tree is reached through drive Z:.
file(GLOB vexo_utf8_seeds CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/fuzz/xml/seeds/*"
     "${CMAKE_SOURCE_DIR}/fuzz/utf8/seeds/*")
if(WIN32)
  list(TRANSFORM vexo_utf8_seeds PREPEND "Z:")
endif()
list(JOIN vexo_utf8_seeds "|" vexo_utf8_seed_list)
target_compile_definitions(s_tests PRIVATE VEXO_UTF8_SEEDS="${vexo_utf8_seed_list}")
