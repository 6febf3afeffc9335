// The system's file-open dialog (comdlg32, loaded when first shown).
#pragma once

#include "platform/file_dialog.h"

namespace vl::win32 {

class Win32FileDialog : public FileDialog {
 public:
  std::optional<std::string> open(Form* owner, const FileDialogRequest& request) override;
};

}  // namespace vl::win32
