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

namespace {

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
long long daysFromCivil(long long y, long long m, long long d) {
  y -= m <= 2;
  long long era = (y >= 0 ? y : y - 399) / 400;
  long long yoe = y - era * 400;
  long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, LocalTime& t) {
  z += 719468;
  long long era = (z >= 0 ? z : z - 146096) / 146097;
  long long doe = z - era * 146097;
  long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long long mp = (5 * doy + 2) / 153;
  long long d = doy - (153 * mp + 2) / 5 + 1;
  long long m = mp < 10 ? mp + 3 : mp - 9;
  t.year = static_cast<int>(yoe + era * 400 + (m <= 2));
  t.month = static_cast<int>(m);
  t.day = static_cast<int>(d);
}

long long minuteOf(const LocalTime& t) {
  return daysFromCivil(t.year, t.month, t.day) * 1440 + t.hour * 60 + t.minute;
}

}  // namespace

std::string clockText(const LocalTime& t) {
  return isoText(t).substr(11, 5);
}

LocalTime addMinutes(const LocalTime& t, long long minutes) {
  long long total = minuteOf(t) + minutes;
  long long days = total >= 0 ? total / 1440 : (total - 1439) / 1440;
  long long inDay = total - days * 1440;
  LocalTime out = t;
  civilFromDays(days, out);
  out.hour = static_cast<int>(inDay / 60);
  out.minute = static_cast<int>(inDay % 60);
  return out;
}

long long minutesBetween(const LocalTime& from, const LocalTime& to) {
  return minuteOf(to) - minuteOf(from);
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
