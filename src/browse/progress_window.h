// The window that shows how far a long copy has gone and lets the user stop it.
#pragma once

#include <chrono>
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

  // Shows the progress and lets events run; false once the user cancelled.
  bool report(std::int64_t done, std::int64_t total);
  bool cancelled() const { return cancelled_; }
  void cancel() { cancelled_ = true; }

 protected:
  void Load() override { center(); }

 private:
  using Clock = std::chrono::steady_clock;
  // The figures change often enough to be seen moving, yet rarely enough
  // that drawing them costs the copy nothing worth measuring.
  static constexpr Clock::duration kFiguresInterval = std::chrono::milliseconds(100);

  bool cancelled_ = false;
  bool figuresShown_ = false;
  Clock::time_point figuresAt_{};
};

}  // namespace vl
