# The archive tests read a module built for the purpose, beside the Windows test executable.
if(WIN32)
  include("${CMAKE_SOURCE_DIR}/cmake/ResourceModule.cmake")
  set(data "${CMAKE_CURRENT_LIST_DIR}/data")
  vexo_resource_module(archive_test_module "${CMAKE_CURRENT_LIST_DIR}/module.rc"
    "${CMAKE_CURRENT_LIST_DIR}"
    DEPENDS "${data}/lang.xml" "${data}/lower.txt" "${data}/named.txt" "${data}/english.txt"
            "${data}/german.txt")
endif()
