#include "reminder/break_history.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace vl {

namespace {

constexpr std::array<std::string_view, 6> kEventWords = {"break",   "ended-early", "postponed",
                                                         "natural", "paused",      "resumed"};

bool digits(std::string_view s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

// "YYYY-MM-DDTHH:MM:SS", every digit a digit.
bool isoTime(std::string_view s) {
  if (s.size() != 19) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char want = i == 4 || i == 7 ? '-' : i == 10 ? 'T' : i == 13 || i == 16 ? ':' : '0';
    if (want == '0' ? !std::isdigit(static_cast<unsigned char>(s[i])) : s[i] != want) return false;
  }
  return true;
}

std::string plural(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string isoText(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", std::clamp(t.year, 0, 9999),
                std::clamp(t.month, 0, 99), std::clamp(t.day, 0, 99), std::clamp(t.hour, 0, 99),
                std::clamp(t.minute, 0, 99), std::clamp(t.second, 0, 99));
  return text;
}

std::string BreakHistory::path() const {
  return joinPath(fs_.userSettingsDirectory(), "breaks.csv");
}

std::string BreakHistory::keptPath() const {
  return joinPath(fs_.userSettingsDirectory(), "breaks.1.csv");
}

bool BreakHistory::record(BreakEvent event, const LocalTime& at, long long minutes) {
  std::string line = isoText(at) + "," + std::string(kEventWords[static_cast<int>(event)]) + "," +
                     std::to_string(std::clamp(minutes, 0LL, 999999LL)) + "\r\n";
  std::string file = path();
  if (!fs_.createDirectories(fs_.userSettingsDirectory())) return false;
  std::int64_t size = fs_.fileSize(file).value_or(0);
  if (size + static_cast<std::int64_t>(line.size()) > kLargestFile) {
    // The older half of the record stays beside the new file, once.
    (void)fs_.renameFile(file, keptPath(), true);
    size = 0;
  }
  // A line cut short by a crash is ended first, so that this one stands alone.
  if (size > 0) {
    std::unique_ptr<RecordFile> records = fs_.openRecords(file);
    if (records && records->read(size - 1, 1) != "\n") line = "\r\n" + line;
  }
  return fs_.appendToFile(file, line);
}

void BreakHistory::countLines(std::string_view text, std::string_view date, DayCounts& counts) {
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    // A last line without its end was cut short: it does not count.
    if (end == std::string_view::npos) break;
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t first = line.find(','), second = line.find(',', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) continue;
    std::string_view time = line.substr(0, first);
    std::string_view word = line.substr(first + 1, second - first - 1);
    std::string_view minutes = line.substr(second + 1);
    if (!isoTime(time) || !digits(minutes) || minutes.size() > 6 || time.substr(0, 10) != date)
      continue;
    if (word == "break" || word == "ended-early") ++counts.breaks;
    if (word == "postponed") ++counts.postponed;
    if (word == "natural") ++counts.natural;
  }
}

DayCounts BreakHistory::day(const LocalTime& at) {
  DayCounts counts;
  std::string date = isoText(at).substr(0, 10);
  for (const std::string& file : {keptPath(), path()}) {
    if (auto text = fs_.readFile(file, static_cast<std::size_t>(kLargestFile) * 2))
      countLines(*text, date, counts);
  }
  return counts;
}

std::string BreakHistory::todayText(const DayCounts& c) {
  return "Today: " + plural(c.breaks, "break", "breaks") + ", " + std::to_string(c.postponed) +
         " postponed, " + std::to_string(c.natural) + " natural";
}

}  // namespace vl
