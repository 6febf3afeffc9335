// Walking a folder from the picture with real keys: the High-Res view and
// full screen, the list, the current path, the preview and the status bar
// following, and the ends of the list.
#include <cstdio>

#include "common.h"

namespace e2e {

namespace {

struct Walked {
  const char* name;
  const char* colour;
};
const Walked kFolder[] = {{"a.bmp", "255,0,0"}, {"b.bmp", "0,255,0"}, {"c.bmp", "0,0,255"}};

}  // namespace

SCENARIO(walk_folder) {
  Program p;
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(writeFile("C:\\res.cfg", "1\r\n"));
  makeDirectory("C:\\WALK");
  for (const Walked& w : kFolder) {
    int r = 0, g = 0, b = 0;
    std::sscanf(w.colour, "%d,%d,%d", &r, &g, &b);
    COLORREF c = RGB(r, g, b);
    REQUIRE(writeFile(std::string("C:\\WALK\\") + w.name,
                      testpics::bitmapFile(200, 150, [c](int, int) { return c; })));
  }
  REQUIRE(writeFile("C:\\WALK\\notes.txt", "not a picture"));
  REQUIRE(p.start("", "C:\\WALK"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND files = control(main, "File1");
  HWND status = control(main, "StatusBar1");
  HWND view = control(main, "Image3");
  HWND preview = control(main, "Image2");
  HWND path = control(main, "Text1");
  CHECK(listItems(files) == (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp"}));

  // Everything that follows the shown picture, read off the screen.
  auto shows = [&](int at, const std::string& said) {
    const Walked& w = kFolder[at];
    return waitFor([&] {
      return rgb(pixelAt(view, 20, 20)) == w.colour && rgb(pixelAt(preview, 20, 20)) == w.colour &&
             text(path) == std::string("C:\\WALK\\") + w.name && listSelection(files) == at &&
             p.statusText(status) == said;
    });
  };
  REQUIRE(doubleClickItem(files, "a.bmp"));
  CHECK(waitFor([&] { return rgb(pixelAt(view, 20, 20)) == kFolder[0].colour; }));

  keys(main, {VK_SPACE});
  CHECK(shows(1, "b.bmp (2 of 3)"));
  keys(main, {VK_SPACE});
  CHECK(shows(2, "c.bmp (3 of 3)"));
  keys(main, {VK_SPACE});  // the end: no wrap, and never the text file
  CHECK(shows(2, "c.bmp (3 of 3) is the last picture"));
  keys(main, {VK_BACK});
  CHECK(shows(1, "b.bmp (2 of 3)"));
  keys(main, {VK_CONTROL, VK_HOME});
  CHECK(shows(0, "a.bmp (1 of 3)"));
  keys(main, {VK_BACK});
  CHECK(shows(0, "a.bmp (1 of 3) is the first picture"));
  keys(main, {VK_CONTROL, VK_END});
  CHECK(shows(2, "c.bmp (3 of 3)"));

  // Full screen walks with the same keys and the arrows; Esc comes back to
  // the view, which shows the picture reached there.
  click(control(main, "SSCommand18"));
  HWND full = p.form("Form6");
  REQUIRE(full != nullptr);
  CHECK(waitFor([&] { return rgb(pixelAt(full, 10, 10)) == kFolder[2].colour; }));
  keys(full, {VK_BACK});
  CHECK(waitFor([&] { return rgb(pixelAt(full, 10, 10)) == kFolder[1].colour; }));
  keys(full, {VK_LEFT});
  CHECK(waitFor([&] { return rgb(pixelAt(full, 10, 10)) == kFolder[0].colour; }));
  keys(full, {VK_RIGHT});
  CHECK(waitFor([&] { return rgb(pixelAt(full, 10, 10)) == kFolder[1].colour; }));
  keys(full, {VK_ESCAPE});
  CHECK(waitFor([&] { return !IsWindow(full); }));
  CHECK(shows(1, "b.bmp (2 of 3)"));
}

}  // namespace e2e
