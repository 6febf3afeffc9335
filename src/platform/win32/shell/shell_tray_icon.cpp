#include "platform/win32/shell/shell_tray_icon.h"

#include <shellapi.h>

#include <cstring>
#include <utility>

#include "platform/win32/system/system_library.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/window_of.h"

namespace vl::win32 {

namespace {

constexpr UINT kIconId = 1;
constexpr std::size_t kTipBytes = 63;   // the first form's tip, less its NUL
constexpr DWORD kShellAnswerMs = 5000;  // how long the shell may take over an icon

BOOL notifyIcon(SystemLibraries& libraries, DWORD message, NOTIFYICONDATAA& data) {
  auto shellNotifyIcon =
      libraries.function<decltype(&::Shell_NotifyIconA)>(L"shell32.dll", "Shell_NotifyIconA");
  if (!shellNotifyIcon) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  return shellNotifyIcon(message, &data);
}

// The first form of the record: the one every shell accepts.
NOTIFYICONDATAA record(HWND window) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uID = kIconId;
  return data;
}

// The tip in the ANSI code page, cut to fit without splitting a character.
void copyTip(const std::string& tip, char* out) {
  std::wstring wide = widen(tip);
  int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), n,
                      nullptr, nullptr);
  std::size_t keep = 0;
  while (keep < ansi.size()) {
    std::size_t next = keep + (IsDBCSLeadByte(static_cast<BYTE>(ansi[keep])) ? 2 : 1);
    if (next > kTipBytes || next > ansi.size()) break;
    keep = next;
  }
  std::memcpy(out, ansi.data(), keep);
  out[keep] = '\0';
}

std::string lastErrorOr(const char* fallback) {
  DWORD code = GetLastError();
  return code ? errorText(code) : fallback;
}

}  // namespace

std::string ShellTrayIcon::show(Control& hook, const std::string& tip) {
  HWND window = windowOf(hook);
  if (!window) return "The control that receives the icon's messages has no window.";
  int size = GetSystemMetrics(SM_CXSMICON), sizeY = GetSystemMetrics(SM_CYSMICON);
  IconHandle icon(static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(iconId_), IMAGE_ICON, size, sizeY, 0)));
  if (!icon) return lastErrorOr("The program's icon could not be loaded.");
  NOTIFYICONDATAA data = record(window);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  // The shell posts mouse moves with the mouse message in lParam, which the
  // hook control reports as a mouse move at that x position.
  data.uCallbackMessage = WM_MOUSEMOVE;
  data.hIcon = icon.get();
  copyTip(tip, data.szTip);
  adding_ = std::make_unique<Addition>(Addition{libraries_, data});
  thread_.reset(CreateThread(nullptr, 0, &addOnThread, adding_.get(), 0, nullptr));
  // Without a thread of its own it is handed over here.
  if (!thread_ && addOnThread(adding_.get()) != 0) return errorText(adding_->error);
  window_ = window;
  icon_ = std::move(icon);
  return {};
}

DWORD WINAPI ShellTrayIcon::addOnThread(void* addition) {
  auto* a = static_cast<Addition*>(addition);
  SetLastError(0);
  if (!notifyIcon(a->libraries, NIM_ADD, a->data)) {
    DWORD code = GetLastError();
    a->error = code ? code : ERROR_GEN_FAILURE;
  }
  return a->error;
}

std::string ShellTrayIcon::added() {
  if (thread_ && WaitForSingleObject(thread_.get(), kShellAnswerMs) != WAIT_OBJECT_0) {
    // A shell that never answers is not waited for for ever. The thread
    // still holds its addition: it is left to it, and ends with the process.
    thread_.reset();
    (void)adding_.release();
    return "The shell did not answer.";
  }
  thread_.reset();
  DWORD error = adding_ ? adding_->error : 0;
  return error ? errorText(error) : std::string();
}

void ShellTrayIcon::retip(Control&, const std::string& tip) {
  // The shell holds the icon once its addition is answered.
  if (!window_ || !added().empty()) return;
  NOTIFYICONDATAA data = record(window_);
  data.uFlags = NIF_TIP;
  copyTip(tip, data.szTip);
  notifyIcon(libraries_, NIM_MODIFY, data);
}

void ShellTrayIcon::hide(Control&) {
  (void)added();
  if (window_) {
    NOTIFYICONDATAA data = record(window_);
    notifyIcon(libraries_, NIM_DELETE, data);
  }
  window_ = nullptr;
  icon_.reset();
}

}  // namespace vl::win32
