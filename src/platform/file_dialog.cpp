#include "platform/file_dialog.h"

#include "platform/ui.h"

namespace vl {

std::optional<std::string> FileDialog::open(Ui& ui, Form* owner, const FileDialogRequest& request) {
  ModalScope modal(ui);
  return show(owner, request);
}

}  // namespace vl
