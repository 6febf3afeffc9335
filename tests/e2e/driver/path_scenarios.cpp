// A Windows path typed without its last backslash still addresses the files
// inside the folder: the logo Apply writes and the reminder profile.
#include "common.h"

namespace e2e {

SCENARIO(windows_path_without_backslash) {
  knowWindowsPath("c:\\windows");
  showTipsAtStart(false);
  makeDirectory("C:\\PICS");
  const std::string picture =
      testpics::bitmapFile(320, 400, [](int, int) { return RGB(9, 99, 199); });
  REQUIRE(writeFile("C:\\PICS\\boot.bmp", picture));
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  REQUIRE(doubleClickItem(control(main, "File1"), "boot.bmp"));
  CHECK(waitFor([&] { return text(control(main, "Text1")) == "C:\\PICS\\boot.bmp"; }));
  keys(main, {VK_CONTROL, 'L'});
  CHECK(waitFor([&] { return twipsRect(control(main, "SSPanel10")).top == 300; }));
  CHECK(checked(control(main, "Option4")));  // the shutdown logo
  click(control(main, "SSCommand12"));
  auto box = waitMessageBox(p.pid());
  REQUIRE(box.has_value());
  CHECK_EQ(box->title, std::string("Success"));
  pressOk(*box);
  CHECK(readFile("C:\\windows\\logow.sys") == std::optional<std::string>(picture));
  CHECK(!fileExists("C:\\windowslogow.sys"));

  keys(main, {VK_CONTROL, 'R'});
  HWND props = p.form("FORM19");
  REQUIRE(props != nullptr);
  click(control(props, "SSCommand3"));  // Hide saves the profile
  CHECK(waitFor([] { return fileExists("C:\\windows\\rem9.cfg"); }));
  CHECK(p.idle());
  for (int n = 1; n <= 9; ++n) CHECK(!fileExists("C:\\windowsrem" + std::to_string(n) + ".cfg"));
  keys(main, {VK_CONTROL, 'Q'});
  CHECK(p.waitExit(kPatience));
}

}  // namespace e2e
