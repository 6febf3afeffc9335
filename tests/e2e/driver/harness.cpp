#include "harness.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "../probe/probe_protocol.h"

namespace e2e {

const char* const kInstallDir = "C:\\Program Files\\Varilume SE";

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::wstring wide(const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

std::string utf8(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr,
                              nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                      nullptr);
  return s;
}

// ---- files ------------------------------------------------------------------

// Shared for deletion too: the program replaces a file by renaming a new
// one over it, which a reader without that share would make fail.
std::optional<std::string> readFile(const std::string& path) {
  HANDLE f = CreateFileW(wide(path).c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(f, chunk, sizeof chunk, &got, nullptr) && got) bytes.append(chunk, got);
  CloseHandle(f);
  return bytes;
}

bool writeFile(const std::string& path, const std::string& bytes) {
  HANDLE f = CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD wrote = 0;
  bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr) &&
            wrote == bytes.size();
  CloseHandle(f);
  return ok;
}

void removeFile(const std::string& path) {
  DeleteFileW(wide(path).c_str());
}

bool fileExists(const std::string& path) {
  DWORD a = GetFileAttributesW(wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES;
}

void makeDirectory(const std::string& path) {
  CreateDirectoryW(wide(path).c_str(), nullptr);
}

bool copyFile(const std::string& from, const std::string& to) {
  return CopyFileW(wide(from).c_str(), wide(to).c_str(), FALSE) != 0;
}

// ---- the program --------------------------------------------------------------

Program::~Program() {
  kill();
}

bool Program::start(const std::string& arguments, const std::string& directory) {
  kill();
  std::wstring exe = wide(std::string(kInstallDir) + "\\varilume.exe");
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + wide(arguments);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  probeLoaded_ = false;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      wide(directory.empty() ? kInstallDir : directory).c_str(), &si, &process_)) {
    std::printf("cannot start %s: error %lu\n", utf8(exe).c_str(), GetLastError());
    return false;
  }
  WaitForInputIdle(process_.hProcess, kPatience);
  return true;
}

bool Program::startCommand(const std::string& commandLine, const std::string& directory) {
  kill();
  std::wstring line = wide(commandLine);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  probeLoaded_ = false;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      wide(directory).c_str(), &si, &process_)) {
    std::printf("cannot run %s: error %lu\n", commandLine.c_str(), GetLastError());
    return false;
  }
  WaitForInputIdle(process_.hProcess, kPatience);
  return true;
}

bool Program::running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::waitExit(int timeoutMs) {
  if (!process_.hProcess) return true;
  return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

DWORD Program::exitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_.hProcess) GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

void Program::kill() {
  if (!process_.hProcess) return;
  if (running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  process_ = {};
}

namespace {

struct FormSearch {
  DWORD pid;
  std::string name;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK findForm(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<FormSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if ((s->pid && pid != s->pid) || (s->visibleOnly && !IsWindowVisible(hwnd))) return TRUE;
  if (nameOf(hwnd) != s->name) return TRUE;
  s->found = hwnd;
  return FALSE;
}

// Where the probe writes its answers: E2E_SCRATCH, else the temporary folder
// (which lies on drive C: and may be read-only in a test).
std::wstring scratchDirectory() {
  wchar_t dir[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"E2E_SCRATCH", dir, MAX_PATH)) return dir;
  GetTempPathW(MAX_PATH, dir);
  std::wstring d = dir;
  while (!d.empty() && d.back() == L'\\') d.pop_back();
  return d;
}

HWND probeWindow(DWORD pid) {
  HWND h = nullptr;
  while ((h = FindWindowExW(HWND_MESSAGE, h, vlprobe::kWindowClass, nullptr))) {
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner == pid) return h;
  }
  return nullptr;
}

std::vector<Program::MenuLine> parseMenu(const std::string& dump) {
  std::vector<Program::MenuLine> lines;
  std::istringstream in(dump);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string depth, id, flags, caption;
    std::getline(fields, depth, '\t');
    std::getline(fields, id, '\t');
    std::getline(fields, flags, '\t');
    std::getline(fields, caption);
    lines.push_back({std::stoi(depth), static_cast<UINT>(std::stoul(id)), flags, caption});
  }
  return lines;
}

}  // namespace

std::wstring driverDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p = path;
  return p.substr(0, p.find_last_of(L"\\/"));
}

