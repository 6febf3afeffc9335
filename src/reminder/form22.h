// A plain cover over one monitor during a break, in the break window's own
// colour, so that the break is not spent looking at another screen.
#pragma once

#include <optional>

#include "platform/form.h"
#include "platform/ui.h"

namespace vl {

class Form22 : public Form {
 public:
  // The colour of the break window (none: the system's, as it has).
  Form22(Ui& ui, std::optional<Rgb> colour);
  // Shows it over the whole monitor, above other windows, without taking
  // the keyboard.
  void cover(const MonitorArea& monitor);
};

}  // namespace vl
