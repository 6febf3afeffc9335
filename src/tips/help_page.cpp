#include "tips/help_page.h"

#include "platform/list_controls.h"
#include "tips/help_texts.h"

namespace vl {

HelpPage::HelpPage(TabStrip& tabs) : Frame26(&tabs, "Frame26") {
  Frame26.setTabPage(6);
  place(Frame26, 120, 420, 5475, 4095, "Quick Feature Help");
  place(SSPanel16, 60, 240, 5355, 3735);
  // Three columns of rows 60, 300 and 540.
  constexpr int kPlaces[7][3] = {{420, 60, 1215},  {420, 300, 1215},  {420, 540, 1215},
                                 {1740, 60, 1335}, {1740, 300, 1335}, {1740, 540, 1335},
                                 {3180, 60, 1335}};
  auto all = options();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const FeatureHelp& help = kFeatureHelp[i];
    place(*all[i], kPlaces[i][0], kPlaces[i][1], kPlaces[i][2], 255, std::string(help.option));
    all[i]->Click = [this, &help] {
      Label17.setText(std::string(help.description));
      Label19.setText(std::string(help.formats));
    };
  }
  place(Label17, 120, 900, 5115, 2295, std::string(kFeatureHelp[0].description));
  place(Label19, 120, 3300, 5115, 315, std::string(kFeatureHelp[0].formats));
  Label19.setAlignment(Align::Center);
  Label19.setBorder(true);
  SSOption1.setValue(1);
}

}  // namespace vl
