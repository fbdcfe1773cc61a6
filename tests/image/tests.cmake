# The image tests decode the program's committed pictures; under Wine the source tree is
# reached through drive Z:.
if(WIN32)
  set(vexo_images_dir "Z:${CMAKE_SOURCE_DIR}/resources/images")
else()
  set(vexo_images_dir "${CMAKE_SOURCE_DIR}/resources/images")
endif()
target_compile_definitions(s_tests PRIVATE VEXO_IMAGES_DIR="${vexo_images_dir}")
if(TARGET s_win_tests)
  target_compile_definitions(s_win_tests PRIVATE VEXO_IMAGES_DIR="${vexo_images_dir}")
endif()
