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

// Another copy runs when told; what it was handed is kept.
class MemoryInstances : public Instances {
 public:
  bool claim(const std::string& commandLine) override {
    if (!anotherRuns) return true;
    handedOver.push_back(commandLine);
    return false;
  }
  bool anotherRuns = false;
  std::vector<std::string> handedOver;
};

class MemoryActivity : public UserActivity {
 public:
  std::int64_t idleMilliseconds() override { return idleMs; }
  bool fullScreenInFront() override { return fullScreen; }
  std::int64_t idleMs = 0;
  bool fullScreen = false;
};

}  // namespace vl
