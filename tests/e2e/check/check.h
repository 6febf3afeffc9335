// The checks of the end-to-end driver and the platform check: each check
// counts as passed or failed, and a failure prints where it is, what was
// checked, and the actual value beside the expected one.
#pragma once

#include <sstream>
#include <string>

namespace check {

struct Tally {
  int passed = 0, failed = 0;
};
Tally& tally();

// Counts one check; a failed one is printed with its file and line.
bool record(bool ok, const char* file, int line, const std::string& what);
// The same, naming the value seen when it failed.
bool recordSeen(bool ok, const char* file, int line, const std::string& what,
                const std::string& seen);
// A scenario cannot go on after a failed REQUIRE.
struct Abort {};

template <typename T>
std::string show(const T& value) {
  std::ostringstream s;
  if constexpr (std::is_same_v<T, bool>)
    s << (value ? "true" : "false");
  else
    s << value;
  return s.str();
}

template <typename A, typename B>
std::string describe(const A& actual, const B& expected) {
  return "actual [" + show(actual) + "] expected [" + show(expected) + "]";
}

}  // namespace check

#define CHECK(cond) check::record(static_cast<bool>(cond), __FILE__, __LINE__, #cond)
// A check that says what it means; detail is the value seen.
#define CHECK_MSG(cond, what, detail) \
  check::recordSeen(static_cast<bool>(cond), __FILE__, __LINE__, what, detail)
#define CHECK_EQ(actual, expected)                                                 \
  [&](const auto& a_, const auto& e_) {                                            \
    return check::record(a_ == e_, __FILE__, __LINE__,                             \
                         #actual " == " #expected ": " + check::describe(a_, e_)); \
  }((actual), (expected))
// CHECK_EQ that says what it means, for a check made for many cases.
#define CHECK_EQ_MSG(actual, expected, what)                                  \
  [&](const auto& a_, const auto& e_) {                                       \
    return check::record(a_ == e_, __FILE__, __LINE__,                        \
                         std::string(what) + ": " + check::describe(a_, e_)); \
  }((actual), (expected))
#define REQUIRE(cond)                                                                             \
  do {                                                                                            \
    if (!check::record(static_cast<bool>(cond), __FILE__, __LINE__, #cond)) throw check::Abort{}; \
  } while (0)
