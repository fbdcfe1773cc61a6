# The application framework across processes: a probe program that carries the program's own
# resources and plays both copies of a second start.
if(WIN32)
  enable_language(RC)
  set(resources "${CMAKE_SOURCE_DIR}/resources")
  add_executable(instance_probe "${CMAKE_CURRENT_LIST_DIR}/InstanceProbe.cpp"
                                "${CMAKE_SOURCE_DIR}/tests/support/win/MessageBoxWatcher.cpp"
                                "${resources}/VexoOmbrel.rc")
  target_include_directories(instance_probe PRIVATE "${CMAKE_SOURCE_DIR}" "${CMAKE_SOURCE_DIR}/tests"
                                                    "${resources}")
  target_link_libraries(instance_probe PRIVATE s)
  set_property(SOURCE "${resources}/VexoOmbrel.rc" APPEND PROPERTY OBJECT_DEPENDS
               "${resources}/lang/lang.xml" "${resources}/images/ombrel.ico")
  add_test(NAME instance_probe COMMAND instance_probe drive)
  # The copies share one settings area of the prefix's registry.
  set_tests_properties(instance_probe PROPERTIES RESOURCE_LOCK "vexo_instance_probe;vexo_desktop"
                       LABELS emulated-slow TIMEOUT 240)

  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME appframework_xp_imports COMMAND "${VEXO_SHARED_DIR}/tools/xp-imports"
             $<TARGET_FILE:instance_probe>)
  endif()
endif()
