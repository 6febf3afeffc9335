// The quick feature help: one description and one formats line per feature.
#pragma once

#include <array>
#include <string_view>

namespace vl {

struct FeatureHelp {
  std::string_view option;       // the option button's caption
  std::string_view description;  // Label17
  std::string_view formats;      // Label19
};

extern const std::array<FeatureHelp, 7> kFeatureHelp;

}  // namespace vl
