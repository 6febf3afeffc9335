// The real file system past MAX_PATH: a long path written with "/", with a
// doubled separator, or holding "." and "..", reaches the same file as its
// plain form, for every operation the program uses. And settings files
// over the real files and the system's code page.
#include <algorithm>

#include "settings/settings_store.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/system_services.h"
#include "services.h"

namespace pc {

namespace {

std::string slashed(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string contents(vl::FileSystem& fs, const std::string& path) {
  return fs.readFile(path, 100).value_or("<unreadable>");
}

void checkSettingsText(vl::win32::Win32FileSystem& fs, const std::string& folder) {
  vl::win32::AnsiCodec codec;
  vl::SettingsStore store(fs, codec, folder);
  // Beginning like a byte-order mark in the code page (U+00EF U+00BB U+00BF,
  // U+00FF U+00FE), outside the code page, and plain Western text.
  for (std::string value :
       {"\xC3\xAF\xC2\xBB\xC2\xBF",
        "\xC3\xAF\xC2\xBB\xC2\xBF"
        "c:\\windows\\",
        "\xC3\xBF\xC3\xBE", "\xD0\xBE\xD0\xBA\xD0\xBD\xD0\xB0", "caf\xC3\xA9, \"1\""}) {
    CHECK_MSG(store.write("text.cfg", value), "written", value);
    CHECK_EQ_MSG(store.read("text.cfg").value_or("<none>"), value, "read back");
  }
  // As Notepad saves "Unicode": read; without its mark: missing.
  CHECK(writeFile(folder + "unicode.cfg", std::string("\xFF\xFE"
                                                      "c\0:\0\\\0\xE9\0\r\0\n\0",
                                                      14)));
  CHECK_EQ(store.read("unicode.cfg").value_or("<none>"), std::string("c:\\\xC3\xA9"));
  CHECK(writeFile(folder + "unicode.cfg", std::string("c\0:\0\\\0\r\0\n\0", 10)));
  CHECK(!store.read("unicode.cfg"));
}

}  // namespace

void runFileChecks(const std::string& folder) {
  vl::win32::SystemLibraries libraries;
  vl::win32::Win32FileSystem fs(libraries);
  checkSettingsText(fs, folder);
  // Nine folders of 30 characters below the sample folder.
  std::string deep = folder + "long";
  for (int i = 0; i < 9; ++i)
    deep += "\\level" + std::to_string(i) + "_" + std::string(24, static_cast<char>('a' + i));
  std::string file = deep + "\\deep.txt";
  CHECK_MSG(file.size() > 260, "the path is longer than MAX_PATH", std::to_string(file.size()));
  if (!CHECK(fs.createDirectories(slashed(deep))) || !CHECK(fs.writeFile(file, "deep"))) return;
  CHECK(fs.isDirectory(deep));

  std::string dotted = deep + "\\absent\\..\\.\\deep.txt";
  for (const std::string& path :
       {slashed(file), dotted, slashed(dotted), deep + "\\\\deep.txt", "\\\\?\\" + file}) {
    CHECK_EQ_MSG(contents(fs, path), std::string("deep"), "read " + path);
    CHECK_MSG(fs.fileExists(path), "exists", path);
    CHECK_EQ_MSG(fs.fileSize(path).value_or(-1), 4, "size of " + path);
    auto records = fs.openRecords(path);
    CHECK_EQ_MSG(records ? records->read(0, 4) : "<none>", std::string("deep"), "records " + path);
  }
  std::string error;
  auto entries = fs.listDirectory(slashed(deep) + "/absent/..", error);
  CHECK_MSG(entries && std::any_of(entries->begin(), entries->end(),
                                   [](const vl::DirEntry& e) { return e.name == "deep.txt"; }),
            "a dotted folder lists deep.txt", error);

  // Written, made, renamed, copied and deleted through other spellings: the
  // plain path sees it, and no folder named on the way appears.
  CHECK(fs.writeFile(slashed(deep) + "/stray/../other.txt", "other"));
  CHECK_EQ(contents(fs, deep + "\\other.txt"), std::string("other"));
  CHECK(fs.createDirectories(slashed(deep) + "/stray/../made"));
  CHECK(fs.isDirectory(deep + "\\made"));
  CHECK(!fs.isDirectory(deep + "\\stray"));
  CHECK(fs.renameFile(slashed(deep) + "/other.txt", deep + "\\made\\..\\renamed.txt", false).ok());
  CHECK(fs.fileExists(deep + "\\renamed.txt"));
  CHECK(fs.copyFile(dotted, slashed(deep) + "/made/copy.txt", {}).ok());
  CHECK_EQ(contents(fs, deep + "\\made\\copy.txt"), std::string("deep"));
  CHECK(fs.deleteFile(slashed(deep) + "/made/../renamed.txt").ok());
  CHECK(!fs.fileExists(deep + "\\renamed.txt"));
  CHECK(fs.removeFile(deep + "\\made\\.\\copy.txt"));
  CHECK(!fs.fileExists(deep + "\\made\\copy.txt"));
  CHECK(fs.sameVolume(slashed(file), folder));
}

}  // namespace pc
