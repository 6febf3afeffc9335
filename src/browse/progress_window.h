// The window that shows how far a long copy has gone and lets the user stop it.
#pragma once

#include <cstdint>
#include <string>

#include "browse/file_transfer.h"
#include "platform/form.h"

namespace vl {

// "120 MB of 320 MB (37%)": both sizes in the unit that suits the total.
std::string progressText(std::int64_t done, std::int64_t total);

// The figures come from the copy's progress, which a worker updates: the
// window reads them on its own timer, so the copy never waits for it.
class Form3 : public Form {
 public:
  Form3(Ui& ui, const std::string& caption, const std::string& what, TransferProgress& progress);

  Label Label1{this, "Label1"};  // the file and where it goes
  ProgressBar ProgressBar1{this, "ProgressBar1"};
  Label Label2{this, "Label2"};  // how much of it is done
  CommandButton Command1{this, "Command1"};
  Timer Timer1{this, "Timer1"};

  // Often enough for the figures to be seen moving; rarely enough that the
  // drawing costs the copy nothing.
  static constexpr int kRefreshMs = 100;
  // Shows the figures as they are now.
  void refresh();

 protected:
  void Load() override;

 private:
  TransferProgress& progress_;
};

}  // namespace vl
