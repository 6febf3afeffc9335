// The drive, directory and file lists. Input: a directory, file patterns,
// then entries (a first byte 'd' makes a directory, 'h' a hidden file),
// parted by 0x1E. Names match themselves and "*", orders are strict, and
// every list item has its path.
#include <algorithm>

#include "browse/listing.h"
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> parts = fuzz::fields(fuzz::bytes(data, size), 64);
  std::string directory(parts[0]);
  std::string_view patterns = parts.size() > 1 ? parts[1] : "*.*";
  std::vector<vl::DirEntry> entries;
  for (std::size_t i = 2; i < parts.size(); ++i) {
    std::string_view e = parts[i];
    char kind = e.empty() ? 'f' : e.front();
    if (!e.empty()) e.remove_prefix(1);
    entries.push_back({std::string(e), kind == 'd', kind == 'h'});
  }

  for (const vl::DirEntry& e : entries) {
    if (e.name.find(';') == std::string::npos) FUZZ_CHECK(vl::matchesPattern(e.name, e.name));
    FUZZ_CHECK(vl::matchesPattern(e.name, "*") && vl::matchesPattern(e.name, "*.*"));
    FUZZ_CHECK(!vl::lessIgnoringCase(e.name, e.name));
    (void)vl::matchesPattern(e.name, patterns);
  }
  for (std::size_t i = 1; i < entries.size(); ++i) {
    const std::string &a = entries[i - 1].name, &b = entries[i].name;
    FUZZ_CHECK(!(vl::lessIgnoringCase(a, b) && vl::lessIgnoringCase(b, a)));
    FUZZ_CHECK(vl::lessIgnoringCase(a, b) || vl::lessIgnoringCase(b, a) || a == b);
  }

  std::vector<vl::ListItem> files = vl::fileItems(entries, patterns);
  FUZZ_CHECK(std::is_sorted(files.begin(), files.end(), [](const auto& a, const auto& b) {
    return vl::lessIgnoringCase(a.text, b.text);
  }));
  for (const vl::ListItem& item : files) {
    FUZZ_CHECK(vl::matchesPattern(item.text, patterns));
    FUZZ_CHECK(std::any_of(entries.begin(), entries.end(), [&](const vl::DirEntry& e) {
      return e.name == item.text && !e.directory && !e.hidden;
    }));
  }

  vl::DirectoryItems dirs = vl::directoryItems(directory, entries);
  FUZZ_CHECK(dirs.items.size() == dirs.paths.size());
  FUZZ_CHECK(dirs.current >= 0 && static_cast<std::size_t>(dirs.current) < dirs.items.size());
  std::size_t shown = std::count_if(entries.begin(), entries.end(),
                                    [](const vl::DirEntry& e) { return e.directory && !e.hidden; });
  FUZZ_CHECK(dirs.items.size() == static_cast<std::size_t>(dirs.current) + 1 + shown);
  std::string normal = vl::normalDirectory(directory);
  FUZZ_CHECK(vl::normalDirectory(normal) == normal);

  std::vector<vl::DriveInfo> drives;
  for (char c : directory) drives.push_back({c, std::string(patterns)});
  FUZZ_CHECK(vl::driveItems(drives).size() == drives.size());
  return 0;
}
