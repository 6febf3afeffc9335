# The Windows program, and under Wine its end-to-end tests and benchmarks.
enable_language(RC)

file(GLOB VARILUME_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(varilume_win32 STATIC ${VARILUME_WIN32_SOURCES})
target_link_libraries(varilume_win32 PUBLIC varilume_core PRIVATE varilume_warnings)
target_compile_definitions(varilume_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                           _WIN32_WINNT=0x0601)
target_compile_definitions(varilume_core PUBLIC UNICODE _UNICODE)
target_link_libraries(varilume_win32 PUBLIC comctl32 gdi32 user32 shell32 ole32 oleaut32 uuid
                      winmm comdlg32)

if(MINGW)
  # One file to ship: no MinGW runtime DLLs beside the program.
  set(VARILUME_STATIC -static -static-libgcc -static-libstdc++)
endif()

add_executable(varilume WIN32 src/main_win32.cpp res/varilume.rc)
target_link_libraries(varilume PRIVATE varilume_win32 varilume_warnings)
if(MINGW)
  target_link_options(varilume PRIVATE -municode ${VARILUME_STATIC})
endif()
file(GLOB VARILUME_ART CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.bmp ${CMAKE_SOURCE_DIR}/res/*.ico
     ${CMAKE_SOURCE_DIR}/res/*.manifest)
set_source_files_properties(res/varilume.rc PROPERTIES OBJECT_DEPENDS "${VARILUME_ART}")

# The files the program expects beside itself.
foreach(shipped readme.txt tip.dat)
  add_custom_command(TARGET varilume POST_BUILD COMMAND ${CMAKE_COMMAND} -E copy_if_different
    ${CMAKE_SOURCE_DIR}/res/${shipped} $<TARGET_FILE_DIR:varilume>/${shipped})
endforeach()

option(VARILUME_E2E "Build the end-to-end driver and benchmarks and register the Wine tests" OFF)
if(VARILUME_E2E)
  include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e.cmake)
  include(${CMAKE_SOURCE_DIR}/bench/bench.cmake)
endif()
