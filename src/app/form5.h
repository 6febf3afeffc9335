// The startup window: its creation runs the startup sequence.
#pragma once

#include "platform/form.h"

namespace vl {

class App;

class Form5 : public Form {
 public:
  explicit Form5(App& app);
  Label Label1{this, "Label1"};

 protected:
  void Load() override;

 private:
  App& app_;
};

}  // namespace vl
