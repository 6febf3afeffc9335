// What the platform check asks of its thread and the file system; the checks
// themselves count and print through the shared check library.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "../check/check.h"

namespace pc {

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

// An error text as a failure shows it: quoted, or "no error".
std::string reason(const std::string& error);

void runPictureChecks(HINSTANCE instance, const std::string& folder);
void runMediaChecks(const std::string& folder);
void runTrayChecks(HINSTANCE instance);
void runDialogChecks(HINSTANCE instance, const std::string& folder);
void runKindsChecks(HINSTANCE instance, const std::string& folder);
void runLoadFailureChecks(HINSTANCE instance);
void runMonitorDpiChecks(HINSTANCE instance);
void runFileChecks(const std::string& folder);

}  // namespace pc
