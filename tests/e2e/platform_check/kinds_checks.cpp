// The scroll bar, timer and image kinds in the real window back end: what a
// user and an outside driver see and do.
#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>

#include "../pictures.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/windows/ui.h"
#include "platform/win32/windows/window_of.h"
#include "services.h"

namespace pc {

namespace {

constexpr DWORD kDeadline = 5000;

class KindsForm : public vl::Form {
 public:
  explicit KindsForm(vl::Ui& ui) : Form(ui, "KindsForm", "Kinds", 6000, 4500) {
    vl::place(viewport, 0, 0, 3000, 1500);
    vl::place(across, 0, 3000, 3000, 255);
    vl::place(play, 3600, 0, 735, 915);
    play.setPicture("res:PLAY");
    vl::place(parked, 0, 9000, 3000, 900);  // below the form, out of sight
    vl::place(parkedBar, 0, 0, 3000, 255);
    vl::place(parkedButton, 0, 300, 735, 375, "Park");
  }
  vl::Panel viewport{this, "viewport"};
  vl::ImageBox image{&viewport, "Image1"};
  vl::ScrollBar across{this, "HScroll1", vl::Orientation::Horizontal};
  vl::Timer tick{this, "Timer2"};
  vl::CommandButton play{this, "SSCommand21"};
  vl::Panel parked{this, "parked"};
  vl::ScrollBar parkedBar{&parked, "HScroll2", vl::Orientation::Horizontal};
  vl::CommandButton parkedButton{&parked, "SSCommand2"};
};

// Controls inside a panel out of sight follow every change once it comes
// into view: place, range and value.
void checkOutOfSight(KindsForm& form) {
  form.parked.setTop(3300);  // into view: its windows are made now
  pump();
  HWND bar = vl::win32::windowOf(form.parkedBar);
  CHECK_MSG(bar != nullptr, "the parked panel's scroll bar has a window once in view", "no window");
  form.parked.setTop(9000);
  pump();
  form.parkedBar.setRange(0, 500);
  form.parkedBar.setValue(420);
  form.parkedButton.setLeft(1200);
  pump();
  form.parked.setTop(3300);
  pump();
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_POS;
  GetScrollInfo(bar, SB_CTL, &info);
  CHECK_EQ_MSG(std::to_string(info.nMax) + "/" + std::to_string(info.nPos), "500/420",
               "range and value caught up when in view");
  RECT r;
  GetWindowRect(vl::win32::windowOf(form.parkedButton), &r);
  MapWindowPoints(nullptr, vl::win32::windowOf(form.parked), reinterpret_cast<POINT*>(&r), 2);
  HDC screen = GetDC(nullptr);
  int expected = MulDiv(1200, GetDeviceCaps(screen, LOGPIXELSX), 1440);
  ReleaseDC(nullptr, screen);
  CHECK_EQ_MSG(r.left, expected, "the button's place caught up");
}

std::string bitmap(int w, int h, COLORREF (*colour)(int x, int y)) {
  return testpics::bitmapFile(w, h, colour);
}

COLORREF screenPixel(HWND hwnd, int x, int y) {
  return testpics::screenPixel(hwnd, x, y);
}

// "r,g,b", or the whole value in hex when it is no plain colour (CLR_INVALID).
std::string colourText(COLORREF c) {
  if (c >> 24) {
    std::ostringstream hex;
    hex << "0x" << std::hex << std::uppercase << c;
    return hex.str();
  }
  return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
         std::to_string(GetBValue(c));
}

std::string colourPair(COLORREF a, COLORREF b) {
  return colourText(a) + " and " + colourText(b);
}

UINT_PTR timerId(HWND form, const wchar_t* name) {
  return reinterpret_cast<UINT_PTR>(
      GetPropW(form, (std::wstring(L"VarilumeTimer ") + name).c_str()));
}

void checkTimer(KindsForm& form) {
  HWND hwnd = vl::win32::windowOf(form);
  int ticks = 0;
  form.tick.Tick = [&] { ++ticks; };
  form.tick.setInterval(20);
  bool ticked = pumpUntil([&] { return ticks >= 3; }, kDeadline);
  CHECK_MSG(ticked, "a running timer ticks on its own", std::to_string(ticks) + " ticks in 5 s");
  form.tick.setInterval(600000);
  pump();
  ticks = 0;
  UINT_PTR id = timerId(hwnd, L"Timer2");
  PostMessageW(hwnd, WM_TIMER, id, 0);
  pump();
  CHECK_EQ_MSG(ticks, 1, "a WM_TIMER posted with the ID the form names runs one tick");
  form.tick.setEnabled(false);
  PostMessageW(hwnd, WM_TIMER, id, 0);
  pump();
  CHECK_EQ_MSG(ticks, 1, "a disabled timer does not tick");
}

// Two timers of one name in one form.
class TwinTimers : public vl::Form {
 public:
  explicit TwinTimers(vl::Ui& ui) : Form(ui, "TwinTimers", "Twins", 1500, 900) {}
  vl::Timer first{this, "Timer1"};
  vl::Timer second{this, "Timer1"};
};

// Timers of one name, in one form and in two, each keep their own time: one
// being stopped, or its form closed, does not stop another.
void checkTimersOfOneName(vl::Ui& ui) {
  TwinTimers one(ui), two(ui);
  one.show();
  two.show();
  pump();
  int ticks[3] = {};
  one.first.Tick = [&] { ++ticks[0]; };
  one.second.Tick = [&] { ++ticks[1]; };
  two.first.Tick = [&] { ++ticks[2]; };
  for (vl::Timer* t : {&one.first, &one.second, &two.first}) t->setInterval(20);
  bool all = pumpUntil([&] { return ticks[0] >= 2 && ticks[1] >= 2 && ticks[2] >= 2; }, kDeadline);
  CHECK_MSG(all, "three timers named Timer1, two in one form, all tick",
            std::to_string(ticks[0]) + ", " + std::to_string(ticks[1]) + " and " +
                std::to_string(ticks[2]) + " ticks");
  one.second.setEnabled(false);
  two.unload();
  pump();
  ticks[0] = 0;
  bool goesOn = pumpUntil([&] { return ticks[0] >= 2; }, kDeadline);
  CHECK_MSG(goesOn, "stopping its namesakes leaves a timer running",
            std::to_string(ticks[0]) + " ticks");
  one.unload();
}

void checkScrollBar(KindsForm& form) {
  HWND hwnd = vl::win32::windowOf(form);
  HWND bar = vl::win32::windowOf(form.across);
  std::string seen;
  form.across.Scroll = [&] { seen += "s" + std::to_string(form.across.value()) + " "; };
  form.across.Change = [&] { seen += "c" + std::to_string(form.across.value()) + " "; };
  form.across.setRange(0, 1000);
  form.across.setChanges(10, 100);
  form.across.setValue(250);
  CHECK_EQ_MSG(GetScrollPos(bar, SB_CTL), 250, "the thumb follows a value set by the program");
  auto send = [&](WORD code, WORD pos) {
    SendMessageW(hwnd, WM_HSCROLL, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(bar));
  };
  seen.clear();
  send(SB_THUMBTRACK, 400);
  send(SB_THUMBTRACK, 420);
  send(SB_THUMBPOSITION, 420);
  send(SB_ENDSCROLL, 0);
  send(SB_LINERIGHT, 0);
  send(SB_PAGELEFT, 0);
  CHECK_EQ_MSG(seen, "s400 s420 c420 c430 c330 ", "dragging scrolls, letting go and steps change");
  CHECK_EQ_MSG(GetScrollPos(bar, SB_CTL), 330, "the thumb stays where the value is");

  // A click on the right arrow, as the mouse gives it.
  RECT r;
  GetClientRect(bar, &r);
  int arrow = GetSystemMetrics(SM_CXHSCROLL);
  LPARAM at = MAKELPARAM(r.right - arrow / 2, r.bottom / 2);
  PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(bar, WM_LBUTTONUP, 0, at);
  pumpUntil([&] { return form.across.value() == 340; }, kDeadline);
  CHECK_EQ_MSG(form.across.value(), 340, "a click on the right arrow moves one small change");
}

std::string words(std::initializer_list<unsigned> values, int size) {
  std::string out;
  for (unsigned v : values)
    for (int i = 0; i < size; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  return out;
}

// Damaged files of each kind: refused or shown, never a crash or a hang.
void checkBadInput(KindsForm& form, const std::string& folder) {
  struct Bad {
    const char* name;
    std::string bytes;
    bool refused;  // else shown as far as it goes
  };
  // A Windows metafile whose second record has no size, then the end record.
  std::string wmf = words({1, 9, 0x300}, 2) + words({30}, 4) + words({0}, 2) + words({3}, 4) +
                    words({0}, 2) + words({5}, 4) + words({0x020C, 10, 10}, 2) + words({0}, 4) +
                    words({0x0001}, 2) + words({3}, 4) + words({0}, 2);
  // An icon whose only image lies past the end of the file.
  std::string ico = words({0, 1, 1}, 2) + std::string("\x20\x20\x00\x00", 4) + words({1, 32}, 2) +
                    words({1000, 0x7FFFFFF0}, 4);
  // RLE8 that draws five rows into a picture of two, then runs off the end.
  std::string rle = bitmap(4, 2, [](int, int) { return RGB(0, 0, 0); });
  rle.resize(54);
  unsigned compression = BI_RLE8;
  std::memcpy(&rle[30], &compression, 4);
  std::string rle24 = rle;  // run-length bits at 24 bits a pixel: no system draws them
  rle[28] = 8;
  rle += std::string(256 * 4, '\x10');  // a grey palette's worth of entries
  rle[10] = static_cast<char>(54 + 1024);
  rle[11] = static_cast<char>((54 + 1024) >> 8);
  for (int row = 0; row < 5; ++row) rle += std::string("\x04\x07\x00\x00", 4);
  rle += std::string("\x7F\x07", 2);
  const Bad bad[] = {{"zero-size record.wmf", wmf, true},
                     {"offset past the end.ico", ico, true},
                     {"rows past the end.bmp", rle, false},
                     {"run-length at 24 bits.bmp", rle24 + std::string(1024 + 22, '\x10'), true},
                     {"text.bmp", "This is not a picture at all.\r\n", true},
                     {"empty.emf", "", true}};
  for (const Bad& b : bad) {
    std::string path = folder + b.name;
    writeFile(path, b.bytes);
    std::string error = form.image.setPicture(path);
    UpdateWindow(vl::win32::windowOf(form));
    pump();
    if (b.refused)
      CHECK_MSG(!error.empty(), std::string(b.name) + " is refused", "shown with no error");
    else
      CHECK_EQ_MSG(error, "", std::string(b.name) + " is shown");
  }
}

void checkImage(KindsForm& form, const std::string& folder) {
  std::string path = folder + "two colours.bmp";
  // 80 x 20, red in its left 50 columns and blue in the rest.
  writeFile(path,
            bitmap(80, 20, [](int x, int) { return x < 50 ? RGB(255, 0, 0) : RGB(0, 0, 255); }));
  vl::win32::Win32Ui& ui = static_cast<vl::win32::Win32Ui&>(form.ui());
  // Natural size, 20 pixels left and 5 up of the viewport's corner.
  vl::place(form.image, -ui.toTwips(20), -ui.toTwips(5), 15, 15);
  std::string error = form.image.setPicture(path);
  CHECK_EQ_MSG(error, "", "a bitmap file loads into an image control");
  HWND image = vl::win32::windowOf(form.image);
  HWND viewport = vl::win32::windowOf(form.viewport);
  RECT r;
  GetWindowRect(image, &r);
  MapWindowPoints(nullptr, viewport, reinterpret_cast<POINT*>(&r), 2);
  CHECK_EQ_MSG(std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                   std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top),
               "-20,-5 80x20",
               "unstretched, the image window has the picture's size at its offset");
  UpdateWindow(vl::win32::windowOf(form));
  pump();
  COLORREF left = screenPixel(viewport, 10, 5), right = screenPixel(viewport, 40, 5);
  CHECK_EQ_MSG(colourPair(left, right), colourPair(RGB(255, 0, 0), RGB(0, 0, 255)),
               "the picture shows through the viewport, shifted by the offset");

  form.image.setStretch(true);
  vl::place(form.image, 0, 0, ui.toTwips(160), ui.toTwips(40));
  UpdateWindow(vl::win32::windowOf(form));
  pump();
  left = screenPixel(viewport, 90, 20);    // column 45 of the picture
  right = screenPixel(viewport, 110, 20);  // column 55
  CHECK_EQ_MSG(colourPair(left, right), colourPair(RGB(255, 0, 0), RGB(0, 0, 255)),
               "stretched, the picture fills the control");

  // Rows too: 40 x 40, green above row 20 and yellow below, shown from row 10 down.
  std::string rows = folder + "two rows.bmp";
  writeFile(rows,
            bitmap(40, 40, [](int, int y) { return y < 20 ? RGB(0, 255, 0) : RGB(255, 255, 0); }));
  form.image.setStretch(false);
  vl::place(form.image, 0, -ui.toTwips(10), 15, 15);
  form.image.setPicture(rows);
  UpdateWindow(vl::win32::windowOf(form));
  pump();
  COLORREF upper = screenPixel(viewport, 20, 5), lower = screenPixel(viewport, 20, 15);
  CHECK_EQ_MSG(colourPair(upper, lower), colourPair(RGB(0, 255, 0), RGB(255, 255, 0)),
               "a picture partly above its viewport shows its lower rows in place");

  // Headers that claim more than memory can hold are refused at once.
  for (int side : {100000, 30000}) {
    std::string header = bitmap(1, 1, [](int, int) { return RGB(0, 0, 0); });
    std::memcpy(&header[18], &side, 4);
    std::memcpy(&header[22], &side, 4);
    std::string huge = folder + "huge" + std::to_string(side) + ".bmp";
    writeFile(huge, header);
    std::string refused = form.image.setPicture(huge);
    CHECK_MSG(!refused.empty(),
              "a bitmap claiming " + std::to_string(side) + " pixels a side is refused",
              "loaded with no error");
  }

  checkBadInput(form, folder);

  auto shown = form.image.picture();
  error = form.image.setPicture(folder + "no such picture.bmp");
  CHECK_MSG(
      !error.empty() && form.image.picture() == shown,
      "a missing file is a clear failure and the picture stays",
      reason(error) + (form.image.picture() == shown ? ", same picture" : ", picture changed"));
}

// The green arrow of the Play picture, and its grey form when disabled.
void checkPictureButton(KindsForm& form) {
  HWND button = vl::win32::windowOf(form.play);
  RECT r;
  GetClientRect(button, &r);
  auto centre = [&] {
    UpdateWindow(button);
    pump();
    return screenPixel(button, r.right / 2, r.bottom / 2);
  };
  COLORREF shown = centre();
  CHECK_MSG(GetGValue(shown) > GetRValue(shown) + 60, "an enabled picture button shows its colours",
            colourText(shown));
  form.play.setEnabled(false);
  COLORREF greyed = centre();
  int spread = std::max({GetRValue(greyed), GetGValue(greyed), GetBValue(greyed)}) -
               std::min({GetRValue(greyed), GetGValue(greyed), GetBValue(greyed)});
  CHECK_MSG(spread < 16 && greyed != shown, "a disabled one shows it greyed",
            colourText(greyed) + ", enabled " + colourText(shown));
}

}  // namespace

void runKindsChecks(HINSTANCE instance, const std::string& folder) {
  vl::win32::SystemLibraries libraries;
  vl::win32::Win32Ui ui(instance, libraries);
  KindsForm form(ui);
  form.show();
  pump();
  checkTimer(form);
  checkTimersOfOneName(ui);
  checkScrollBar(form);
  checkImage(form, folder);
  checkPictureButton(form);
  checkOutOfSight(form);
}

}  // namespace pc
