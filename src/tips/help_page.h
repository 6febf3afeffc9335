// The "?" page: one option per feature and two labels that explain it.
#pragma once

#include <array>

#include "platform/controls.h"

namespace vl {

struct HelpPage {
  explicit HelpPage(TabStrip& tabs);
  Frame Frame26;
  Panel SSPanel16{&Frame26, "SSPanel16"};
  OptionButton SSOption1{&SSPanel16, "SSOption1"};
  OptionButton SSOption2{&SSPanel16, "SSOption2"};
  OptionButton SSOption3{&SSPanel16, "SSOption3"};
  OptionButton SSOption4{&SSPanel16, "SSOption4"};
  OptionButton SSOption5{&SSPanel16, "SSOption5"};
  OptionButton SSOption6{&SSPanel16, "SSOption6"};
  OptionButton SSOption7{&SSPanel16, "SSOption7"};
  Label Label17{&SSPanel16, "Label17"};
  Label Label19{&SSPanel16, "Label19"};

  std::array<OptionButton*, 7> options() {
    return {&SSOption1, &SSOption2, &SSOption3, &SSOption4, &SSOption5, &SSOption6, &SSOption7};
  }
};

}  // namespace vl
