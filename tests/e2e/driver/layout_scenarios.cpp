// Places and sizes of the windows at the screen's DPI, and that every text fits.
#include <cstdio>

#include "../probe/probe_protocol.h"
#include "common.h"

namespace e2e {

namespace {

struct Placed {
  const char* name;
  Rect rect;
};

void checkPlaces(HWND form, std::initializer_list<Placed> places) {
  for (const Placed& p : places) CHECK(placedAt(control(form, p.name), p.rect));
}

// The client area of a form, in twips.
void checkClient(HWND form, int width, int height) {
  RECT r;
  GetClientRect(form, &r);
  if (std::abs(twips(r.right) - width) > twips(1) || std::abs(twips(r.bottom) - height) > twips(1))
    std::printf("  %s has a client area of %ldx%ld pixels\n", nameOf(form).c_str(), r.right,
                r.bottom);
  CHECK(std::abs(twips(r.right) - width) <= twips(1));
  CHECK(std::abs(twips(r.bottom) - height) <= twips(1));
}

// Buttons, labels, option buttons, check boxes and frames show their caption.
bool showsText(HWND c) {
  wchar_t cls[32] = {};
  GetClassNameW(c, cls, 32);
  return (lstrcmpiW(cls, L"Button") == 0 || lstrcmpiW(cls, L"Static") == 0 ||
          lstrcmpiW(cls, L"VarilumeFrame") == 0) &&
         !text(c).empty();
}

}  // namespace

bool isOneOf(const std::string& name, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (name == n) return true;
  return false;
}

// Every shown control lies inside its parent, and every text it shows fits it.
void checkNothingCutOff(Program& p, HWND form, std::initializer_list<const char*> outside) {
  for (HWND c : namedDescendants(form)) {
    if (!IsWindowVisible(c)) continue;
    std::string name = nameOf(c);
    RECT r, parent;
    GetWindowRect(c, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(c), reinterpret_cast<POINT*>(&r), 2);
    GetClientRect(GetParent(c), &parent);
    if (!isOneOf(name, outside) &&
        (r.left < 0 || r.top < 0 || r.right > parent.right || r.bottom > parent.bottom)) {
      fail(__FILE__, __LINE__, name + " reaches outside " + nameOf(GetParent(c)));
      std::printf("  %ld,%ld-%ld,%ld in %ldx%ld\n", r.left, r.top, r.right, r.bottom, parent.right,
                  parent.bottom);
    }
    if (showsText(c)) {
      std::string fits = p.probe(vlprobe::kTextFits, c);
      if (fits != "1")
        fail(__FILE__, __LINE__, "the text of " + nameOf(form) + "." + name + " is cut: " + fits);
    }
  }
}

SCENARIO(layout) {
  // A picture for the Image page's list, in the directory the program starts in.
  REQUIRE(writeFile(std::string(kInstallDir) + "\\sample.bmp", "BM"));
  Program p;
  REQUIRE(p.start());
  HWND dialog = p.form("Form15");
  REQUIRE(dialog != nullptr);
  checkClient(dialog, 5175, 3405);
  checkPlaces(dialog, {{"SSPanel1", {0, 0, 5175, 3375}},
                       {"Frame1", {120, 120, 4935, 3015}},
                       {"Label2", {240, 360, 4455, 1395}},
                       {"Label1", {240, 1860, 1935, 315}},
                       {"Text1", {2160, 1860, 2535, 315}},
                       {"SSPanel2", {180, 2220, 4575, 615}},
                       {"SSCommand1", {120, 120, 2175, 375}},
                       {"SSCommand2", {2280, 120, 2175, 375}}});
  checkNothingCutOff(p, dialog, {});
  click(control(dialog, "SSCommand1"));

  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND tips = p.form("Form14");
  REQUIRE(tips != nullptr);
  checkClient(tips, 5400, 3480);
  checkPlaces(tips, {{"Label1", {120, 420, 3615, 2415}}, {"Image1", {3915, 60, 1215, 2715}}});
  checkNothingCutOff(p, tips, {});
  click(control(tips, "Command1"));

  checkClient(main, 5865, 5205);
  checkPlaces(main, {{"SSPanel9", {0, 0, 5835, 4815}},       {"SSTab1", {45, 120, 5715, 4635}},
                     {"SSPanel11", {5940, 120, 5115, 4575}}, {"StatusBar1", {0, 4845, 5865, 360}},
                     {"Frame1", {600, 660, 4515, 3675}},     {"SSPanel14", {2400, 240, 1995, 915}},
                     {"Image2", {60, 60, 735, 795}},         {"SSPanel20", {840, 60, 1095, 795}},
                     {"Option1", {60, 120, 975, 255}},       {"Option2", {60, 420, 990, 255}},
                     {"SSOption1", {420, 60, 1215, 255}},    {"SSOption2", {420, 300, 1215, 255}},
                     {"SSOption3", {420, 540, 1215, 255}},   {"SSOption4", {1740, 60, 1335, 255}},
                     {"SSOption5", {1740, 300, 1335, 255}},  {"SSOption6", {1740, 540, 1335, 255}},
                     {"SSOption7", {3180, 60, 1335, 255}},   {"Image5", {180, 120, 4695, 555}},
                     {"SSCommand22", {120, 240, 735, 915}},  {"Drive1", {120, 1200, 4275, 330}},
                     {"Dir1", {120, 1560, 2115, 1950}},      {"File1", {2280, 1560, 2115, 1950}},
                     {"SSCommand16", {120, 240, 735, 915}},  {"Drive4", {120, 1200, 4275, 330}},
                     {"File4", {2280, 1560, 2115, 1950}}});

  // All seven tab headers show in one row inside the tab control.
  HWND tabs = control(main, "SSTab1");
  RECT tabClient;
  GetClientRect(tabs, &tabClient);
  const char* captions[] = {"Image", "Music", "Sound", "MCI Devices", "CD", "About", "?"};
  for (int i = 0; i < 7; ++i) {
    CHECK_EQ(p.probe(vlprobe::kTabCaption, tabs, i), std::string(captions[i]));
    std::istringstream r(p.probe(vlprobe::kTabRect, tabs, i));
    long left = 0, top = 0, right = 0, bottom = 0;
    r >> left >> top >> right >> bottom;
    CHECK(right <= tabClient.right && top < 5);
  }
  for (int page = 0; page < 7; ++page) {
    p.selectTab(tabs, page);
    CHECK(waitFor([&] { return currentTab(tabs) == page; }));
    // The page fields of the current files, the High-Res panel and the parked
    // Low-Res view lie out of sight on purpose.
    checkNothingCutOff(p, main,
                       {"Text1", "Text2", "Text3", "Text4", "SSPanel11", "Frame17", "SSPanel10"});
  }
  // The location dialog of the Image page.
  HWND file1 = control(main, "File1");
  p.selectTab(tabs, 0);
  CHECK(waitFor([&] { return currentTab(tabs) == 0; }));
  std::vector<std::string> files = listItems(file1);
  if (!files.empty()) {
    clickItem(file1, files.front());
    if (p.choosePopupItem(file1, "Copy File")) {
      HWND location = p.form("Form4");
      REQUIRE(location != nullptr);
      // The designed dialog, and below its panel the line that names the file.
      checkClient(location, 4530, 3165 + 300);
      checkPlaces(location, {{"Label3", {120, 3150, 4275, 255}},
                             {"Drive1", {120, 120, 4275, 330}},
                             {"Dir1", {120, 480, 4275, 1950}},
                             {"SSPanel1", {60, 60, 4395, 3015}},
                             {"SSCommand2", {60, 2460, 2115, 435}},
                             {"SSCommand1", {2220, 2460, 2115, 435}}});
      checkNothingCutOff(p, location, {});
      click(control(location, "SSCommand1"));
    }
  } else {
    fail(__FILE__, __LINE__, "no picture to copy in the Image page's list");
  }
  CHECK_EQ(text(control(main, "Frame5")), std::string("Music Browser"));
  CHECK_EQ(text(control(main, "Frame8")), std::string("Sound Browser"));
  CHECK_EQ(text(control(main, "Frame11")), std::string("MCI Browser"));
  CHECK_EQ(text(control(main, "Frame21")), std::string("Disc Browser"));
  CHECK_EQ(text(control(main, "Frame2")), std::string("Program Version"));
  CHECK_EQ(text(control(main, "Label21")), std::string("Varilume SE 3.5"));
}

}  // namespace e2e

