# Unit tests of the portable code over the in-memory back end.
enable_testing()
find_package(GTest REQUIRED)

file(GLOB VARILUME_MEMORY_SOURCES CONFIGURE_DEPENDS src/platform/memory/*.cpp)
add_library(varilume_memory STATIC ${VARILUME_MEMORY_SOURCES})
target_link_libraries(varilume_memory PUBLIC varilume_core PRIVATE varilume_warnings)

file(GLOB VARILUME_UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${VARILUME_UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE varilume_memory GTest::gtest GTest::gtest_main
                      varilume_warnings)
target_compile_definitions(unit_tests PRIVATE
  VARILUME_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)
