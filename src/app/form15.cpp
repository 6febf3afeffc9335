#include "app/form15.h"

#include "app/app.h"

namespace vl {

Form15::Form15(App& app)
    : Form(app.ui(), "Form15", "Please enter your Windows path", 5175, 3405), app_(app) {
  setBorderStyle(BorderStyle::FixedDialog, false);
  place(SSPanel1, 0, 0, 5175, 3375);
  place(Frame1, 120, 120, 4935, 3015, "Windows Path");
  place(Label2, 240, 360, 4455, 1395,
        "You will only be asked this once.  Please input your full Windows Path, it is very "
        "important that this is correct or Varilume will not function properly and you will "
        "have to manually delete \"c:\\windir.cfg\" and launch Varilume again.  The path must "
        "end with a backslash \"\\\"  for example, this would be a valid path \"c:\\windows\\\"");
  Label2.setBorder(true);
  Label2.setAlignment(Align::Center);
  Label2.setBackColor(kPaleYellow);
  place(Label1, 240, 1860, 1935, 315, "Windows Path");
  Label1.setBorder(true);
  Label1.setAlignment(Align::Center);
  Label1.setBackColor(kLightGrey);
  place(Text1, 2160, 1860, 2535, 315, "c:\\windows\\");
  Text1.setBackColor(kPaleYellow);
  place(SSPanel2, 180, 2220, 4575, 615);
  place(SSCommand1, 120, 120, 2175, 375, "&Done");
  place(SSCommand2, 2280, 120, 2175, 375, "&Quit");

  SSCommand1.Click = [this] { app_.finishFirstRun(Text1.text()); };
  setDefaultButton(&SSCommand1);
  setTabOrder({&Text1, &SSCommand2, &SSCommand1});  // "Quit" before "Done", as designed
  SSCommand2.Click = [this] { app_.quitFirstRun(); };
  CloseRequest = [this] { app_.quitFirstRun(); };
}

void Form15::Load() {
  center();
}

}  // namespace vl
