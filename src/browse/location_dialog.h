// "Select Location": where a copied or moved file goes. The operation and
// the file are fixed when the dialog opens for them; the dialog says which.
#pragma once

#include <string>

#include "browse/directory_browser.h"
#include "browse/file_transfer.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/event.h"

namespace vl {

class LocationDialog : public Form {
 public:
  // Below the designed panel, the line that names the file.
  static constexpr int kNameLineHeight = 300;

  LocationDialog(FileSystem& fs, Ui& ui, const char* name, int clientWidth, int clientHeight,
                 bool grey);

  Panel SSPanel1{this, "SSPanel1"};
  CommandButton SSCommand2{&SSPanel1, "SSCommand2"};
  CommandButton SSCommand1{&SSPanel1, "SSCommand1"};
  Label Label3{this, "Label3"};  // "Copy AUTUMN.BMP into the folder opened above"
  Label Label2{this, "Label2"};  // mirrors the operation, "copy" or "move"
  Label Label1{this, "Label1"};  // mirrors the destination, once chosen
  DirectoryBrowser lists;
  ListControl& Drive1 = lists.drive;
  ListControl& Dir1 = lists.dir;

  // Opens it (or, open, turns it) to the operation on the file.
  void ask(Transfer operation, std::string source);
  Transfer operation() const { return operation_; }
  const std::string& source() const { return source_; }
  // Where the file goes: the folder last opened, then the file's own name.
  std::string destination() const;

  // "&Done": the operation with the source and the folder chosen.
  Event<void()> Done;

 protected:
  void Load() override;

 private:
  FileSystem& fs_;
  Transfer operation_ = Transfer::Copy;
  std::string source_;
};

}  // namespace vl
