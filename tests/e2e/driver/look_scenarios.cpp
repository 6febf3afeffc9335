// How the windows look on screen: colours read from the screen's pixels, and
// the screenshots of the user guide.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "../encoded_pictures.h"
#include "common.h"

namespace e2e {

namespace {

double luminance(COLORREF c) {
  auto channel = [](int v) {
    double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) +
         0.0722 * channel(GetBValue(c));
}

double contrast(COLORREF a, COLORREF b) {
  double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The window as it stands on the screen, saved as a BMP in $E2E_SHOTS.
void saveShot(HWND window, const std::string& name) {
  const char* folder = std::getenv("E2E_SHOTS");
  if (!folder || !*folder) return;
  RECT r = windowRect(window);
  int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  std::size_t size = static_cast<std::size_t>((w * 3 + 3) / 4 * 4) * static_cast<std::size_t>(h);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(size);
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  bytes.append(static_cast<const char*>(bits), size);
  writeFile(std::string(folder) + "\\" + name + ".bmp", bytes);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
}

// Lets the windows finish painting.
void settle(Program& p) {
  CHECK(p.idle());
}

const char* const kTabNames[] = {"image", "music", "sound", "mci", "cd", "about", "help"};

// The box of the pixels inside the button that differ from its face colour,
// leaving out its 3-D edges.
RECT pictureExtent(HWND button, COLORREF& face) {
  RECT client;
  GetClientRect(button, &client);
  int edge = 4;
  face = pixelAt(button, edge, client.bottom / 2);
  RECT box{client.right, client.bottom, -1, -1};
  for (int y = edge; y < client.bottom - edge; ++y)
    for (int x = edge; x < client.right - edge; ++x)
      if (pixelAt(button, x, y) != face) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box;
}

}  // namespace

// The main window on each page and the tips window, for the user guide.
// The reminder's properties, a break with its message, and the notice that
// comes a minute before the break once it has been put off.
void shootReminder(Program& p, HWND main, const std::string& suffix) {
  keys(main, {VK_CONTROL, 'R'});
  HWND props = p.form("FORM19");
  REQUIRE(props != nullptr);
  setText(control(props, "Text1"), "45");
  setText(control(props, "Text2"), "5");
  setText(control(props, "Text3"), "Time to stretch your legs and rest your eyes.");
  click(control(props, "Option1"));
  settle(p);
  saveShot(props, "reminder" + suffix);
  click(control(props, "Command6"));
  HWND pause = p.form("Form20");
  REQUIRE(pause != nullptr);
  settle(p);
  saveShot(pause, "break" + suffix);
  click(control(pause, "Command2"));
  CHECK(waitFor([&] { return !IsWindow(pause); }));
  CHECK(waitFor([&] { return (props = p.formNow("FORM19", false)) != nullptr; }));
  CHECK(p.idle());
  for (int i = 0; i < 4; ++i) minute(props, L"Timer2");
  HWND notice = p.form("Form21");
  REQUIRE(notice != nullptr);
  settle(p);
  saveShot(notice, "notice" + suffix);
}

SCENARIO(screenshots) {
  knowWindowsPath();
  showTipsAtStart(false);
  {
    Program p;
    HWND main = startMain(p);
    HWND tabs = control(main, "SSTab1");
    for (int tab = 0; tab < 7; ++tab) {
      p.selectTab(tabs, tab);
      CHECK(waitFor([&] { return currentTab(tabs) == tab; }));
      postMouseMove(main, 1, 1);  // an empty status bar
      settle(p);
      saveShot(main, std::string("main-") + kTabNames[tab]);
    }
  }
  // A photo in the High-Res view beside the widened window, among pictures
  // of the other formats the Image page lists.
  {
    REQUIRE(writeFile("C:\\res.cfg", "1\r\n"));
    makeDirectory("C:\\PICS");
    auto sunset = [](int x, int y) {
      int sky = y < 200;
      return sky ? RGB(255, 120 + y / 2, 40 + x / 8) : RGB(20 + x / 10, 60 + (y - 200), 120);
    };
    REQUIRE(writeFile("C:\\PICS\\sunset.jpg",
                      testpics::encoded(testpics::Container::Jpeg, 400, 300, sunset)));
    REQUIRE(writeFile("C:\\PICS\\beach.png",
                      testpics::encoded(testpics::Container::Png, 40, 30, sunset)));
    REQUIRE(writeFile("C:\\PICS\\logo.gif",
                      testpics::encoded(testpics::Container::Gif, 40, 30, sunset)));
    REQUIRE(writeFile("C:\\PICS\\scan.tif",
                      testpics::encoded(testpics::Container::Tiff, 40, 30, sunset)));
    REQUIRE(writeFile("C:\\PICS\\drawing.bmp", testpics::bitmapFile(40, 30, sunset)));
    Program p;
    REQUIRE(p.start("", "C:\\PICS"));
    HWND main = p.form("Form1");
    REQUIRE(main != nullptr);
    REQUIRE(doubleClickItem(control(main, "File1"), "sunset.jpg"));
    CHECK(waitFor([&] { return IsWindowVisible(control(main, "Image3")); }));
    postMouseMove(main, 1, 1);
    settle(p);
    saveShot(main, "main-view");
  }
  showTipsAtStart(true);
  Program p;
  HWND main = startMain(p);
  HWND tips = p.form("Form14");
  REQUIRE(tips != nullptr);
  settle(p);
  saveShot(tips, "tips");
  click(control(tips, "Command1"));

  shootReminder(p, main, "");
}

// At 144 DPI: the main window, the reminder's properties and a break.
SCENARIO(screenshots_144dpi) {
  knowWindowsPath();
  showTipsAtStart(false);
  Program p;
  HWND main = startMain(p);
  postMouseMove(main, 1, 1);
  settle(p);
  saveShot(main, "main-144dpi");
  shootReminder(p, main, "-144dpi");
}

// The grey of the pages, the picture buttons, and readable disabled text.
SCENARIO(look) {
  removeFile("C:\\windir.cfg");
  Program p;
  REQUIRE(p.start());
  HWND dialog = p.form("Form15");
  REQUIRE(dialog != nullptr);
  click(control(dialog, "SSCommand1"));
  HWND main = p.form("Form1");
  HWND tips = p.form("Form14");
  REQUIRE(main != nullptr && tips != nullptr);
  settle(p);

  // Welcome mode: the disabled check box's text stands out from its background.
  HWND check = control(tips, "Check1");
  REQUIRE(!enabled(check));
  RECT r;
  GetClientRect(check, &r);
  COLORREF back = pixelAt(check, r.right - 2, r.bottom / 2);
  COLORREF darkest = back;
  for (int y = 0; y < r.bottom; ++y)
    for (int x = r.bottom + 2; x < r.right / 2; ++x) {
      COLORREF c = pixelAt(check, x, y);
      if (luminance(c) < luminance(darkest)) darkest = c;
    }
  double ratio = contrast(darkest, back);
  std::printf("  disabled check box text %s on %s: contrast %.2f\n", rgb(darkest).c_str(),
              rgb(back).c_str(), ratio);
  CHECK(ratio >= 3.0);
  click(control(tips, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(tips); }));

