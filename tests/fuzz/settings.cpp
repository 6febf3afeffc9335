// One-value settings files: whatever a file holds, reading it never fails
// hard, a value read writes back and reads back the same, a value that is
// not one of the allowed ones is mended, and any text without NUL written
// as a value reads back exactly.
#include "settings/settings_format.h"
#include "settings/settings_store.h"
#include "fuzz.h"
#include "platform/memory/memory_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input = fuzz::bytes(data, size);
  vl::MemoryFileSystem fs;
  vl::Cp1252Codec codec;
  vl::SettingsStore store(fs, codec);

  fs.writeFile("c:\\windir.cfg", input);
  std::optional<std::string> value = store.read("windir.cfg");
  if (value) {
    FUZZ_CHECK(value->find('\0') == std::string::npos);
    FUZZ_CHECK(vl::parseSettingValue(vl::formatSettingLine(*value)) == *value);
    FUZZ_CHECK(store.write("tip.cfg", *value));
    FUZZ_CHECK(store.read("tip.cfg") == value);
  }

  fs.writeFile("c:\\res.cfg", input);
  std::string mode = store.readOneOf("res.cfg", {"1", "0"}, "1");
  FUZZ_CHECK(mode == "1" || mode == "0");
  FUZZ_CHECK(store.read("res.cfg") == mode);
  if (mode == "1" && value != "1") FUZZ_CHECK(fs.contents("c:\\res.cfg") == "1\r\n");

  bool nul = input.find('\0') != std::string_view::npos;
  FUZZ_CHECK(store.write("rem3.cfg", input) == !nul);
  if (!nul) FUZZ_CHECK(store.read("rem3.cfg") == std::string(input));
  return 0;
}
