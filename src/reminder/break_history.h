// The record of the breaks: one line per event in breaks.csv in the user's
// settings folder, such as "2026-12-09T14:30:00,break,5" (local date and
// time, the event, minutes). Each line goes to the disk whole before the
// program goes on; a line that does not read as one is passed over.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/services.h"

namespace vl {

enum class BreakEvent { Break, EndedEarly, Postponed, Natural, Paused, Resumed };

// A day's breaks: whole and ended early count as breaks.
struct DayCounts {
  int breaks = 0, postponed = 0, natural = 0;
  friend bool operator==(const DayCounts&, const DayCounts&) = default;
};

class BreakHistory {
 public:
  // Beyond this the file starts afresh, the old one kept beside it once.
  static constexpr std::int64_t kLargestFile = 1 << 20;

  explicit BreakHistory(FileSystem& fs) : fs_(fs) {}
  // False when the line could not be written (the folder cannot be made,
  // the disk is full): the reminder goes on without its record.
  bool record(BreakEvent event, const LocalTime& at, long long minutes);
  // The counts of the day of `at`, from this file and the one kept beside it.
  DayCounts day(const LocalTime& at);
  // "Today: 3 breaks, 1 postponed, 2 natural".
  static std::string todayText(const DayCounts& counts);
  std::string path() const;
  std::string keptPath() const;  // the file before the last start afresh

 private:
  void countLines(std::string_view text, std::string_view date, DayCounts& counts);
  FileSystem& fs_;
};

// "2026-12-09T14:30:00".
std::string isoText(const LocalTime& t);
// "14:30".
std::string clockText(const LocalTime& t);
// The moment so many minutes later (or earlier), across days, months and years.
LocalTime addMinutes(const LocalTime& t, long long minutes);
// Whole minutes from `from` to `to` (negative when `to` is earlier).
long long minutesBetween(const LocalTime& from, const LocalTime& to);

}  // namespace vl
