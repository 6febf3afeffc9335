#include "platform/win32/system/system_services.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>

#include "platform/long_path.h"
#include "platform/win32/system/handle.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/text.h"

namespace vl::win32 {

namespace {

HANDLE openForReading(const std::string& path) {
  return CreateFileW(filePath(path).c_str(), GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

class Win32RecordFile : public RecordFile {
 public:
  explicit Win32RecordFile(HANDLE h) : file_(h) {}
  std::int64_t length() const override {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file_.get(), &size) ? size.QuadPart : 0;
  }
  std::string read(std::int64_t offset, std::size_t count) override {
    LARGE_INTEGER at{};
    at.QuadPart = offset;
    if (!SetFilePointerEx(file_.get(), at, nullptr, FILE_BEGIN)) return {};
    std::string bytes(count, '\0');
    DWORD got = 0;
    if (!ReadFile(file_.get(), bytes.data(), static_cast<DWORD>(count), &got, nullptr)) return {};
    bytes.resize(got);
    return bytes;
  }

 private:
  FileHandle file_;
};

// The user's roaming application-data folder. Windows names it in APPDATA for
// every session (redirected folders included); asking the shell loads it.
std::string roamingAppData(SystemLibraries& libraries) {
  wchar_t value[MAX_PATH] = {};
  DWORD n = GetEnvironmentVariableW(L"APPDATA", value, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return narrow(value);
  auto knownFolderPath =
      libraries.function<decltype(&::SHGetKnownFolderPath)>(L"shell32.dll", "SHGetKnownFolderPath");
  auto taskMemFree = libraries.function<decltype(&::CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
  if (!knownFolderPath || !taskMemFree) return {};
  PWSTR folder = nullptr;
  std::string path;
  if (SUCCEEDED(knownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder)))
    path = narrow(folder);
  taskMemFree(folder);
  return path;
}

std::string withoutFileName(std::wstring path) {
  std::size_t slash = path.find_last_of(L"\\/");
  return narrow(slash == std::wstring::npos ? path : path.substr(0, slash));
}

}  // namespace

std::optional<std::string> Win32FileSystem::readFile(const std::string& path,
                                                     std::size_t maxBytes) {
  FileHandle file(openForReading(path));
  if (!file.valid()) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  while (bytes.size() < maxBytes) {
    DWORD want = static_cast<DWORD>(std::min<std::size_t>(sizeof chunk, maxBytes - bytes.size()));
    DWORD got = 0;
    if (!ReadFile(file.get(), chunk, want, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    bytes.append(chunk, got);
  }
  return bytes;
}

bool Win32FileSystem::writeFile(const std::string& path, std::string_view bytes) {
  // Readers may hold the file for a moment (a virus scanner, another copy of
  // the program): sharing it with them keeps the write from failing.
  FileHandle file(CreateFileW(filePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD wrote = 0;
    DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!WriteFile(file.get(), bytes.data() + done, want, &wrote, nullptr) || wrote == 0)
      return false;
    done += wrote;
  }
  return file.close();
}

bool Win32FileSystem::appendToFile(const std::string& path, std::string_view bytes) {
  FileHandle file(CreateFileW(filePath(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid() || bytes.size() > 0xFFFFFFFFu) return false;
  DWORD wrote = 0;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr) ||
      wrote != bytes.size())
    return false;
  // On the disk before the program goes on: a kill just after keeps the line.
  return FlushFileBuffers(file.get()) && file.close();
}

bool Win32FileSystem::fileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(filePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::removeFile(const std::string& path) {
  return DeleteFileW(filePath(path).c_str()) != 0;
}

bool Win32FileSystem::createDirectories(const std::string& path) {
  // Resolved first: "a\..\b" makes b alone, and "/" separates as "\" does.
  std::wstring full = fullPathName(widen(path));
  std::size_t root = fullPathRootLength<wchar_t>(full);
  if (root == 0) return false;
  for (std::size_t i = root + 1; i <= full.size(); ++i) {
    if (i < full.size() && full[i] != L'\\') continue;
    if (!CreateDirectoryW(fileApiPath(full.substr(0, i)).c_str(), nullptr) &&
        GetLastError() != ERROR_ALREADY_EXISTS)
      return false;
  }
  return true;
}

std::unique_ptr<RecordFile> Win32FileSystem::openRecords(const std::string& path) {
  HANDLE h = openForReading(path);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32RecordFile>(h);
}

std::string Win32FileSystem::currentDirectory() {
  DWORD n = GetCurrentDirectoryW(0, nullptr);
  std::wstring dir(n, L'\0');
  dir.resize(GetCurrentDirectoryW(n, dir.data()));
  return narrow(dir);
}

std::string Win32FileSystem::programDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return withoutFileName(path);
    }
    path.resize(path.size() * 2);
  }
}

Win32FileSystem::Win32FileSystem(SystemLibraries& libraries) : libraries_(libraries) {}

Win32FileSystem::~Win32FileSystem() = default;

std::string Win32FileSystem::userSettingsDirectory() {
  if (!settingsDirectory_) settingsDirectory_ = roamingAppData(libraries_);
  return settingsDirectory_->empty() ? std::string() : *settingsDirectory_ + "\\Varilume SE";
}

std::optional<std::string> AnsiCodec::toAnsi(std::string_view utf8) const {
  if (GetACP() == CP_UTF8) return std::string(utf8);
  std::wstring wide = widen(utf8);
  if (wide.empty()) return std::string();
  BOOL lossy = FALSE;
  int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                              static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
  if (n <= 0 || lossy) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                      out.data(), n, nullptr, &lossy);
  if (lossy || fromAnsi(out) != utf8) return std::nullopt;
  return out;
}

std::string AnsiCodec::fromAnsi(std::string_view bytes) const {
  if (bytes.empty()) return {};
  int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
  return narrow(wide);
}

std::string Win32Launcher::startAgain(const std::string& file) {
  std::wstring self(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    if (n == 0) return errorText(GetLastError());
    if (n < self.size()) {
      self.resize(n);
      break;
    }
    self.resize(self.size() * 2);  // a long path: ask again with room for it
  }
  return start(narrow(self), file);
}

std::string Win32Launcher::start(const std::string& program, const std::string& argument) {
  std::wstring app = widen(program);
  // Both parts quoted, and the program named explicitly: nothing is guessed
  // from a path with spaces.
  std::wstring commandLine = L"\"" + app + L"\" \"" + widen(argument) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(app.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return errorText(GetLastError());
  AllowSetForegroundWindow(process.dwProcessId);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return {};
}

}  // namespace vl::win32
