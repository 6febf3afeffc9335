# Benchmarks that print figures (run with bench/run-startup-bench.sh).
add_executable(floor_window WIN32 ${CMAKE_SOURCE_DIR}/bench/floor_window.cpp)
target_compile_definitions(floor_window PRIVATE UNICODE _UNICODE)
target_link_options(floor_window PRIVATE -municode ${VARILUME_STATIC})

add_executable(startup_bench ${CMAKE_SOURCE_DIR}/bench/startup_bench.cpp)
target_compile_definitions(startup_bench PRIVATE UNICODE _UNICODE)
target_link_libraries(startup_bench PRIVATE psapi varilume_warnings)
target_link_options(startup_bench PRIVATE -municode ${VARILUME_STATIC})
add_dependencies(startup_bench floor_window varilume)

add_executable(filelist_bench ${CMAKE_SOURCE_DIR}/bench/filelist_bench.cpp)
target_compile_definitions(filelist_bench PRIVATE UNICODE _UNICODE)
target_link_libraries(filelist_bench PRIVATE varilume_win32 varilume_warnings)
target_link_options(filelist_bench PRIVATE -municode ${VARILUME_STATIC})
