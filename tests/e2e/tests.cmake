# The end-to-end driver (a program of ours that drives another program's windows from outside),
# the stand-in it is proven on until the real program exists, and the start-up benchmark's
# yardstick. The driver's text handling is portable and tested in both builds.
set(e2e_dir "${CMAKE_CURRENT_LIST_DIR}")
set(e2e_portable "${e2e_dir}/driver/Text.cpp" "${e2e_dir}/driver/Step.cpp"
                 "${e2e_dir}/driver/Bytes.cpp")

file(GLOB e2e_unit_tests CONFIGURE_DEPENDS "${e2e_dir}/unit/*.cpp")
add_executable(e2e_driver_unit main.cpp ${e2e_unit_tests} ${e2e_portable})
target_include_directories(e2e_driver_unit PRIVATE "${VEXO_TEST_INCLUDE}" "${e2e_dir}/driver")
add_test(NAME e2e_driver_unit COMMAND e2e_driver_unit)

if(WIN32)
  target_compile_definitions(e2e_driver_unit PRIVATE DOCTEST_CONFIG_NO_MULTITHREADING)

  file(GLOB e2e_driver_win CONFIGURE_DEPENDS "${e2e_dir}/driver/win/*.cpp")
  # The cursor is put where a click must land the way the Windows tests put it.
  add_executable(e2e_driver ${e2e_driver_win} ${e2e_portable}
                            "${CMAKE_SOURCE_DIR}/tests/support/win/Cursor.cpp")
  target_include_directories(e2e_driver PRIVATE "${CMAKE_SOURCE_DIR}/tests")
  target_link_libraries(e2e_driver PRIVATE user32 gdi32 advapi32 shell32)

  # The menu probe is loaded into the program under test by a hook; its one export is looked
  # up by its plain name.
  add_library(e2e_menu_probe SHARED "${e2e_dir}/driver/probe/MenuProbe.cpp")
  set_target_properties(e2e_menu_probe PROPERTIES PREFIX "")
  target_link_libraries(e2e_menu_probe PRIVATE user32)
  target_link_options(e2e_menu_probe PRIVATE -Wl,--kill-at)
  add_dependencies(e2e_driver e2e_menu_probe)

  add_executable(e2e_standin WIN32 "${e2e_dir}/standin/StandIn.cpp")
  target_link_libraries(e2e_standin PRIVATE app_core user32 gdi32 advapi32 shell32)
  target_link_options(e2e_standin PRIVATE -municode)

  add_executable(startup_minimal WIN32 "${CMAKE_SOURCE_DIR}/bench/startup/MinimalWindow.cpp")
  target_link_options(startup_minimal PRIVATE -municode)

  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME e2e_xp_imports COMMAND "${VEXO_SHARED_DIR}/tools/xp-imports"
             $<TARGET_FILE:e2e_driver> $<TARGET_FILE:e2e_menu_probe> $<TARGET_FILE:e2e_standin>
             $<TARGET_FILE:startup_minimal> $<TARGET_FILE:e2e_driver_unit>)
  endif()

  # The driver against the stand-in, each script a user's session of its own. They open
  # windows, so they need a display (scripts/test.sh gives one) and, like every test that shows
  # windows, the desktop to themselves (the foreground, the focus and the one cursor). The
  # stand-in's registry work stays under a key of each test's own, except for the
  # demonstration, which plays the run command's part on the real heap values.
  foreach(script buttons menus screenshot input_send driver_checks keys_popups)
    add_test(NAME e2e_standin_${script}
             COMMAND bash "${e2e_dir}/standin_${script}.sh" $<TARGET_FILE:e2e_driver>
                     $<TARGET_FILE:e2e_standin>)
    set_tests_properties(e2e_standin_${script} PROPERTIES LABELS "e2e;emulated-slow" TIMEOUT 300
                         RESOURCE_LOCK vexo_desktop)
  endforeach()
  add_test(NAME e2e_demo_standin
           COMMAND bash "${e2e_dir}/demo_standin.sh" $<TARGET_FILE:e2e_driver>
                   $<TARGET_FILE:e2e_standin>)
  set_tests_properties(e2e_demo_standin PROPERTIES LABELS "e2e;emulated-slow" TIMEOUT 300
                       RESOURCE_LOCK "vexo_desktop;vexo_heap_registry")
endif()
