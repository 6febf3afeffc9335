// A form that follows its monitor's DPI in the real window back end: made
// at its monitor's DPI where the program placed it, and laid out anew, fonts
// and all, when the system says it has moved to a monitor of another DPI.
// The forms of one DPI beside it are not touched.
#include <string>

#include "platform/win32/system/system_library.h"
#include "platform/win32/windows/ui.h"
#include "platform/win32/windows/window_of.h"
#include "services.h"

namespace pc {

namespace {

class MonitorForm : public vl::Form {
 public:
  MonitorForm(vl::Ui& ui, bool follows) : Form(ui, "MonitorForm", "Monitor", 4000, 2000) {
    setFollowsMonitorDpi(follows);
    vl::place(button, 120, 240, 1200, 375, "Press");
    vl::place(label, 120, 900, 3000, 300, "A break begins in 1 minute.");
    label.setFont(vl::Font{"Arial", 975, false});
  }
  vl::CommandButton button{this, "Command1"};
  vl::Label label{this, "Label1"};
};

RECT placeIn(HWND child, HWND form) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string rectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

int fontHeight(HWND hwnd) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  return font && GetObjectW(font, sizeof lf, &lf) ? lf.lfHeight : 0;
}

// 2 when the window counts its monitor's DPI, 1 the system's; -1 where the
// system cannot say.
int awareness(HWND hwnd) {
  using OfWindow = HANDLE(WINAPI*)(HWND);
  using Awareness = int(WINAPI*)(HANDLE);
  HMODULE user = GetModuleHandleW(L"user32.dll");
  auto ofWindow = reinterpret_cast<OfWindow>(
      reinterpret_cast<void (*)()>(GetProcAddress(user, "GetWindowDpiAwarenessContext")));
  auto from = reinterpret_cast<Awareness>(
      reinterpret_cast<void (*)()>(GetProcAddress(user, "GetAwarenessFromDpiAwarenessContext")));
  return ofWindow && from ? from(ofWindow(hwnd)) : -1;
}

RECT expected(int left, int top, int width, int height, int dpi) {
  return {MulDiv(left, dpi, 1440), MulDiv(top, dpi, 1440), MulDiv(left + width, dpi, 1440),
          MulDiv(top + height, dpi, 1440)};
}

}  // namespace

void runMonitorDpiChecks(HINSTANCE instance) {
  vl::win32::SystemLibraries libraries;
  vl::win32::Win32Ui ui(instance, libraries);
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);

  MonitorForm form(ui, true);
  if (!form.load()) {
    CHECK_MSG(false, "a form that follows its monitor loads", "refused");
    return;
  }
  form.setBounds(1500, 1200, form.width(), form.height());
  form.show();
  pump();
  HWND hwnd = vl::win32::windowOf(form);
  RECT client, outer;
  GetClientRect(hwnd, &client);
  GetWindowRect(hwnd, &outer);
  // Here every monitor has the system's DPI: the window is where and as
  // large as a form of one DPI would be.
  CHECK_EQ_MSG(rectText(client), rectText(expected(0, 0, 4000, 2000, dpi)),
               "a form that follows its monitor has its design size there");
  CHECK_EQ_MSG(
      std::to_string(outer.left) + "," + std::to_string(outer.top),
      std::to_string(MulDiv(1500, dpi, 1440)) + "," + std::to_string(MulDiv(1200, dpi, 1440)),
      "and stands where the program placed it");

  CHECK_EQ_MSG(awareness(hwnd), 2, "its window counts its monitor's DPI");
  CHECK_EQ_MSG(awareness(vl::win32::windowOf(form.button)), 2, "and so do its controls");

  // The system moves it to a monitor of half again the DPI.
  int larger = dpi * 3 / 2;
  RECT suggested{outer.left, outer.top, outer.left + (outer.right - outer.left) * 3 / 2,
                 outer.top + (outer.bottom - outer.top) * 3 / 2};
  SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(larger, larger),
               reinterpret_cast<LPARAM>(&suggested));
  pump();
  GetWindowRect(hwnd, &outer);
  CHECK_EQ_MSG(rectText(outer), rectText(suggested), "it takes the place the system suggests");
  HWND button = vl::win32::windowOf(form.button);
  CHECK_EQ_MSG(rectText(placeIn(button, hwnd)), rectText(expected(120, 240, 1200, 375, larger)),
               "its controls are laid out at the new DPI");
  CHECK_EQ_MSG(fontHeight(vl::win32::windowOf(form.label)), -(975 * larger / 7200),
               "and their text drawn at it");
  form.button.setLeft(600);
  pump();
  CHECK_EQ_MSG(rectText(placeIn(button, hwnd)), rectText(expected(600, 240, 1200, 375, larger)),
               "a later move of a control counts the new DPI");

  // A form of one DPI, made by a click in the other, keeps the system's.
  MonitorForm plain(ui, false);
  form.button.Click = [&] { plain.show(); };
  SendMessageW(button, BM_CLICK, 0, 0);
  pump();
  HWND plainHwnd = vl::win32::windowOf(plain);
  CHECK_EQ_MSG(awareness(plainHwnd), 1, "a form of one DPI counts the system's");
  GetClientRect(plainHwnd, &client);
  CHECK_EQ_MSG(rectText(client), rectText(expected(0, 0, 4000, 2000, dpi)),
               "a form of one DPI beside it keeps the system's");
  CHECK_EQ_MSG(rectText(placeIn(vl::win32::windowOf(plain.button), plainHwnd)),
               rectText(expected(120, 240, 1200, 375, dpi)), "and so do its controls");
  CHECK_EQ_MSG(fontHeight(vl::win32::windowOf(plain.label)), -(975 * dpi / 7200), "and their text");
  plain.unload();
  form.unload();
}

}  // namespace pc
