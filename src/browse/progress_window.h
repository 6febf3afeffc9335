// The window that shows how far a long copy has gone and lets the user stop it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/form.h"

namespace vl {

// "120 MB of 320 MB (37%)": both sizes in the unit that suits the total.
std::string progressText(std::int64_t done, std::int64_t total);

class Form3 : public Form {
 public:
  Form3(Ui& ui, const std::string& caption, const std::string& what);

  Label Label1{this, "Label1"};  // the file and where it goes
  ProgressBar ProgressBar1{this, "ProgressBar1"};
  Label Label2{this, "Label2"};  // how much of it is done
  CommandButton Command1{this, "Command1"};

  // Shows the progress and lets events run, at most every refresh interval
  // and at the end; false once the user cancelled.
  bool report(std::int64_t done, std::int64_t total);
  // Often enough for the figures to be seen moving and for Cancel to answer
  // at once; rarely enough that a fast copy does not wait for the drawing.
  static constexpr std::int64_t kRefreshMs = 100;
  bool cancelled() const { return cancelled_; }
  void cancel() { cancelled_ = true; }

 protected:
  void Load() override { center(); }

 private:
  bool cancelled_ = false;
  bool shown_ = false;
  std::int64_t shownAt_ = 0;
};

}  // namespace vl
