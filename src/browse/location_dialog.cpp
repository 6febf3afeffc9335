#include "browse/location_dialog.h"
#include "platform/ui.h"

namespace vl {

LocationDialog::LocationDialog(FileSystem& fs, Ui& ui, const char* name, int clientWidth,
                               int clientHeight, bool grey)
    : Form(ui, name, "Select Location", clientWidth, clientHeight + kNameLineHeight),
      lists(*this, "Drive1", "Dir1", fs),
      fs_(fs) {
  setBorderStyle(BorderStyle::FixedDialog, false);
  if (grey) setBackColor({192, 192, 192});
  place(SSPanel1, 60, 60, 4395, 3015);
  place(SSCommand2, 60, 2460, 2115, 435, "&Done");
  place(SSCommand1, 2220, 2460, 2115, 435, "&Cancel");
  place(Drive1, 120, 120, 4275, 330);
  place(Dir1, 120, 480, 4275, 1950);
  place(Label3, 120, clientHeight - 15, 4275, 255);
  Drive1.setBackColor({224, 224, 224});
  Dir1.setBackColor({255, 255, 192});
  for (Label* hidden : {&Label2, &Label1}) {
    place(*hidden, 120, 2520, 1500, 255);
    hidden->setVisible(false);
  }
  lists.Tell = [this](const std::string& message) { this->ui().warn(this, message); };
  // The copy starts from the message loop, once the button has let go.
  SSCommand2.Click = [this] {
    Label1.setText(destination());
    this->ui().post([this] {
      if (Done) Done();
    });
  };
  SSCommand1.Click = [this] { unload(); };
  setDefaultButton(&SSCommand2);
  setCancelButton(&SSCommand1);
  CloseRequest = [this] { unload(); };
}

void LocationDialog::ask(Transfer operation, std::string source) {
  operation_ = operation;
  source_ = std::move(source);
  Label2.setText(operation == Transfer::Copy ? "copy" : "move");
  Label3.setText((operation == Transfer::Copy ? "Copy " : "Move ") + fileNameOf(source_) +
                 " into the folder opened above");
}

std::string LocationDialog::destination() const {
  return joinPath(lists.path(), fileNameOf(source_));
}

void LocationDialog::Load() {
  center();
  lists.changeDirectory(fs_.currentDirectory());
}

}  // namespace vl
