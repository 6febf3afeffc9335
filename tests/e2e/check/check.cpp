#include "check.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace check {

Tally& tally() {
  static Tally t;
  return t;
}

bool record(bool ok, const char* file, int line, const std::string& what) {
  if (ok) {
    ++tally().passed;
    return true;
  }
  ++tally().failed;
  const char* base = std::max(std::strrchr(file, '/'), std::strrchr(file, '\\'));
  std::printf("FAIL %s:%d: %s\n", base ? base + 1 : file, line, what.c_str());
  std::fflush(stdout);
  return false;
}

bool recordSeen(bool ok, const char* file, int line, const std::string& what,
                const std::string& seen) {
  return record(ok, file, line, seen.empty() ? what : what + ": actual [" + seen + "]");
}

}  // namespace check
