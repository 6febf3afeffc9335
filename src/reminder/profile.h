// The reminder profile: nine one-value files rem1.cfg to rem9.cfg in the
// Windows directory (or the user's settings folder where that directory
// cannot be written or its path is no full one).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace vl {

// The reminder counts in minutes: its timers tick once a minute.
inline constexpr int kMinuteMs = 60000;

// A text read as a number from its leading numeric characters (after any
// spaces, with an optional sign); an empty or non-numeric text is 0.
long long numericValue(std::string_view text);

struct ReminderProfile {
  std::string interval, breakLength;  // minutes, as decimal text
  std::string message, sound, picture;
  int playSound = 0, showPicture = 0;  // check box states
  bool enabled = false, disabled = false;
  friend bool operator==(const ReminderProfile&, const ReminderProfile&) = default;
};

class ProfileFiles {
 public:
  // The files go in the Windows directory only when its path is a full one
  // (see fullDirectoryPath); else, as where it cannot be written, in the
  // user's settings folder.
  ProfileFiles(FileSystem& fs, const TextCodec& codec, std::string_view windowsPath)
      : store_(fs, codec, fullDirectoryPath(windowsPath).value_or("")) {}
  // Every file is read whatever the others do; a file that cannot be read
  // gives its missing value: 0, 0, empty texts, unticked, unselected.
  ReminderProfile load();
  // As load, but nothing when no file gives a value: a first run, which has
  // no profile yet.
  std::optional<ReminderProfile> loadIfSaved();
  // Every file is written whatever the others do; a file that cannot be
  // written keeps what it held.
  void save(const ReminderProfile& profile);

 private:
  SettingsStore store_;
};

}  // namespace vl
