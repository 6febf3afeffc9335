#include "logo/logo_changer.h"

#include "platform/picture_format.h"
#include "platform/ui.h"

namespace vl {

LogoChanger::LogoChanger(Services& services, Form& form, TabStrip& tabs, StatusBar& status,
                         std::function<std::string()> windowsPath,
                         std::function<std::string()> currentImage)
    : SSPanel10(&tabs, "SSPanel10"),
      services_(services),
      form_(form),
      windowsPath_(std::move(windowsPath)),
      currentImage_(std::move(currentImage)) {
  place(SSPanel10, 300, kParkedAtStart, 5115, 4035);
  place(Frame24, 60, 60, 4995, 3495, "Windows 95 Logo Changer");
  place(Option5, 120, 300, 3255, 255, "Change startup to current.");
  place(Option4, 120, 660, 3255, 255, "Change shutdown to current.");
  place(Option3, 120, 1020, 3255, 255, "Change turn-off to current.");
  Option4.setValue(1);
  place(Image4, 3480, 240, 1395, 1155);
  Image4.setBorder(true);
  Image4.setStretch(true);
  place(SSCommand12, 120, 1500, 4755, 435, "Apply change");
  place(SSCommand10, 120, 1980, 4755, 435, "Backup logo files");
  place(SSCommand5, 120, 2460, 4755, 435, "Restore logo files from backup");
  place(SSCommand11, 120, 2940, 4755, 435, "Close logo change menu");
  place(Label13, 60, 3615, 4995, 345, "Files must be  BMP, 320x400 Resolution and 256 colors");
  Label13.setBorder(true);
  Label13.setAlignment(Align::Center);

  const std::pair<Control*, const char*> helps[] = {{&SSCommand12, "Apply changes to logo file"},
                                                    {&SSCommand10, "Backup current logo files"},
                                                    {&SSCommand5, "Restore backup logo files"},
                                                    {&SSCommand11, "Close logo change menu"},
                                                    {&Image4, "This is the current logo"},
                                                    {&Frame24, ""},
                                                    {&SSPanel10, ""}};
  for (auto [control, text] : helps) statusHelp(*control, status, text);

  Option5.Click = [this] { preview(startupLogo()); };
  Option4.Click = [this] { preview(shutdownLogo()); };
  Option3.Click = [this] { preview(turnOffLogo()); };
  SSCommand12.Click = [this] { apply(); };
  SSCommand10.Click = [this] { backup(); };
  SSCommand5.Click = [this] { restore(); };
  SSCommand11.Click = [this] { close(); };
}

void LogoChanger::open() {
  selectPageOf(SSPanel10);
  if (Opening) Opening();
  SSPanel10.setTop(kRaised);
  SSPanel10.bringToFront();
  preview(shutdownLogo());
}

void LogoChanger::close() {
  SSPanel10.setTop(kParked);
  if (Closed) Closed();
}

std::string LogoChanger::replaceWithCopy(const std::string& from, const std::string& to) {
  FileSystem& fs = services_.fs;
  if (fs.isDirectory(from)) return from + " is a folder, not a picture file.";
  if (!fs.fileExists(from)) return from + " does not exist.";
  std::string fresh = to + ".new";
  fs.removeFile(fresh);  // left from an interrupted copy
  FsResult copied = fs.copyFile(from, fresh, nullptr);
  if (copied.ok()) copied = fs.renameFile(fresh, to, true);
  if (copied.ok()) return {};
  fs.removeFile(fresh);
  return from + " could not be copied to " + to + ": " + copied.error;
}

// Windows 95 shows only bitmaps as logos, and the file is copied as it is:
// a photo of another format would only leave a blank screen.
std::string LogoChanger::notABitmap(const std::string& image) {
  std::optional<std::string> head = services_.fs.readFile(image, kPictureHeadBytes);
  if (!head) return {};  // the copy says why it cannot read it
  // What is no known picture at all is copied as it always was: the message
  // leaves its format to the user.
  PictureFormat format = pictureFormatOf(*head);
  if (format == PictureFormat::Bitmap || format == PictureFormat::Unknown) return {};
  return fileNameOf(image) + " is a " + formatName(format) +
         " picture; Windows 95 shows only BMP logos.";
}

void LogoChanger::apply() {
  struct Screen {
    OptionButton& option;
    std::string logo;
    const char *name, *success;
  };
  const Screen screens[] = {
      {Option5, startupLogo(), "startup",
       "The startup logo has been changed and if the image has proper format it will show on "
       "next boot-up."},
      {Option4, shutdownLogo(), "shutdown",
       "The shutdown logo has been changed and if the image has proper format it will show on "
       "next shut-down."},
      {Option3, turnOffLogo(), "turn-off",
       "The turn-off logo has been changed and if the image has proper format it will show on "
       "next shut-down."}};
  for (const Screen& s : screens) {
    if (!s.option.value()) continue;
    std::string image = currentImage_();
    // The installed logo stays unless the new one is complete in its place.
    std::string failure =
        image.empty() ? std::string("No picture has been viewed yet.") : notABitmap(image);
    if (failure.empty()) failure = replaceWithCopy(image, s.logo);
    if (failure.empty())
      services_.ui.messageBox(&form_, s.success, "Success", MsgIcon::Information);
    else
      services_.ui.warn(&form_, std::string("The ") + s.name + " logo was not changed. " + failure);
  }
}

void LogoChanger::copyAll(const std::string (&from)[3], const std::string (&to)[3],
                          const char* success, const std::string& done) {
  std::string failures;
  int failed = 0;
  for (int i = 0; i < 3; ++i) {
    std::string failure = replaceWithCopy(from[i], to[i]);
    if (failure.empty()) continue;
    ++failed;
    failures += "\n" + failure;
  }
  if (failed == 0) {
    services_.ui.messageBox(&form_, success, "Success", MsgIcon::Information);
    return;
  }
  // Each failure names its file; the rest is said only when there is a rest.
  std::string text = failed == 3
                         ? "No logo file was " + done + ":" + failures
                         : "Not every logo file was " + done + ":" + failures +
                               (failed == 1 ? "\nThe other two were." : "\nThe other one was.");
  services_.ui.warn(&form_, text);
}

void LogoChanger::backup() {
  const std::string logos[3] = {startupLogo(), shutdownLogo(), turnOffLogo()};
  const std::string backups[3] = {"c:\\backup1.bmp", "c:\\backup2.bmp", "c:\\backup3.bmp"};
  copyAll(logos, backups,
          "All logo files have been backed up in the root directory as backup(1,2,3).bmp",
          "backed up");
}

void LogoChanger::restore() {
  const std::string logos[3] = {startupLogo(), shutdownLogo(), turnOffLogo()};
  const std::string backups[3] = {"c:\\backup1.bmp", "c:\\backup2.bmp", "c:\\backup3.bmp"};
  copyAll(backups, logos, "All logo files have been restored to last previous state", "restored");
}

}  // namespace vl
