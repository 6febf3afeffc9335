// "Select Location": where a copied or moved file goes.
#pragma once

#include "browse/directory_browser.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/event.h"

namespace vl {

class LocationDialog : public Form {
 public:
  LocationDialog(FileSystem& fs, Ui& ui, const char* name, int clientWidth, int clientHeight,
                 bool grey);

  Panel SSPanel1{this, "SSPanel1"};
  CommandButton SSCommand2{&SSPanel1, "SSCommand2"};
  CommandButton SSCommand1{&SSPanel1, "SSCommand1"};
  Label Label2{this, "Label2"};  // the operation: "copy" or "move"
  Label Label1{this, "Label1"};  // the destination built by "&Done"
  DirectoryBrowser lists;
  ListControl& Drive1 = lists.drive;
  ListControl& Dir1 = lists.dir;

  Event<void()> Done;

 protected:
  void Load() override;

 private:
  FileSystem& fs_;
};

}  // namespace vl
