// Drive C: that cannot be written: the settings live in the user's folder.
#include "common.h"

#include <shlobj.h>

namespace e2e {

std::string userSettings(const char* name) {
  PWSTR folder = nullptr;
  SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder);
  std::string dir = utf8(folder ? folder : L"");
  CoTaskMemFree(folder);
  return dir + "\\Varilume SE\\" + name;
}

namespace {

std::string contents(const std::string& path) {
  return readFile(path).value_or("<none>");
}

}  // namespace

SCENARIO(readonly_c) {
  // The test only means something if the root of C: really refuses writes.
  REQUIRE(!writeFile("C:\\probe.txt", "x"));
  REQUIRE(userSettings("x").rfind("C:", 0) != 0);

  Program p;
  REQUIRE(p.start());
  HWND dialog = p.form("Form15");
  REQUIRE(dialog != nullptr);
  click(control(dialog, "SSCommand1"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  CHECK(p.form("Form14") != nullptr);
  CHECK(!fileExists("C:\\windir.cfg"));
  CHECK_EQ(contents(userSettings("windir.cfg")), std::string("c:\\windows\\\r\n"));
  CHECK_EQ(contents(userSettings("res.cfg")), std::string("1\r\n"));
  CHECK_EQ(contents(userSettings("tip.cfg")), std::string("1\r\n"));
  CHECK(checked(control(main, "Option1")));
  click(control(main, "Option2"));
  CHECK(waitFor([] { return contents(userSettings("res.cfg")) == "0\r\n"; }));

  p.kill();
  main = startMain(p);
  CHECK(p.formNow("Form15", false) == nullptr);
  CHECK(checked(control(main, "Option2")));
  CHECK(!checked(control(main, "Option1")));
  CHECK(p.form("Form14") != nullptr);

  // The Windows directory cannot be written either: the reminder's profile
  // goes to the user's folder and is read from there.
  REQUIRE(!writeFile("C:\\windows\\probe.txt", "x"));
  keys(main, {VK_CONTROL, 'R'});
  HWND props = p.form("FORM19");
  REQUIRE(props != nullptr);
  setText(control(props, "Text1"), "33");
  click(control(props, "SSCommand3"));
  CHECK(waitFor([] { return contents(userSettings("rem1.cfg")) == "33\r\n"; }));
  p.kill();
  main = startMain(p);
  keys(main, {VK_CONTROL, 'R'});
  props = p.form("FORM19");
  REQUIRE(props != nullptr);
  CHECK_EQ(text(control(props, "Text1")), std::string("33"));

  // A logo applied onto a Windows directory that cannot be written: the
  // message says the logo was not changed, and nothing is there.
  REQUIRE(writeFile("D:\\pic.bmp",
                    testpics::bitmapFile(32, 40, [](int, int) { return RGB(9, 9, 9); })));
  p.kill();
  main = startMain(p, "D:\\pic.bmp");
  keys(main, {VK_CONTROL, 'L'});
  CHECK(waitFor([&] { return twipsRect(control(main, "SSPanel10")).top == 300; }));
  click(control(main, "SSCommand12"));
  auto box = waitMessageBox(p.pid());
  REQUIRE(box.has_value());
  CHECK(box->title != "Success");
  CHECK(box->text.find("The shutdown logo was not changed.") != std::string::npos);
  pressOk(*box);
  CHECK(p.idle());
  CHECK(!fileExists("C:\\windows\\logow.sys"));
}

}  // namespace e2e
