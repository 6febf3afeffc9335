// The tip of the day window, which also greets the first run.
#pragma once

#include <memory>

#include "settings/shared_settings.h"
#include "platform/services.h"
#include "tips/tip_file.h"

namespace vl {

extern const char* const kWelcomeText;

class Form14 : public Form {
 public:
  Form14(Services& services, SharedSettings& settings);

  Label Label2{this, "Label2"};
  Label Label1{this, "Label1"};
  Label Label3{this, "Label3"};
  ImageBox Image1{this, "Image1"};
  CommandButton Command2{this, "Command2"};
  CommandButton Command3{this, "Command3"};
  CommandButton Command1{this, "Command1"};
  CheckBox Check1{this, "Check1"};

  // Prepares the window to greet the first run instead of showing a tip.
  void enterWelcomeMode();
  int currentTip() const { return current_; }
  int tipCount() const { return tips_ ? tips_->count() : 0; }

 protected:
  void Load() override;

 private:
  void showTip();
  void next();
  void previous();
  void close();

  Services& services_;
  SharedSettings& settings_;
  SharedSettings::Subscription showAtStart_;
  std::unique_ptr<TipFile> tips_;
  int current_ = 1;
};

}  // namespace vl
