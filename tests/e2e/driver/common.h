// Steps that many scenarios share.
#pragma once

#include <string>
#include <vector>

#include "../pictures.h"
#include "harness.h"

#include <commctrl.h>

namespace e2e {

inline const std::string kDriveC = "C:\\";

inline void knowWindowsPath(const std::string& path = "c:\\windows\\") {
  REQUIRE(writeFile("C:\\windir.cfg", path + "\r\n"));
}

inline void showTipsAtStart(bool show) {
  REQUIRE(writeFile("C:\\tip.cfg", show ? "1\r\n" : "0\r\n"));
}

// A small red picture, C:\PICS\red.bmp, to open and to act on.
inline void putRedPicture() {
  makeDirectory("C:\\PICS");
  REQUIRE(writeFile("C:\\PICS\\red.bmp",
                    testpics::bitmapFile(20, 20, [](int, int) { return RGB(255, 0, 0); })));
}

// A file of the program's own folder among the user's settings
// (%APPDATA%\Varilume SE).
std::string userSettings(const char* name);

// Starts the program and waits for its main window.
inline HWND startMain(Program& p, const std::string& arguments = "") {
  REQUIRE(p.start(arguments));
  // A busy machine may take a while to bring up a fresh Wine process.
  HWND main = p.form("Form1");
  if (!main) p.describeWindows();
  REQUIRE(main != nullptr);
  return main;
}

// The menu line whose caption is this, or an empty line.
inline Program::MenuLine menuLine(Program& p, HWND form, const std::string& caption) {
  for (const auto& line : p.menuBar(form))
    if (line.caption == caption) return line;
  return {-1, 0, "", ""};
}

// A menu line's state: 'G' greyed, 'C' checked, 'S' separator, 'P' pop-up.
inline bool hasFlag(const Program::MenuLine& line, char flag) {
  return line.flags.find(flag) != std::string::npos;
}

// The focused window of the thread that owns the window.
inline HWND focusOf(HWND anyWindowOfThread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfThread, nullptr), &info);
  return info.hwndFocus;
}

inline int currentTab(HWND tabs) {
  return static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
}

// A sparse file of that many megabytes: made at once, copied at the disk's pace.
void makeHugeFile(const wchar_t* path, long long megabytes);
// Starts the copy of C:\BIG\huge.avi, kLongCopyMegabytes large, into C:\ART
// from the MCI Devices page; returns its progress window.
inline constexpr long long kLongCopyMegabytes = 2048;
HWND startLongCopy(Program& p, HWND& main);
// Neither C:\ART\huge.avi nor its partial copy is there; the source is whole.
void checkSourceKeptAndNoCopyLeft();

// The tips in tip.dat beside the program, without their padding.
std::vector<std::string> installedTips();

// Whether the window stands centred on the screen (within a pixel).
bool centred(HWND window);

// A minute passes for the form's named timer.
inline void minute(HWND form, const wchar_t* timer) {
  postTimer(form, timer);
}

bool isOneOf(const std::string& name, std::initializer_list<const char*> names);
// Every shown control of the form but those named lies inside its parent, and
// every caption fits its control in the control's font; names each that does not.
void checkNothingCutOff(Program& p, HWND form, std::initializer_list<const char*> outside);

// The colour on the screen at a point of the window's client area.
inline COLORREF pixelAt(HWND hwnd, int x, int y) {
  return testpics::screenPixel(hwnd, x, y);
}

inline std::string rgb(COLORREF c) {
  return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
         std::to_string(GetBValue(c));
}

}  // namespace e2e
