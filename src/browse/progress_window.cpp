#include "browse/progress_window.h"

namespace vl {

Form3::Form3(Ui& ui, const std::string& caption, const std::string& what)
    : Form(ui, "Form3", caption, 4815, 1500) {
  setBorderStyle(BorderStyle::FixedDialog, false);
  place(Label1, 120, 120, 4575, 435, what);
  place(ProgressBar1, 120, 600, 4575, 255);
  ProgressBar1.setMax(1000);
  place(Command1, 1680, 960, 1455, 375, "Cancel");
  Command1.Click = [this] { cancelled_ = true; };
  CloseRequest = [this] { cancelled_ = true; };
}

bool Form3::report(std::int64_t done, std::int64_t total) {
  ProgressBar1.setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 1000);
  ui().doEvents();
  return !cancelled_;
}

}  // namespace vl
