// The Windows 95 logo changer: a panel raised over the tab control that
// previews the installed startup, shutdown and turn-off logos, installs the
// viewed picture as one of them, and backs the three up or restores them.
#pragma once

#include <functional>
#include <string>

#include "platform/services.h"

namespace vl {

class LogoChanger {
 public:
  static constexpr int kParkedAtStart = 4995;
  static constexpr int kParked = 5000;
  static constexpr int kRaised = 300;

  // windowsPath gives the Windows directory (ending in "\"), currentImage
  // the picture last viewed ("" for none).
  LogoChanger(Services& services, Form& form, TabStrip& tabs, StatusBar& status,
              std::function<std::string()> windowsPath, std::function<std::string()> currentImage);

  // The panel rises over its page, and goes again: what it covers can make way.
  Event<void()> Opening;
  Event<void()> Closed;

  Panel SSPanel10;
  Frame Frame24{&SSPanel10, "Frame24"};
  OptionButton Option5{&Frame24, "Option5"};
  OptionButton Option4{&Frame24, "Option4"};
  OptionButton Option3{&Frame24, "Option3"};
  ImageBox Image4{&Frame24, "Image4"};
  CommandButton SSCommand12{&Frame24, "SSCommand12"};
  CommandButton SSCommand10{&Frame24, "SSCommand10"};
  CommandButton SSCommand5{&Frame24, "SSCommand5"};
  CommandButton SSCommand11{&Frame24, "SSCommand11"};
  Label Label13{&SSPanel10, "Label13"};

  void open();
  void close();
  void apply();
  void backup();
  void restore();
  bool isOpen() const { return SSPanel10.top() == kRaised; }

  // The three screens' logo files.
  std::string startupLogo() const { return "c:\\logo.sys"; }
  // A path typed without its last "\" still names files inside the folder.
  std::string shutdownLogo() const { return joinPath(windowsPath_(), "logow.sys"); }
  std::string turnOffLogo() const { return joinPath(windowsPath_(), "logos.sys"); }

 private:
  void preview(const std::string& logo) { (void)Image4.setPicture(logo); }
  // Copies beside the target and puts the copy in its place only when it is
  // whole; "" on success, else what went wrong, naming the file.
  std::string replaceWithCopy(const std::string& from, const std::string& to);
  // Why the picture cannot be a logo ("photo.jpg is a JPEG picture; ..."), or "".
  std::string notABitmap(const std::string& image);
  // Backup and Restore: every copy is tried; "Success" only when all were
  // made, else a warning that names each file not copied ("backed up" or
  // "restored" says what the copies were).
  void copyAll(const std::string (&from)[3], const std::string (&to)[3], const char* success,
               const std::string& done);

  Services& services_;
  Form& form_;
  std::function<std::string()> windowsPath_, currentImage_;
};

}  // namespace vl
