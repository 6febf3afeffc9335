// Today's pictures on the Image page: PNG, JPEG, GIF and TIFF listed and
// shown with their quarters where they belong, a camera's turned photo shown
// upright, hostile ones refused with a word and never under the previous
// picture, and a JPEG named on the command line opened in the view.
#include <cstdio>

#include "../encoded_pictures.h"
#include "common.h"

namespace e2e {

namespace {

using testpics::Container;

const std::string kPhotos = "C:\\PHOTOS\\";
constexpr int kW = 80, kH = 50;

COLORREF upright(int x, int y) {
  return testpics::quarter(x, y, kW, kH);
}

bool closeTo(COLORREF a, COLORREF b) {
  auto within = [](int x, int y) { return (x > y ? x - y : y - x) <= 48; };
  return within(GetRValue(a), GetRValue(b)) && within(GetGValue(a), GetGValue(b)) &&
         within(GetBValue(a), GetBValue(b));
}

// The window shows the four quarters, each at the middle of its place.
bool showsQuarters(HWND w) {
  RECT r;
  GetClientRect(w, &r);
  for (int qy : {1, 3})
    for (int qx : {1, 3}) {
      int x = r.right * qx / 4, y = r.bottom * qy / 4;
      if (!closeTo(pixelAt(w, x, y), testpics::quarter(qx, qy, 4, 4))) return false;
    }
  return true;
}

std::string describeQuarters(HWND w) {
  RECT r;
  GetClientRect(w, &r);
  std::string seen;
  for (int qy : {1, 3})
    for (int qx : {1, 3}) seen += rgb(pixelAt(w, r.right * qx / 4, r.bottom * qy / 4)) + " ";
  return seen;
}

// An Exif block whose IFD0 (upright) links back to itself, and one whose
// entry count runs past its end (so its "turned" entry is not believed).
std::string loopingTiff() {
  return std::string("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x01\0\0\0\x08\0\0\0", 26);
}
std::string overrunTiff() {
  return std::string("II*\0\x08\0\0\0\xFF\x7F\x12\x01\x03\0\x01\0\0\0\x06\0", 20);
}

}  // namespace

SCENARIO(todays_pictures) {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(writeFile("C:\\res.cfg", "1\r\n"));
  makeDirectory(kPhotos);
  std::string jpeg = testpics::encoded(Container::Jpeg, kW, kH, upright);
  REQUIRE(!jpeg.empty());
  struct Shown {
    const char* name;
    std::string bytes;
  } shown[] = {
      {"quarters.png", testpics::encoded(Container::Png, kW, kH, upright)},
      {"quarters.jpg", jpeg},
      {"QUARTERS.JPEG", jpeg},
      {"quarters.gif", testpics::encoded(Container::Gif, kW, kH, upright)},
      {"quarters.tif", testpics::encoded(Container::Tiff, kW, kH, upright)},
      {"turned6.jpg",
       testpics::withExif(
           testpics::encoded(Container::Jpeg, kH, kW, testpics::storedFor(6, kW, kH, upright)), 6)},
      {"looping.jpg", testpics::withExif(jpeg, 1, loopingTiff())},
      {"overrun.jpg", testpics::withExif(jpeg, 1, overrunTiff())},
  };
  for (const Shown& s : shown) REQUIRE(writeFile(kPhotos + s.name, s.bytes));
  REQUIRE(writeFile(kPhotos + "good.bmp",
                    testpics::bitmapFile(40, 40, [](int, int) { return RGB(255, 0, 255); })));
  REQUIRE(writeFile(kPhotos + "huge.png", testpics::pngHeaderOnly(60000, 60000)));
  REQUIRE(writeFile(kPhotos + "cut.jpg", jpeg.substr(0, jpeg.size() / 2)));
  REQUIRE(writeFile(kPhotos + "words.png", "These are words, not a picture.\r\n"));
  REQUIRE(writeFile(kPhotos + "notes.txt", "not listed"));

  Program p;
  REQUIRE(p.start("", kPhotos));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND list = control(main, "File1"), preview = control(main, "Image2");
  HWND view = control(main, "Image3"), status = control(main, "StatusBar1");
  std::vector<std::string> items = listItems(list);
  for (const Shown& s : shown)
    CHECK_MSG(std::find(items.begin(), items.end(), s.name) != items.end(),
              std::string("the list shows ") + s.name, "");
  CHECK(std::find(items.begin(), items.end(), "notes.txt") == items.end());

  for (const Shown& s : shown) {
    REQUIRE(clickItem(list, s.name));
    CHECK_MSG(waitFor([&] { return showsQuarters(preview); }),
              std::string(s.name) + " previews upright", describeQuarters(preview));
    CHECK(p.running());
  }
  REQUIRE(doubleClickItem(list, "turned6.jpg"));
  CHECK_MSG(waitFor([&] { return showsQuarters(view); }), "turned6.jpg is upright in the view",
            describeQuarters(view));
  // Upright, it is wider than high, as the picture it shows.
  CHECK(waitFor(
      [&] { return twipsRect(view).width == kW * 15 && twipsRect(view).height == kH * 15; }));

  // Refused ones never show the picture before them, and say why.
  const struct {
    const char* name;
    const char* why;
  } refused[] = {{"huge.png", "too large to show"},
                 {"cut.jpg", "damaged picture"},
                 {"words.png", "not a picture"}};
  for (const auto& r : refused) {
    REQUIRE(clickItem(list, "good.bmp"));
    CHECK(waitFor([&] { return rgb(pixelAt(preview, 10, 10)) == rgb(RGB(255, 0, 255)); }));
    REQUIRE(clickItem(list, r.name));
    std::string said = std::string(r.name) + " cannot be shown: " + r.why;
    CHECK_MSG(waitFor([&] { return p.statusText(status) == said; }), said, p.statusText(status));
    CHECK(p.idle());
    CHECK_MSG(rgb(pixelAt(preview, 10, 10)) != rgb(RGB(255, 0, 255)),
              std::string("the preview is cleared for ") + r.name, rgb(pixelAt(preview, 10, 10)));
    CHECK(p.running());
    CHECK(!p.messageBoxOpen());
  }
  keys(main, {VK_CONTROL, 'Q'});
  CHECK(p.waitExit(kPatience));

  // A photo named on the command line, as "Open with" hands it over.
  Program q;
  REQUIRE(q.start(kPhotos + "quarters.jpg", kPhotos));
  main = q.form("Form1");
  REQUIRE(main != nullptr);
  view = control(main, "Image3");
  CHECK_MSG(waitFor([&] { return showsQuarters(view); }), "the command line's JPEG is viewed",
            describeQuarters(view));
  CHECK_EQ(text(control(main, "Text1")), kPhotos + "quarters.jpg");
}

}  // namespace e2e
