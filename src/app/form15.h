// The first-run dialog that asks for the Windows path.
#pragma once

#include "platform/form.h"

namespace vl {

class App;

class Form15 : public Form {
 public:
  explicit Form15(App& app);

  Panel SSPanel1{this, "SSPanel1"};
  Frame Frame1{&SSPanel1, "Frame1"};
  Label Label2{&Frame1, "Label2"};
  Label Label1{&Frame1, "Label1"};
  TextBox Text1{&Frame1, "Text1"};
  Panel SSPanel2{&Frame1, "SSPanel2"};
  CommandButton SSCommand1{&SSPanel2, "SSCommand1"};
  CommandButton SSCommand2{&SSPanel2, "SSCommand2"};

 protected:
  void Load() override;

 private:
  App& app_;
};

}  // namespace vl
