# What the process-wide pools do with objects given back after they closed at process exit: a
# process of its own, since the check runs from its exit handlers.
add_executable(pools_after_exit "${CMAKE_CURRENT_LIST_DIR}/PoolsAfterExitProbe.cpp")
target_include_directories(pools_after_exit PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
target_link_libraries(pools_after_exit PRIVATE s)
add_test(NAME pools_after_exit COMMAND pools_after_exit)
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_test(NAME pools_after_exit_xp_imports COMMAND "${VEXO_SHARED_DIR}/tools/xp-imports"
           $<TARGET_FILE:pools_after_exit>)
endif()
