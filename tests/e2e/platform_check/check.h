// A small harness for checks of the real platform services under Wine.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace check {

class Tally {
 public:
  // Prints the outcome of one check; detail says what was seen instead.
  void expect(bool ok, const std::string& what, const std::string& detail = {});
  int passed() const { return passed_; }
  int failed() const { return failed_; }

 private:
  int passed_ = 0, failed_ = 0;
};

// Sees each message before it is dispatched.
using Observer = std::function<void(const MSG&)>;
// Runs the thread's messages until the condition holds or the time is up.
bool pumpUntil(const std::function<bool()>& condition, DWORD milliseconds,
               const Observer& observe = {});
// Runs the messages already waiting.
void pump(const Observer& observe = {});

// A fresh folder for this run's sample files, with a trailing backslash.
std::string sampleFolder();
bool writeFile(const std::string& path, const std::string& bytes);

void runPictureChecks(Tally& t, HINSTANCE instance, const std::string& folder);
void runMediaChecks(Tally& t, const std::string& folder);
void runTrayChecks(Tally& t, HINSTANCE instance);
void runDialogChecks(Tally& t, HINSTANCE instance, const std::string& folder);
void runKindsChecks(Tally& t, HINSTANCE instance, const std::string& folder);

}  // namespace check
