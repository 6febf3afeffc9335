#include "platform/win32/shell/open_file_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "platform/form.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/window_of.h"

namespace vl::win32 {

namespace {

// Long enough for any path the file functions take.
constexpr std::size_t kPathChars = 32768;

// "Text|*.txt|All|*.*" becomes the NUL-separated list ending in two NULs.
std::wstring filterList(const std::string& filter) {
  if (filter.empty()) return {};
  std::wstring list = widen(filter);
  for (wchar_t& c : list) {
    if (c == L'|') c = L'\0';
  }
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

}  // namespace

std::optional<std::string> Win32FileDialog::show(Form* owner, const FileDialogRequest& request) {
  auto getOpenFileName =
      libraries_.function<decltype(&::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
  if (!getOpenFileName) return std::nullopt;
  std::wstring title = widen(request.title), filter = filterList(request.filter);
  std::wstring directory = widen(request.initialDirectory);
  std::vector<wchar_t> file(kPathChars, L'\0');

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner && owner->loaded() ? windowOf(*owner) : nullptr;
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  // The program keeps its own current directory whatever the user browses.
  ofn.Flags =
      OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (!getOpenFileName(&ofn)) return std::nullopt;
  return narrow(file.data());
}

}  // namespace vl::win32
