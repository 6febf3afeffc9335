#include "app/form5.h"

#include "app/app.h"

namespace vl {

Form5::Form5(App& app) : Form(app.ui(), "Form5", "Preloader", 2145, 1125), app_(app) {
  setBorderStyle(BorderStyle::FixedDialog, false);
  setBounds(3270, 8295, width(), height());
  place(Label1, 0, 0, 2055, 255);
}

void Form5::Load() {
  app_.runStartup();
}

}  // namespace vl
