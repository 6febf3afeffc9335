# The end-to-end driver, the probe it loads into the program, and the
# scenarios as CTest tests that run under Wine on a virtual screen.
add_library(vlprobe SHARED ${CMAKE_SOURCE_DIR}/tests/e2e/probe/probe.cpp)
set_target_properties(vlprobe PROPERTIES PREFIX "" OUTPUT_NAME vlprobe)
target_compile_definitions(vlprobe PRIVATE UNICODE _UNICODE)
target_link_libraries(vlprobe PRIVATE comctl32 user32 varilume_warnings)
target_link_options(vlprobe PRIVATE ${VARILUME_STATIC})

file(GLOB E2E_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
add_executable(e2e_driver ${E2E_DRIVER_SOURCES})
target_compile_definitions(e2e_driver PRIVATE UNICODE _UNICODE _WIN32_WINNT=0x0601)
target_link_libraries(e2e_driver PRIVATE user32 comctl32 shell32 ole32 psapi varilume_warnings)
target_link_options(e2e_driver PRIVATE ${VARILUME_STATIC})
add_dependencies(e2e_driver vlprobe varilume)

enable_testing()
set(E2E_DIR ${CMAKE_SOURCE_DIR}/tests/e2e)
add_test(NAME e2e_prefix COMMAND ${E2E_DIR}/make-template.sh ${CMAKE_BINARY_DIR}/e2e/template)
set_tests_properties(e2e_prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)

# varilume_e2e(<test> <scenario> <screen> <dpi> [readonly-c])
function(varilume_e2e test scenario screen dpi)
  add_test(NAME e2e_${test}
           COMMAND ${E2E_DIR}/run-scenario.sh ${CMAKE_BINARY_DIR} ${scenario} ${screen} ${dpi} ${ARGN})
  set_tests_properties(e2e_${test} PROPERTIES FIXTURES_REQUIRED wine_prefix TIMEOUT 400)
endfunction()

varilume_e2e(first_run first_run 800x600 96)
varilume_e2e(first_run_quit first_run_quit 800x600 96)
varilume_e2e(second_start_640x480 second_start 640x480 96)
varilume_e2e(second_start_1024x768 second_start 1024x768 96)
varilume_e2e(display_modes display_modes 800x600 96)
varilume_e2e(quit_paths quit_paths 800x600 96)
varilume_e2e(command_line command_line 800x600 96)
varilume_e2e(general_information general_information 800x600 96)
varilume_e2e(menus_and_help menus_and_help 800x600 96)
varilume_e2e(tips_window tips_window 800x600 96)
varilume_e2e(layout_96dpi layout 800x600 96)
varilume_e2e(layout_144dpi layout 1024x768 144)
varilume_e2e(readonly_c readonly_c 800x600 96 readonly-c)
varilume_e2e(browse_lists browse_lists 800x600 96)
varilume_e2e(file_operations file_operations 800x600 96)
varilume_e2e(failed_copies failed_copies 800x600 96 devices)
varilume_e2e(long_paths long_paths 800x600 96)
varilume_e2e(cancel_copy cancel_copy 800x600 96)
varilume_e2e(quit_during_copy quit_during_copy 800x600 96)
varilume_e2e(image_views image_views 1024x768 96)
varilume_e2e(image_small_screen image_small_screen 640x480 96)
varilume_e2e(image_stretch_check image_stretch_check 800x600 96)
varilume_e2e(look_96dpi look 800x600 96)
varilume_e2e(look_144dpi look 1024x768 144)

# The real picture decoder, MCI devices, tray icon, file dialog and the
# scroll bar, timer and image kinds, each
# checked by platform_check.exe in its own prefix.
file(GLOB PLATFORM_CHECK_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/platform_check/*.cpp)
add_executable(platform_check ${PLATFORM_CHECK_SOURCES} ${CMAKE_SOURCE_DIR}/res/varilume.rc)
target_link_libraries(platform_check PRIVATE varilume_win32 varilume_warnings)
target_link_options(platform_check PRIVATE ${VARILUME_STATIC})
foreach(group pictures media tray dialog kinds)
  add_test(NAME platform_${group}
           COMMAND ${E2E_DIR}/run-platform-check.sh ${CMAKE_BINARY_DIR} ${group})
  set_tests_properties(platform_${group} PROPERTIES FIXTURES_REQUIRED wine_prefix TIMEOUT 300)
endforeach()
