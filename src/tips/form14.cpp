#include "tips/form14.h"
#include "platform/ui.h"

namespace vl {

const char* const kWelcomeText =
    "Welcome to Varilume SE!  We gave Varilume a little touch-up since the last version and we "
    "hope you enjoy the lighter, more relaxed colors used thoughout the program rather than the "
    "standard fare.  If you don't like the new look, visit us on the web and tell us! "
    "(http://www.varilume.com/)";

Form14::Form14(Services& services, SharedSettings& settings)
    : Form(services.ui, "Form14", "Tip of the Day", 5400, 3480),
      services_(services),
      settings_(settings) {
  setBorderStyle(BorderStyle::FixedToolWindow, false);
  setBackColor(kSilver);
  place(Label2, 120, 60, 3615, 315, "Did you know...");
  Label2.setBorder(true);
  Label2.setAlignment(Align::Center);
  Label2.setBackColor(kLightGrey);
  Label2.setFont(Font{"Arial", 975, true});
  for (Label* text : {&Label1, &Label3}) {
    place(*text, 120, 420, 3615, 2415, kWelcomeText);
    text->setAlignment(Align::Center);
    text->setFont(Font{"MS Sans Serif", 975, false});
  }
  Label1.setBorder(true);
  Label1.setBackColor(kPaleYellow);
  // Lies over Label1 in the same colour, inside its box.
  Label3.setBackColor(kPaleYellow);
  Label3.setVisible(false);
  place(Image1, 3915, 60, 1215, 2715);
  Image1.setStretch(true);
  Image1.setPicture("res:TIPSTRIP");
  place(Command2, 4035, 600, 975, 375, "&Next");
  place(Command3, 4035, 1080, 975, 375, "&Previous");
  place(Command1, 4035, 2280, 975, 375, "&Close");
  place(Check1, 120, 2940, 3615, 255, "&Show next time I start Varilume SE");
  Check1.setValue(1);
  Check1.setBackColor(kSilver);

  Command2.Click = [this] { next(); };
  Command3.Click = [this] { previous(); };
  Command1.Click = [this] { close(); };
  setCancelButton(&Command1);
  CloseRequest = [this] { close(); };
  Check1.Click = [this] { settings_.setShowTipsAtStart(Check1.value() != 0); };
  showAtStart_ =
      settings_.observeShowTipsAtStart([this](bool show) { Check1.setValue(show ? 1 : 0); });
}

void Form14::Load() {
  services_.random.seedFromClock();
  center();
  FileSystem& fs = services_.fs;
  tips_ = std::make_unique<TipFile>(fs, services_.codec, locateProgramFile(fs, "tip.dat"));
  current_ = tips_->pick(services_.random.next());
  showTip();
}

void Form14::showTip() {
  Label1.setText(tips_ ? tips_->tip(current_) : std::string());
}

void Form14::next() {
  if (current_ >= tipCount()) {
    ui().tell(this, "Sorry, this is the last tip");
    return;
  }
  ++current_;
  showTip();
}

void Form14::previous() {
  if (current_ <= 1) {
    ui().tell(this, "Sorry, this is the first tip");
    return;
  }
  --current_;
  showTip();
}

void Form14::close() {
  tips_.reset();
  unload();
}

void Form14::enterWelcomeMode() {
  Label2.setText("Welcome!");
  Label1.setText(kWelcomeText);
  Label3.setVisible(true);
  Check1.setEnabled(false);
  Command2.setEnabled(false);
  Command3.setEnabled(false);
}

}  // namespace vl
