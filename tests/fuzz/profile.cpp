// The reminder profile. Input: a Windows path, then the bytes of rem1.cfg to
// rem9.cfg, parted by 0x1E. Loading never fails hard, saving what was loaded
// loads the same again, and nothing is written anywhere but the Windows
// directory (when its path is a full one) or the user's settings folder.
#include "fuzz.h"
#include "platform/memory/memory_files.h"
#include "reminder/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> parts = fuzz::fields(fuzz::bytes(data, size), 10);
  std::string windows(parts[0]);
  vl::MemoryFileSystem fs;
  vl::Cp1252Codec codec;
  std::optional<std::string> directory = vl::fullDirectoryPath(windows);
  std::string home = directory.value_or(fs.userSettingsDir);
  fs.addDirectory(home);
  for (std::size_t n = 1; n < parts.size(); ++n)
    fs.writeFile(vl::joinPath(home, "rem" + std::to_string(n) + ".cfg"), parts[n]);

  vl::ProfileFiles files(fs, codec, windows);
  vl::ReminderProfile loaded = files.load();
  for (const std::string* minutes : {&loaded.interval, &loaded.breakLength})
    FUZZ_CHECK(*minutes == std::to_string(vl::numericValue(*minutes)));
  FUZZ_CHECK(loaded.playSound == 0 || loaded.playSound == 1);
  FUZZ_CHECK(loaded.showPicture == 0 || loaded.showPicture == 1);

  fs.writes.clear();
  files.save(loaded);
  FUZZ_CHECK(files.load() == loaded);
  for (const std::string& path : fs.writes) {
    std::string parent = vl::directoryOf(path);
    FUZZ_CHECK((directory && vl::sameDirectory(parent, *directory)) ||
               vl::sameDirectory(parent, fs.userSettingsDir) ||
               vl::sameDirectory(path, fs.userSettingsDir));
  }
  return 0;
}
