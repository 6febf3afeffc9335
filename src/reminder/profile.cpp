#include "reminder/profile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include "platform/text_codec.h"

namespace vl {

namespace {

std::string fileName(int n) {
  return "rem" + std::to_string(n) + ".cfg";
}

bool asBoolean(const std::optional<std::string>& v) {
  if (!v) return false;
  std::string s = asciiLower(*v);
  return s == "true" || s == "#true#" || numericValue(s) != 0;
}

}  // namespace

long long numericValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    int digit = text[i] - '0';
    if (value > (LLONG_MAX - digit) / 10) return negative ? LLONG_MIN : LLONG_MAX;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

ReminderProfile ProfileFiles::load() {
  if (auto saved = loadIfSaved()) return *saved;
  ReminderProfile missing;
  missing.interval = missing.breakLength = "0";
  return missing;
}

std::optional<ReminderProfile> ProfileFiles::loadIfSaved() {
  std::optional<std::string> v[10];
  for (int n = 1; n <= 9; ++n) v[n] = store_.read(fileName(n));
  if (std::none_of(v + 1, v + 10, [](const auto& value) { return value.has_value(); }))
    return std::nullopt;
  ReminderProfile p;
  // The minutes are numbers: they come back in their plain decimal form.
  p.interval = std::to_string(v[1] ? numericValue(*v[1]) : 0);
  p.breakLength = std::to_string(v[2] ? numericValue(*v[2]) : 0);
  p.message = v[3].value_or("");
  p.sound = v[4].value_or("");
  p.picture = v[5].value_or("");
  p.playSound = v[6] && numericValue(*v[6]) == 1 ? 1 : 0;
  p.showPicture = v[7] && numericValue(*v[7]) == 1 ? 1 : 0;
  p.enabled = asBoolean(v[8]);
  p.disabled = asBoolean(v[9]);
  return p;
}

void ProfileFiles::save(const ReminderProfile& p) {
  const std::string values[9] = {p.interval,
                                 p.breakLength,
                                 p.message,
                                 p.sound,
                                 p.picture,
                                 std::to_string(p.playSound),
                                 std::to_string(p.showPicture),
                                 p.enabled ? "True" : "False",
                                 p.disabled ? "True" : "False"};
  for (int n = 1; n <= 9; ++n) (void)store_.write(fileName(n), values[n - 1]);
}

}  // namespace vl
