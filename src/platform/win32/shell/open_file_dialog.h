// The system's file-open dialog (comdlg32, loaded when first shown).
#pragma once

#include "platform/file_dialog.h"

namespace vl::win32 {

class SystemLibraries;

class Win32FileDialog : public FileDialog {
 public:
  explicit Win32FileDialog(SystemLibraries& libraries) : libraries_(libraries) {}

 protected:
  std::optional<std::string> show(Form* owner, const FileDialogRequest& request) override;

 private:
  SystemLibraries& libraries_;
};

}  // namespace vl::win32
