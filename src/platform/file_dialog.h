// The system's dialog for choosing a file to open.
#pragma once

#include <optional>
#include <string>

namespace vl {

class Form;

struct FileDialogRequest {
  std::string title;
  // Pairs of description and patterns: "Profiles (*.cfg)|*.cfg|All files|*.*".
  std::string filter;
  std::string initialDirectory;  // "" for the system's choice
};

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // The chosen file's full path, or nothing when the user cancelled or the
  // dialog could not be shown.
  virtual std::optional<std::string> open(Form* owner, const FileDialogRequest& request) = 0;
};

}  // namespace vl
