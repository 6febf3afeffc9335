#include "services.h"

#include "platform/win32/system/text.h"

namespace pc {

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

std::string reason(const std::string& error) {
  return error.empty() ? "no error" : "\"" + error + "\"";
}

}  // namespace pc
