#include "platform/win32/media/temp_midi.h"

#include <windows.h>

#include <algorithm>

#include "platform/riff_midi.h"
#include "platform/win32/system/handle.h"

namespace vl::win32 {

namespace {

// Larger files are no MIDI music anyone plays.
constexpr LONGLONG kLargestRmi = 64ll << 20;

std::string readSmallFile(const std::wstring& path, bool wholeFile) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.valid() || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestRmi) return {};
  std::string bytes(
      static_cast<std::size_t>(wholeFile ? size.QuadPart : std::min(size.QuadPart, 12ll)), '\0');
  DWORD read = 0;
  if (!bytes.empty() &&
      !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    return {};
  bytes.resize(read);
  return bytes;
}

}  // namespace

TempMidi::~TempMidi() {
  DeleteFileW(path_.c_str());
}

std::unique_ptr<TempMidi> extractRmi(const std::wstring& file) {
  if (!looksLikeRmi(readSmallFile(file, false))) return nullptr;
  std::string bytes = readSmallFile(file, true);
  auto midi = embeddedMidi(bytes);
  if (!midi) return nullptr;
  wchar_t dir[MAX_PATH] = {}, path[MAX_PATH] = {};
  DWORD n = GetTempPathW(MAX_PATH, dir);
  if (n == 0 || n >= MAX_PATH || !GetTempFileNameW(dir, L"vlm", 0, path)) return nullptr;
  auto temp = std::make_unique<TempMidi>(path);  // from here on the file is removed again
  FileHandle out(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_TEMPORARY, nullptr));
  DWORD written = 0;
  if (!out.valid() ||
      !WriteFile(out.get(), midi->data(), static_cast<DWORD>(midi->size()), &written, nullptr) ||
      written != midi->size())
    return nullptr;
  return temp;
}

}  // namespace vl::win32
