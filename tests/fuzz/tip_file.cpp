// tip.dat: whatever its length and bytes, the count is its whole records
// (at least one), every tip is read within its record, a tip out of range
// is empty, and a pick lies in range.
#include "fuzz.h"
#include "platform/memory/memory_files.h"
#include "tips/tip_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input = fuzz::bytes(data, size);
  vl::MemoryFileSystem fs;
  vl::Cp1252Codec codec;
  fs.writeFile("c:\\tip.dat", input);
  vl::TipFile tips(fs, codec, "c:\\tip.dat");
  const int records = static_cast<int>(size / vl::TipFile::kRecordLength);
  FUZZ_CHECK(tips.count() == std::max(records, 1));
  for (int n : {-1, 0, tips.count() + 1}) FUZZ_CHECK(tips.tip(n).empty());
  for (int n = 1; n <= records; ++n) {
    std::string tip = tips.tip(n);
    std::string_view record = input.substr(static_cast<std::size_t>(n - 1) * 255, 255);
    record = record.substr(0, record.find('\0'));
    // A code-page tip is valid UTF-8 without its padding.
    if (record.find_first_not_of(' ') != std::string_view::npos &&
        record.substr(record.find_first_not_of(' '), 3) != "\xEF\xBB\xBF") {
      FUZZ_CHECK(vl::isValidUtf8(tip));
      if (record.substr(record.find_first_not_of(' '), 2) != "\xFF\xFE" &&
          record.substr(record.find_first_not_of(' '), 2) != "\xFE\xFF")
        FUZZ_CHECK(!tip.empty() && tip.front() != ' ' && tip.back() != ' ');
    }
  }
  for (double r : {0.0, 0.25, 0.5, 0.999999999})
    FUZZ_CHECK(tips.pick(r) >= 1 && tips.pick(r) <= tips.count());
  return 0;
}
