#include "platform/win32/shell/instances.h"

#include "platform/win32/system/text.h"

namespace vl::win32 {

namespace {

// "Local\" is the user's own session: another user's copy is not this one's.
constexpr wchar_t kMarkName[] = L"Local\\VarilumeSE.Running";
constexpr wchar_t kWindowClass[] = L"VarilumeSE.Instance";
constexpr ULONG_PTR kCommandLine = 0x564C5345;  // "VLSE"
constexpr UINT kDeliver = WM_APP + 7;
// Longer than any command line the system passes.
constexpr DWORD kMostBytes = 65536;
// How long a later start waits for the running copy to answer.
constexpr DWORD kAnswerMs = 5000;
constexpr ULONGLONG kPatienceMs = 10000;

}  // namespace

Win32Instances::~Win32Instances() = default;

bool Win32Instances::claim(const std::string& commandLine) {
  mark_.reset(CreateMutexW(nullptr, FALSE, kMarkName));
  // Without a mark nothing can be told apart: this copy runs on its own.
  if (mark_ && GetLastError() == ERROR_ALREADY_EXISTS && handOver(commandLine)) return false;
  serve();
  return true;
}

bool Win32Instances::handOver(const std::string& commandLine) {
  std::wstring line = widen(commandLine);
  COPYDATASTRUCT data{kCommandLine, static_cast<DWORD>((line.size() + 1) * sizeof(wchar_t)),
                      line.data()};
  ULONGLONG deadline = GetTickCount64() + kPatienceMs;
  while (GetTickCount64() < deadline) {
    // The running copy makes its window right after its mark: it may be
    // about to.
    if (HWND other = FindWindowExW(HWND_MESSAGE, nullptr, kWindowClass, nullptr)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(other, &pid);
      AllowSetForegroundWindow(pid);  // it comes to the front in the user's stead
      DWORD_PTR taken = FALSE;
      if (SendMessageTimeoutW(other, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                              SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerMs, &taken) &&
          taken == TRUE)
        return true;
    }
    // A copy that is ending, or that ended without a word (a crash), leaves
    // its mark only until the system has closed what it held.
    mark_.reset();
    mark_.reset(CreateMutexW(nullptr, FALSE, kMarkName));
    if (!mark_ || GetLastError() != ERROR_ALREADY_EXISTS) return false;
    Sleep(50);
  }
  return false;  // a copy that never answers blocks nobody: this one runs
}

void Win32Instances::serve() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &windowProc;
  wc.hInstance = instance_;
  wc.lpszClassName = kWindowClass;
  if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return stopServing();
  window_.reset(
      CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance_, this));
  // Without the window nobody could hand this copy a command line; the mark
  // goes too, so that later starts run instead of waiting for an answer.
  if (!window_) stopServing();
}

void Win32Instances::stopServing() {
  window_.reset();
  mark_.reset();
}

LRESULT CALLBACK Win32Instances::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Instances*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    if (!data || data->dwData != kCommandLine || data->cbData > kMostBytes ||
        data->cbData % sizeof(wchar_t) != 0 || (data->cbData && !data->lpData))
      return FALSE;
    self->take(*data);
    return TRUE;
  }
  if (msg == kDeliver) {
    // Acted on from the message loop, not inside the other start's call.
    if (self->arrived_.empty()) return 0;
    std::string line = std::move(self->arrived_.front());
    self->arrived_.pop_front();
    if (self->Arrived) self->Arrived(line);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void Win32Instances::take(const COPYDATASTRUCT& data) {
  // Another program may send anything: the text ends at its first nul or
  // at the end of what was sent, whichever comes first.
  const auto* chars = static_cast<const wchar_t*>(data.lpData);
  std::size_t count = data.cbData / sizeof(wchar_t);
  std::wstring line(chars, chars + count);
  line.resize(line.find(L'\0') == std::wstring::npos ? line.size() : line.find(L'\0'));
  arrived_.push_back(narrow(line));
  PostMessageW(window_.get(), kDeliver, 0, 0);
}

}  // namespace vl::win32
