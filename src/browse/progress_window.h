// The window that shows how far a long copy has gone and lets the user stop it.
#pragma once

#include "platform/form.h"

namespace vl {

class Form3 : public Form {
 public:
  Form3(Ui& ui, const std::string& caption, const std::string& what);

  Label Label1{this, "Label1"};
  ProgressBar ProgressBar1{this, "ProgressBar1"};
  CommandButton Command1{this, "Command1"};

  // Shows the progress and lets events run; false once the user cancelled.
  bool report(std::int64_t done, std::int64_t total);
  bool cancelled() const { return cancelled_; }
  void cancel() { cancelled_ = true; }

 protected:
  void Load() override { center(); }

 private:
  bool cancelled_ = false;
};

}  // namespace vl
