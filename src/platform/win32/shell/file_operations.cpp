// Drives, directory listings and the operations on single files.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/long_path.h"
#include "platform/win32/system/handle.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/system_services.h"
#include "platform/win32/system/text.h"

namespace vl::win32 {

namespace {

FsResult lastError() {
  return {errorText(GetLastError())};
}

std::wstring directoryPattern(const std::string& dir) {
  std::string pattern = dir;
  if (pattern.empty() || pattern.back() != '\\') pattern += '\\';
  return filePath(pattern + "*");
}

}  // namespace

std::wstring fullPathName(const std::wstring& path) {
  if (path.empty()) return {};
  std::wstring full(path.size() + MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n == 0) return {};
    // Too small (the current directory may have grown since): n is the size needed.
    if (n < full.size()) {
      full.resize(n);
      return full;
    }
    full.resize(n);
  }
}

std::wstring fileApiPath(const std::wstring& path) {
  // Resolving a drive's path only ever shortens it: a short one stays short.
  if (path.size() < kLongPathFrom && fullPathRootLength<wchar_t>(path) == 3) return path;
  if (isPrefixedPath<wchar_t>(path)) return path;
  // The long form takes the path as it stands, so Windows resolves it first.
  std::wstring full = fullPathName(path);
  if (full.size() < kLongPathFrom) return path;
  return longPathForm<wchar_t>(full);
}

std::wstring filePath(const std::string& path) {
  return fileApiPath(widen(path));
}

std::vector<DriveInfo> Win32FileSystem::drives() {
  std::vector<DriveInfo> all;
  DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(mask & (1u << i))) continue;
    DriveInfo d{static_cast<char>('A' + i), {}};
    wchar_t root[] = {static_cast<wchar_t>(L'A' + i), L':', L'\\', 0};
    UINT type = GetDriveTypeW(root);
    // Only fixed drives are asked for their name: a floppy or CD drive would spin up.
    if (type == DRIVE_FIXED || type == DRIVE_RAMDISK) {
      auto known = labels_.find(d.letter);
      if (known == labels_.end()) {
        wchar_t label[MAX_PATH + 1] = {};
        GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
        known = labels_.emplace(d.letter, narrow(label)).first;
      }
      d.label = known->second;
    }
    all.push_back(d);
  }
  return all;
}

std::string Win32FileSystem::currentDirectoryOn(char drive) {
  std::wstring full = fullPathName({static_cast<wchar_t>(drive), L':'});
  if (full.empty()) return std::string{drive, ':', '\\'};
  return narrow(full);
}

std::optional<std::vector<DirEntry>> Win32FileSystem::listDirectory(const std::string& dir,
                                                                    std::string& error) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileExW(directoryPattern(dir).c_str(), FindExInfoBasic, &data,
                                 FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  std::vector<DirEntry> entries;
  if (find == INVALID_HANDLE_VALUE) {
    DWORD code = GetLastError();
    // An empty root has not even "." and "..".
    if (code == ERROR_FILE_NOT_FOUND && isDirectory(dir)) return entries;
    error = errorText(code);
    return std::nullopt;
  }
  do {
    const wchar_t* name = data.cFileName;
    if (name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0))) continue;
    entries.push_back(
        {narrow(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
         (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

bool Win32FileSystem::isReadOnly(const std::string& path) {
  DWORD a = GetFileAttributesW(filePath(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY);
}

bool Win32FileSystem::isDirectory(const std::string& path) {
  DWORD a = GetFileAttributesW(filePath(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::int64_t> Win32FileSystem::fileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(filePath(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

FsResult Win32FileSystem::copyFile(const std::string& from, const std::string& to,
                                   const CopyProgress& progress) {
  FileHandle source(CreateFileW(filePath(from).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!source.valid()) return lastError();
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(source.get(), &size)) return lastError();
  FileHandle target(CreateFileW(filePath(to).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!target.valid()) return lastError();
  std::vector<char> buffer(1 << 20);
  std::int64_t done = 0;
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(source.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
      return lastError();
    if (got == 0) break;
    DWORD wrote = 0;
    if (!WriteFile(target.get(), buffer.data(), got, &wrote, nullptr)) return lastError();
    if (wrote != got) return {errorText(ERROR_DISK_FULL)};
    done += got;
    if (progress && !progress(done, size.QuadPart)) return {errorText(ERROR_REQUEST_ABORTED)};
  }
  FILETIME created, accessed, written;
  if (GetFileTime(source.get(), &created, &accessed, &written))
    SetFileTime(target.get(), nullptr, nullptr, &written);
  if (!target.close()) return lastError();
  return {};
}

FsResult Win32FileSystem::renameFile(const std::string& from, const std::string& to, bool replace) {
  if (!MoveFileExW(filePath(from).c_str(), filePath(to).c_str(),
                   replace ? MOVEFILE_REPLACE_EXISTING : 0))
    return lastError();
  return {};
}

FsResult Win32FileSystem::deleteFile(const std::string& path) {
  if (!DeleteFileW(filePath(path).c_str())) return lastError();
  return {};
}

FsResult Win32FileSystem::recycleFile(const std::string& path) {
  std::wstring from = widen(path);
  if (from.size() >= MAX_PATH) return deleteFile(path);  // the shell takes no longer paths
  from.push_back(L'\0');                                 // the list ends with two
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  auto shFileOperation =
      libraries_.function<decltype(&::SHFileOperationW)>(L"shell32.dll", "SHFileOperationW");
  if (!shFileOperation) return deleteFile(path);
  int code = shFileOperation(&op);
  if (code != 0 || op.fAnyOperationsAborted)
    return {"The file could not be moved to the Recycle Bin (shell error " + std::to_string(code) +
            ")."};
  return {};
}

bool Win32FileSystem::sameVolume(const std::string& a, const std::string& b) {
  wchar_t va[MAX_PATH] = {}, vb[MAX_PATH] = {};
  if (!GetVolumePathNameW(filePath(a).c_str(), va, MAX_PATH) ||
      !GetVolumePathNameW(filePath(b).c_str(), vb, MAX_PATH))
    return false;
  // A long path's volume comes in the long form too ("\\?\C:\").
  return lstrcmpiW(withoutLongForm<wchar_t>(va).c_str(), withoutLongForm<wchar_t>(vb).c_str()) == 0;
}

}  // namespace vl::win32
