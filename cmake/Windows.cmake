# The Windows program, and under Wine its end-to-end tests and benchmarks.
enable_language(RC)

file(GLOB_RECURSE VARILUME_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(varilume_win32 STATIC ${VARILUME_WIN32_SOURCES})
target_link_libraries(varilume_win32 PUBLIC varilume_core PRIVATE varilume_warnings)
target_compile_definitions(varilume_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                           _WIN32_WINNT=0x0601)
target_compile_definitions(varilume_core PUBLIC UNICODE _UNICODE)
# Each source parses the same large system headers: the Windows builds compile
# them in batches. The native builds compile them one by one, which keeps
# each file's own includes honest.
# Off checks that each file includes what it uses.
option(VARILUME_BATCHED "Compile the Windows sources in batches" ON)
set_target_properties(varilume_core varilume_win32 PROPERTIES UNITY_BUILD ${VARILUME_BATCHED})
target_link_libraries(varilume_win32 PUBLIC comctl32 gdi32 user32 shell32 ole32 oleaut32 uuid
                      winmm comdlg32)

if(MINGW)
  # One file to ship: no MinGW runtime DLLs beside the program.
  set(VARILUME_STATIC -static -static-libgcc -static-libstdc++)
endif()

# The version resource reads the project's version from a generated header.
configure_file(${CMAKE_SOURCE_DIR}/res/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
add_executable(varilume WIN32 src/main_win32.cpp res/varilume.rc)
target_link_libraries(varilume PRIVATE varilume_win32 varilume_warnings)
if(MINGW)
  # The runtime's debugging records stay out of the shipped program.
  target_link_options(varilume PRIVATE -municode ${VARILUME_STATIC} $<$<CONFIG:Release>:-s>)
endif()
file(GLOB VARILUME_ART CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.bmp ${CMAKE_SOURCE_DIR}/res/*.ico
     ${CMAKE_SOURCE_DIR}/res/*.manifest)
set_source_files_properties(res/varilume.rc PROPERTIES OBJECT_DEPENDS "${VARILUME_ART}")

# The files the program expects beside itself.
foreach(shipped readme.txt tip.dat)
  add_custom_command(TARGET varilume POST_BUILD COMMAND ${CMAKE_COMMAND} -E copy_if_different
    ${CMAKE_SOURCE_DIR}/res/${shipped} $<TARGET_FILE_DIR:varilume>/${shipped})
endforeach()

# The release: a portable zip and an installer, both named with the version
# (64-bit builds, where NSIS is there to make the installer).
find_program(MAKENSIS makensis)
if(MAKENSIS AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VARILUME_DIST ${CMAKE_BINARY_DIR}/dist)
  set(stage ${VARILUME_DIST}/stage)
  set(VARILUME_ZIP ${VARILUME_DIST}/varilume-se-${PROJECT_VERSION}-x64.zip)
  set(VARILUME_SETUP ${VARILUME_DIST}/varilume-se-${PROJECT_VERSION}-setup.exe)
  set(shipped_files ${CMAKE_SOURCE_DIR}/res/readme.txt ${CMAKE_SOURCE_DIR}/res/tip.dat
                    ${CMAKE_SOURCE_DIR}/packaging/LICENSE.txt)
  add_custom_command(
    OUTPUT ${VARILUME_ZIP} ${VARILUME_SETUP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:varilume> ${shipped_files} ${stage}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${VARILUME_ZIP}
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${VARILUME_ZIP}
            --format=zip varilume.exe readme.txt tip.dat LICENSE.txt
    COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSOURCE=${stage}
            -DOUTFILE=${VARILUME_SETUP} ${CMAKE_SOURCE_DIR}/packaging/varilume.nsi
    DEPENDS varilume ${shipped_files} ${CMAKE_SOURCE_DIR}/packaging/varilume.nsi
    COMMENT "Making the portable zip and the installer")
  add_custom_target(release ALL DEPENDS ${VARILUME_ZIP} ${VARILUME_SETUP})
endif()

option(VARILUME_E2E "Build the end-to-end driver and benchmarks and register the Wine tests" OFF)
if(VARILUME_E2E)
  include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e.cmake)
  include(${CMAKE_SOURCE_DIR}/bench/bench.cmake)
endif()
