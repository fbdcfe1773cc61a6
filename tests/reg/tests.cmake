# Host-only registry cases: they need the in-memory registry's switches (denied writes,
# faults), which the Windows build plays with real access lists instead (tests/win/reg).
if(NOT WIN32)
  file(GLOB_RECURSE reg_host_tests CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/host/*.cpp")
  add_executable(reg_host_tests main.cpp ${reg_host_tests})
  target_include_directories(reg_host_tests PRIVATE "${VEXO_TEST_INCLUDE}" "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(reg_host_tests PRIVATE s)
  add_test(NAME reg_host_tests COMMAND reg_host_tests)
endif()

# The first queries of a process, made by two threads at once: a process of its own, so that
# the shared buffers are really made there.
if(NOT WIN32)
  add_executable(reg_race_tests main.cpp "${CMAKE_CURRENT_LIST_DIR}/race/FirstQueriesAtOnceTest.cpp")
  target_include_directories(reg_race_tests PRIVATE "${VEXO_TEST_INCLUDE}" "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(reg_race_tests PRIVATE s)
  add_test(NAME reg_race_tests COMMAND reg_race_tests)
endif()
