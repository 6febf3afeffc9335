# libFuzzer harnesses of the portable readers of outside bytes (clang only).
#   varilume_fuzzer(<name> [<program source>...])
# builds fuzz_<name> from tests/fuzz/<name>.cpp, linked with the readers'
# library and any sources listed; scripts/fuzz.sh runs every fuzz_* program
# from the seeds in tests/fuzz/corpus/<name>/.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz harnesses need clang: configure with the fuzz preset")
endif()

# The readers and what they stand on, not the windows: those read no bytes.
file(GLOB VARILUME_READER_SOURCES CONFIGURE_DEPENDS src/platform/*.cpp)
list(APPEND VARILUME_READER_SOURCES
  src/settings/settings_format.cpp src/settings/settings_store.cpp src/reminder/profile.cpp
  src/tips/tip_file.cpp src/browse/listing.cpp src/browse/media_types.cpp
  src/platform/memory/memory_files.cpp)
add_library(varilume_readers STATIC ${VARILUME_READER_SOURCES})
target_include_directories(varilume_readers PUBLIC src)
target_link_libraries(varilume_readers PRIVATE varilume_warnings)
set_target_properties(varilume_core PROPERTIES EXCLUDE_FROM_ALL ON)

function(varilume_fuzzer name)
  list(TRANSFORM ARGN PREPEND ${CMAKE_SOURCE_DIR}/)
  add_executable(fuzz_${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}.cpp ${ARGN})
  target_include_directories(fuzz_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz)
  target_link_libraries(fuzz_${name} PRIVATE varilume_readers varilume_warnings)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endfunction()

varilume_fuzzer(riff_midi)
varilume_fuzzer(text_codec)
varilume_fuzzer(settings)
varilume_fuzzer(profile)
varilume_fuzzer(tip_file)
varilume_fuzzer(listing)
varilume_fuzzer(paths)
varilume_fuzzer(pictures)
varilume_fuzzer(media)
varilume_fuzzer(exif)
