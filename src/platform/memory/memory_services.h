// Launcher and random numbers that record and replay for tests.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/services.h"

namespace vl {

struct LaunchRecord {
  std::string program, argument;
};

class MemoryLauncher : public Launcher {
 public:
  std::string start(const std::string& program, const std::string& argument) override {
    launches.push_back({program, argument});
    return failure;
  }
  std::vector<LaunchRecord> launches;
  std::string failure;  // what the next start reports; empty: success
};

class ScriptedRandom : public Random {
 public:
  void seedFromClock() override { ++seeds; }
  double next() override {
    if (values.empty()) return 0.0;
    double v = values.front();
    values.pop_front();
    return v;
  }
  std::deque<double> values;
  int seeds = 0;
};

}  // namespace vl
