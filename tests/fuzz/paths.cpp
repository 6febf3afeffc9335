// Paths: joining, splitting and comparing, the full-directory rule of the
// reminder's folder, the long form of a path, and the path a command line
// names. Input: a directory and a name, parted by 0x1E.
#include <algorithm>

#include "browse/media_types.h"
#include "fuzz.h"
#include "platform/files.h"
#include "platform/long_path.h"

namespace {

std::wstring wide(std::string_view s) {
  return std::wstring(s.begin(), s.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> parts = fuzz::fields(fuzz::bytes(data, size), 2);
  std::string dir(parts[0]);
  std::string name(parts.size() > 1 ? parts[1] : "");

  std::string joined = vl::joinPath(dir, name);
  FUZZ_CHECK(joined.starts_with(dir) && joined.ends_with(name));
  FUZZ_CHECK(joined.size() == dir.size() + name.size() + (dir.ends_with('\\') ? 0 : 1));
  if (name.find('\\') == std::string::npos) {
    FUZZ_CHECK(vl::fileNameOf(joined) == name);
    std::string parent = dir.ends_with('\\') ? dir.substr(0, dir.size() - 1) : dir;
    if (parent.size() == 2 && parent[1] == ':') parent += '\\';
    FUZZ_CHECK(vl::directoryOf(joined) == parent);
  }
  FUZZ_CHECK(vl::sameDirectory(dir, dir));
  FUZZ_CHECK(vl::sameDirectory(dir, name) == vl::sameDirectory(name, dir));
  if (dir.size() >= 3) FUZZ_CHECK(vl::sameDirectory(dir, dir + "\\"));

  // A full directory is its own full form, and the reminder's files are
  // directly in it.
  if (auto full = vl::fullDirectoryPath(dir)) {
    FUZZ_CHECK(vl::fullDirectoryPath(*full) == full);
    FUZZ_CHECK(vl::fullPathRootLength<char>(*full) == 3);
    FUZZ_CHECK(full->find('/') == std::string::npos && !full->ends_with('\\'));
    FUZZ_CHECK(vl::directoryOf(vl::joinPath(*full, "rem1.cfg")) == *full);
  }

  // The long form: only full paths take it, once, and both widths agree.
  std::string longer = vl::longPathForm<char>(dir);
  if (vl::fullPathRootLength<char>(dir) > 0) {
    FUZZ_CHECK(longer.starts_with("\\\\?\\") && vl::isPrefixedPath<char>(longer));
    FUZZ_CHECK(longer.ends_with(dir.substr(2)));
  } else {
    FUZZ_CHECK(longer == dir);
  }
  FUZZ_CHECK(vl::longPathForm<char>(longer) == longer);
  FUZZ_CHECK(vl::withoutLongForm<char>(longer) == dir ||
             (vl::isPrefixedPath<char>(dir) && longer == dir));
  FUZZ_CHECK(vl::longPathForm<wchar_t>(wide(dir)) == wide(longer));
  FUZZ_CHECK(vl::fullPathRootLength<char>(dir) <= dir.size());

  // The command line: the path it names holds no surrounding spaces.
  std::string named = vl::commandLinePath(dir);
  FUZZ_CHECK(named.size() <= dir.size());
  (void)vl::pageForCommandLine(named);
  return 0;
}
