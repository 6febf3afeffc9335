// The window system kept in memory: forms load and show without windows,
// message boxes are recorded, the screen is what the test says.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"

namespace vl {

struct ShownMessage {
  std::string owner, text, title;
  MsgIcon icon;
};

class MemoryUi : public Ui {
 public:
  void load(Form& form) override;
  void unload(Form& form) override;
  void bringToFront(Form& form) override { frontmost = form.name(); }
  void messageBox(Form* owner, const std::string& text, const std::string& title,
                  MsgIcon icon) override;
  ScreenInfo screen() const override { return screenInfo; }
  void endProgram() override { ended = true; }
  void popupMenu(Form&, MenuItem& menu) override { popups.push_back(menu.name()); }
  void doEvents() override {
    if (DoEvents) DoEvents();
  }

  // Screen of width x height pixels at the given twips per pixel.
  void setScreen(int widthPx, int heightPx, int twipsPerPixel = 15);

  ScreenInfo screenInfo{800 * 15, 600 * 15, 15, 15};
  std::vector<ShownMessage> messages;
  std::string frontmost;
  bool ended = false;
  std::vector<std::string> loadedForms;
  std::vector<std::string> popups;
  // What "the user" does while a long operation lets events run.
  std::function<void()> DoEvents;
};

}  // namespace vl