namespace e2e {

// Both view panels open, at the screen's DPI: the wide window holds the
// High-Res view whole, and the raised Low-Res view fits its page.
SCENARIO(view_layouts) {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(writeFile("C:\\res.cfg", "1\r\n"));
  makeDirectory("C:\\PICS");
  REQUIRE(copyFile(std::string(kInstallDir) + "\\varilume.exe", "C:\\PICS\\nothing.bmp"));
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  REQUIRE(doubleClickItem(control(main, "File1"), "nothing.bmp"));
  HWND panel = control(main, "SSPanel11");
  CHECK(waitFor(
      [&] { return IsWindowVisible(panel) && windowRect(main).right > windowRect(panel).right; }));
  RECT client, inside;
  GetClientRect(main, &client);
  GetWindowRect(panel, &inside);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&inside), 2);
  CHECK(inside.right <= client.right);
  checkNothingCutOff(p, main, {"Text1", "Text2", "Text3", "Text4", "Frame17", "SSPanel10"});

  click(control(main, "Option2"));
  REQUIRE(doubleClickItem(control(main, "File1"), "nothing.bmp"));
  CHECK(waitFor([&] { return twipsRect(control(main, "Frame17")).top == 60; }));
  checkNothingCutOff(p, main, {"Text1", "Text2", "Text3", "Text4", "SSPanel11", "SSPanel10"});

  // The logo changer raised over the Low-Res view.
  keys(main, {VK_CONTROL, 'L'});
  CHECK(waitFor([&] { return twipsRect(control(main, "SSPanel10")).top == 300; }));
  checkNothingCutOff(p, main, {"Text1", "Text2", "Text3", "Text4", "SSPanel11"});
}

}  // namespace e2e
