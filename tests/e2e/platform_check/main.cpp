// Checks the real picture decoder, MCI devices, tray icon and file dialog
// under Wine, and the scroll bar, timer and image kinds of the window back
// end. Usage: platform_check [pictures|media|tray|dialog|kinds]...
#include <cstdio>
#include <cstring>

#include "check.h"
#include "platform/win32/text.h"

namespace check {

void Tally::expect(bool ok, const std::string& what, const std::string& detail) {
  (ok ? passed_ : failed_)++;
  std::printf("%s %s%s%s\n", ok ? "PASS" : "FAIL", what.c_str(), detail.empty() ? "" : ": ",
              detail.c_str());
  std::fflush(stdout);
}

void pump(const Observer& observe) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (observe) observe(msg);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool pumpUntil(const std::function<bool()>& condition, DWORD milliseconds,
               const Observer& observe) {
  ULONGLONG deadline = GetTickCount64() + milliseconds;
  pump(observe);
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    // Wakes at once for a message; the timeout only bounds the wait.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    pump(observe);
  }
  return true;
}

std::string sampleFolder() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder =
      std::wstring(temp) + L"platform_check_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return vl::win32::narrow(folder);
}

bool writeFile(const std::string& path, const std::string& bytes) {
  HANDLE f = CreateFileW(vl::win32::widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = bytes.empty() ||
            WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  return ok && written == bytes.size();
}

}  // namespace check

int main(int argc, char** argv) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  std::string folder = check::sampleFolder();
  check::Tally t;
  auto wanted = [&](const char* group) {
    if (argc < 2) return true;
    for (int i = 1; i < argc; ++i)
      if (std::strcmp(argv[i], group) == 0) return true;
    return false;
  };
  if (wanted("pictures")) check::runPictureChecks(t, instance, folder);
  if (wanted("media")) check::runMediaChecks(t, folder);
  if (wanted("tray")) check::runTrayChecks(t, instance);
  if (wanted("dialog")) check::runDialogChecks(t, instance, folder);
  if (wanted("kinds")) check::runKindsChecks(t, instance, folder);
  std::printf("%d passed, %d failed\n", t.passed(), t.failed());
  std::fflush(stdout);
  return t.failed() == 0 && t.passed() > 0 ? 0 : 1;
}