HWND Program::formNow(const std::string& name, bool visibleOnly) {
  FormSearch s{pid(), name, visibleOnly, nullptr};
  EnumWindows(findForm, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void Program::describeWindows() {
  std::printf("the program %s\n", running() ? "runs" : "has ended");
  struct Search {
    DWORD pid;
  } search{pid()};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == reinterpret_cast<Search*>(lp)->pid)
          std::printf("  window '%s' %s \"%s\"\n", nameOf(hwnd).c_str(),
                      IsWindowVisible(hwnd) ? "visible" : "hidden", text(hwnd).c_str());
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
}

bool Program::idle() {
  // The main window lives as long as the program; before it shows, any named
  // window of the program will do: all belong to its interface thread.
  auto target = [&] {
    if (HWND main = formNow("Form1", false)) return main;
    struct Search {
      DWORD pid;
      HWND found;
    } search{pid(), nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
          auto* s = reinterpret_cast<Search*>(lp);
          DWORD owner = 0;
          GetWindowThreadProcessId(hwnd, &owner);
          if (owner != s->pid || nameOf(hwnd).empty()) return TRUE;
          s->found = hwnd;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  };
  // Tokens only grow: any marker posted since this call began will do. A
  // marker can be lost (its window may close, or a loop of the program's own
  // may take the timer that posts it again), so a new one follows now and then.
  static long long tokens = 0;
  long long first = tokens + 1;
  ULONGLONG posted = 0;
  return waitFor([&] {
    if (GetTickCount64() - posted > 2000) {
      HWND window = target();
      if (window && probe(vlprobe::kIdle, window, ++tokens) == "1") posted = GetTickCount64();
    }
    return std::atoll(probe(vlprobe::kIdleSeen, nullptr).c_str()) >= first;
  });
}

HWND Program::form(const std::string& name, int timeoutMs) {
  HWND found = nullptr;
  waitFor([&] { return (found = formNow(name)) != nullptr; }, timeoutMs);
  // A form may fill its controls after it shows: checks come after that.
  if (found) idle();
  return found;
}

std::string Program::probe(unsigned request, HWND target, long long argument,
                           const std::string& input) {
  if (!probeLoaded_) {
    std::wstring dll = driverDirectory() + L"\\vlprobe.dll";
    std::size_t bytes = (dll.size() + 1) * sizeof(wchar_t);
    void* remote =
        VirtualAllocEx(process_.hProcess, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    WriteProcessMemory(process_.hProcess, remote, dll.c_str(), bytes, nullptr);
    auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    HANDLE thread =
        CreateRemoteThread(process_.hProcess, nullptr, 0, loadLibrary, remote, 0, nullptr);
    if (thread) {
      WaitForSingleObject(thread, kPatience);
      CloseHandle(thread);
    }
    probeLoaded_ = waitFor([&] { return probeWindow(pid()) != nullptr; });
    if (!probeLoaded_) std::printf("the probe did not load into the program\n");
  }
  HWND window = probeWindow(pid());
  if (!window) return {};
  std::wstring out =
      scratchDirectory() + L"\\vlprobe-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
  vlprobe::Request r{};
  r.target = reinterpret_cast<std::uint64_t>(target);
  r.argument = argument;
  lstrcpynW(r.outputPath, out.c_str(), 260);
  if (!input.empty()) writeFile(utf8(out), input);
  COPYDATASTRUCT data{request, sizeof r, &r};
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_BLOCK,
                      kPatience, &result);
  auto answer = readFile(utf8(out));
  DeleteFileW(out.c_str());
  return answer.value_or("");
}

std::vector<Program::MenuLine> Program::menuBar(HWND f) {
  return parseMenu(probe(vlprobe::kMenuBar, f));
}

std::vector<Program::MenuLine> Program::openPopup() {
  return parseMenu(probe(vlprobe::kOpenPopup, nullptr));
}

bool Program::dropFiles(HWND form, const std::vector<std::string>& paths) {
  std::string list;
  for (const std::string& path : paths) list += path + "\n";
  return probe(vlprobe::kDropFiles, form, 0, list) == "1";
}

std::string Program::statusText(HWND statusBar) {
  return probe(vlprobe::kStatusText, statusBar);
}

std::vector<Program::MenuLine> Program::popupOf(HWND control, POINT at) {
  PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageW(control, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  std::vector<MenuLine> lines;
  waitFor([&] { return !(lines = openPopup()).empty(); });
  // Escape closes the menu; its loop reads the key from the thread's queue.
  HWND menu = FindWindowW(L"#32768", nullptr);
  PostMessageW(menu ? menu : control, WM_KEYDOWN, VK_ESCAPE, 0);
  waitFor([&] { return openPopup().empty(); });
  return lines;
}

bool Program::choosePopupItem(HWND control, const std::string& caption, POINT at) {
  for (const MenuLine& line : popupOf(control, at)) {
    if (line.caption != caption) continue;
    postCommand(GetAncestor(control, GA_ROOT), line.id);
    return true;
  }
  return false;
}

void Program::selectTab(HWND tabs, int index) {
  std::istringstream r(probe(vlprobe::kTabRect, tabs, index));
  int left = 0, top = 0, right = 0, bottom = 0;
  r >> left >> top >> right >> bottom;
  postClick(tabs, (left + right) / 2, (top + bottom) / 2);
  CHECK(waitFor([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == index; }));
  CHECK(idle());
}

// ---- controls -------------------------------------------------------------------

std::string nameOf(HWND hwnd) {
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(hwnd, L"VarilumeName")));
  if (!atom) return {};
  wchar_t name[256] = {};
  UINT n = GlobalGetAtomNameW(atom, name, 256);
  return utf8(std::wstring(name, n));
}

namespace {
struct ChildSearch {
  std::string name;
  HWND found;
  std::vector<HWND>* all;
};
BOOL CALLBACK findChild(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<ChildSearch*>(lp);
  std::string name = nameOf(hwnd);
  if (s->all) {
    if (!name.empty()) s->all->push_back(hwnd);
    return TRUE;
  }
  if (name == s->name) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND findControl(HWND parent, const std::string& name) {
  ChildSearch s{name, nullptr, nullptr};
  if (parent) EnumChildWindows(parent, findChild, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND control(HWND parent, const std::string& name) {
  // The controls of pages not shown yet get their windows once the program is idle.
  HWND h = nullptr;
  waitFor([&] { return (h = findControl(parent, name)) != nullptr; });
  if (!h) {
    fail(__FILE__, __LINE__, "no control named " + name + " in " + nameOf(parent));
    throw Abort{};
  }
  return h;
}

std::vector<HWND> namedDescendants(HWND parent) {
  std::vector<HWND> all;
  ChildSearch s{{}, nullptr, &all};
  EnumChildWindows(parent, findChild, reinterpret_cast<LPARAM>(&s));
  return all;
}

std::string text(HWND hwnd) {
  wchar_t buffer[8192] = {};
  DWORD_PTR n = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 8192, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 5000,
                      &n);
  return utf8(std::wstring(buffer, static_cast<std::size_t>(n)));
}

void setText(HWND edit, const std::string& value) {
  std::wstring w = wide(value);
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
}

bool checked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
bool enabled(HWND hwnd) {
  return IsWindowEnabled(hwnd) != 0;
}
bool visible(HWND hwnd) {
  return IsWindowVisible(hwnd) != 0;
}
void click(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
}

void postMouseMove(HWND hwnd, int x, int y) {
  PostMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void postClick(HWND hwnd, int x, int y) {
  PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void postCommand(HWND form, UINT id) {
  PostMessageW(form, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}
void postTimer(HWND form, const std::wstring& timer) {
  auto id = reinterpret_cast<UINT_PTR>(GetPropW(form, (L"VarilumeTimer " + timer).c_str()));
  if (id == 0) fail(__FILE__, __LINE__, "the form names no timer " + utf8(timer));
  PostMessageW(form, WM_TIMER, id, 0);
}

void keys(HWND target, std::initializer_list<WORD> chord) {
  HWND root = GetAncestor(target, GA_ROOT);
  SetForegroundWindow(root);
  // Wine may keep another window in front; the keys then go to the focus anyway.
  waitFor([&] { return GetForegroundWindow() == root; }, 5000);
  typeKeys(chord);
}

void typeKeys(std::initializer_list<WORD> chord) {
  std::vector<INPUT> inputs;
  for (WORD k : chord) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = k;
    inputs.push_back(in);
  }
  for (auto it = chord.end(); it != chord.begin();) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = *--it;
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(in);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// ---- lists ----------------------------------------------------------------------

namespace {
bool isCombo(HWND h) {
  wchar_t cls[32] = {};
  GetClassNameW(h, cls, 32);
  return lstrcmpiW(cls, L"ComboBox") == 0;
}
// The item's index once the list shows it; -1 when it never does.
int itemIndex(HWND list, const std::string& item) {
  int index = -1;
  waitFor([&] {
    std::vector<std::string> items = listItems(list);
    auto it = std::find(items.begin(), items.end(), item);
    index = it == items.end() ? -1 : static_cast<int>(it - items.begin());
    return index >= 0;
  });
  return index;
}
bool itemPoint(HWND list, int index, POINT& at) {
  if (index < 0) return false;
  SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  RECT r{};
  if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&r)) == LB_ERR)
    return false;
  at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  return true;
}
}  // namespace

std::vector<std::string> listItems(HWND list) {
  bool combo = isCombo(list);
  int n = static_cast<int>(SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
  std::vector<std::string> items;
  for (int i = 0; i < n; ++i) {
    int length = static_cast<int>(
        SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    items.push_back(utf8(text));
  }
  return items;
}

int listSelection(HWND list) {
  return static_cast<int>(SendMessageW(list, isCombo(list) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

bool clickItem(HWND list, const std::string& item) {
  POINT at;
  if (!itemPoint(list, itemIndex(list, item), at)) return false;
  postClick(list, at.x, at.y);
  return true;
}

std::optional<POINT> itemPoint(HWND list, const std::string& item) {
  POINT at;
  if (!itemPoint(list, itemIndex(list, item), at)) return std::nullopt;
  return at;
}

bool doubleClickItem(HWND list, const std::string& item) {
  POINT at;
  if (!itemPoint(list, itemIndex(list, item), at)) return false;
  LPARAM p = MAKELPARAM(at.x, at.y);
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, p);
  PostMessageW(list, WM_LBUTTONUP, 0, p);
  PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, p);
  PostMessageW(list, WM_LBUTTONUP, 0, p);
  return true;
}

bool chooseDrive(HWND combo, char letter) {
  std::vector<std::string> items = listItems(combo);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].empty() || (items[i][0] | 0x20) != (letter | 0x20)) continue;
    SendMessageW(combo, CB_SETCURSEL, i, 0);
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return true;
  }
  return false;
}

void postKey(HWND hwnd, WORD key) {
  PostMessageW(hwnd, WM_KEYDOWN, key, 1);
  PostMessageW(hwnd, WM_KEYUP, key, 0xC0000001);
}

// ---- geometry -------------------------------------------------------------------

int dpi() {
  static int value = [] {
    SetProcessDPIAware();
    HDC dc = GetDC(nullptr);
    int d = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return d;
  }();
  return value;
}

int twips(int pixels) {
  return MulDiv(pixels, 1440, dpi());
}

Rect twipsRect(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return {twips(r.left), twips(r.top), twips(r.right - r.left), twips(r.bottom - r.top)};
}

int screenWidth() {
  return (void)dpi(), GetSystemMetrics(SM_CXSCREEN);
}
int screenHeight() {
  return (void)dpi(), GetSystemMetrics(SM_CYSCREEN);
}

RECT windowRect(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return r;
}

bool placedAt(HWND hwnd, Rect e) {
  Rect r = twipsRect(hwnd);
  int tolerance = twips(1);
  auto within = [&](int a, int b) { return std::abs(a - b) <= tolerance; };
  bool ok = within(r.left, e.left) && within(r.top, e.top) && within(r.width, e.width) &&
            within(r.height, e.height);
  if (!ok)
    std::printf("  %s is at %d,%d %dx%d twips, expected %d,%d %dx%d\n", nameOf(hwnd).c_str(),
                r.left, r.top, r.width, r.height, e.left, e.top, e.width, e.height);
  return ok;
}

// ---- message boxes ------------------------------------------------------------------

namespace {
struct BoxSearch {
  DWORD pid;
  HWND found;
};
BOOL CALLBACK findBox(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<BoxSearch*>(lp);
  wchar_t cls[16] = {};
  GetClassNameW(hwnd, cls, 16);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->pid && lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

std::optional<MessageBoxInfo> waitMessageBox(DWORD pid, int timeoutMs) {
  BoxSearch s{pid, nullptr};
  waitFor(
      [&] {
        EnumWindows(findBox, reinterpret_cast<LPARAM>(&s));
        return s.found != nullptr;
      },
      timeoutMs);
  if (!s.found) return std::nullopt;
  return MessageBoxInfo{s.found, text(s.found), text(GetDlgItem(s.found, 0xFFFF))};
}

void pressOk(const MessageBoxInfo& box) {
  PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box.hwnd, IDOK)));
  waitFor([&] { return !IsWindow(box.hwnd); });
}

bool Program::messageBoxOpen() {
  CHECK(idle());
  return waitMessageBox(pid(), 0).has_value();
}

std::vector<ScenarioEntry>& scenarios() {
  static std::vector<ScenarioEntry> all;
  return all;
}

}  // namespace e2e
