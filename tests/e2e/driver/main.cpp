// e2e_driver <scenario>: runs one scenario against the installed program.
#include <cstdio>
#include <cstring>

#include "harness.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--crash") == 0) {
    // For the scenario that checks a crash ends the process at once.
    volatile int* nowhere = nullptr;
    *nowhere = 1;
  }
  if (argc < 2) {
    std::printf("usage: e2e_driver <scenario>\nscenarios:\n");
    for (const auto& s : e2e::scenarios()) std::printf("  %s\n", s.name);
    return 2;
  }
  for (const auto& s : e2e::scenarios()) {
    if (std::strcmp(s.name, argv[1]) != 0) continue;
    std::printf("scenario %s (screen %dx%d, %d dpi)\n", s.name, e2e::screenWidth(),
                e2e::screenHeight(), e2e::dpi());
    try {
      s.run();
    } catch (const check::Abort&) {
      std::printf("scenario stopped early\n");
    }
    std::printf("%s: %s (%d checks passed, %d failed)\n", s.name,
                check::tally().failed ? "FAILED" : "passed", check::tally().passed,
                check::tally().failed);
    return check::tally().failed ? 1 : 0;
  }
  std::printf("no scenario %s\n", argv[1]);
  return 2;
}
