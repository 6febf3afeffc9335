// The system's dialog for choosing a file to open.
#pragma once

#include <optional>
#include <string>

namespace vl {

class Form;
class Ui;

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
  // dialog could not be shown. While it is open nothing else acts.
  std::optional<std::string> open(Ui& ui, Form* owner, const FileDialogRequest& request);

 protected:
  virtual std::optional<std::string> show(Form* owner, const FileDialogRequest& request) = 0;
};

}  // namespace vl
