// Launcher and random numbers that record and replay for tests.
#pragma once

#include <deque>
#include <functional>
#include <memory>
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
  std::string startAgain(const std::string& file) override {
    launches.push_back({"(this program)", file});
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
  void stopServing() override { serving = false; }
  // A later start hands its command line over, if this copy still serves.
  bool handOver(const std::string& commandLine) {
    if (!serving || !Arrived) return false;
    Arrived(commandLine);
    return true;
  }
  bool anotherRuns = false;
  bool serving = true;
  std::vector<std::string> handedOver;
};

// Work run in the test's own thread: at once, or, held, when the test says,
// so that it can act while the work is under way.
class MemoryWorkers : public Workers {
 public:
  std::unique_ptr<Job> start(std::function<void()> work, std::function<void()> ended) override;
  bool hold = false;
  bool refuse = false;  // no worker can start
  // Runs every held work, then its ending, in the order they were started.
  void finishAll();
  // Runs the work held longest, then its ending; false when none is held.
  bool finishOne();
  std::size_t heldCount() const { return held_.size(); }
  int started = 0;

  // A held work; a job that waits runs it at once, and its ending later.
  struct Pending {
    std::function<void()> work, ended;
    bool alive = true;  // its job is still held
  };

 private:
  std::vector<std::shared_ptr<Pending>> held_;
};

class MemoryActivity : public UserActivity {
 public:
  LocalTime now() override { return time; }
  std::int64_t idleMilliseconds() override { return idleMs; }
  bool fullScreenInFront() override { return fullScreen; }
  std::int64_t idleMs = 0;
  bool fullScreen = false;
  LocalTime time{2026, 12, 9, 9, 0, 0};
};

}  // namespace vl