  // The pages are the main window's grey, below the CD page's frame and
  // beside it.
  HWND tabs = control(main, "SSTab1");
  p.selectTab(tabs, 4);
  CHECK(waitFor([&] { return currentTab(tabs) == 4; }));
  settle(p);
  GetClientRect(tabs, &r);
  COLORREF centre = pixelAt(tabs, r.right / 2, r.bottom - 10 * dpi() / 96);
  COLORREF beside = pixelAt(tabs, 20 * dpi() / 96, r.bottom - 20 * dpi() / 96);
  CHECK_EQ(rgb(centre), std::string("192,192,192"));
  CHECK_EQ(rgb(beside), std::string("192,192,192"));

  // The Image page's Open button: a picture on the button's own face, with no
  // square around it, at the size the screen's DPI asks for.
  p.selectTab(tabs, 0);
  CHECK(waitFor([&] { return currentTab(tabs) == 0; }));
  HWND open = control(main, "SSCommand22");
  postMouseMove(main, 1, 1);
  settle(p);
  COLORREF face = 0;
  RECT box = pictureExtent(open, face);
  int w = box.right - box.left, h = box.bottom - box.top;
  std::printf("  Open picture %dx%d at %ld,%ld on face %s\n", w, h, box.left, box.top,
              rgb(face).c_str());
  RECT client;
  GetClientRect(open, &client);
  int cell = 32 * dpi() / 96;  // the picture's square, centred on the button
  int cellLeft = (client.right - cell) / 2, cellTop = (client.bottom - cell) / 2;
  for (POINT corner : {POINT{cellLeft, cellTop}, POINT{cellLeft + cell - 1, cellTop},
                       POINT{cellLeft, cellTop + cell - 1}})
    CHECK_EQ(rgb(pixelAt(open, corner.x, corner.y)), rgb(face));
  // The folder fills 30 x 20 of its 32 x 32 square at 96 DPI.
  CHECK(std::abs(w - 30 * dpi() / 96) <= 1);
  CHECK(std::abs(h - 20 * dpi() / 96) <= 1);
}

}  // namespace e2e
