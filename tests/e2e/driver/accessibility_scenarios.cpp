// What a screen reader hears: each control's name and role, asked of its
// window through the system's accessibility interface, as screen readers ask.
#include <oleacc.h>

#include "common.h"

namespace e2e {

namespace {

struct Spoken {
  std::string name;
  long role = 0;
  std::string value;
};

std::string taken(BSTR text) {
  std::string s = text ? utf8(std::wstring(text, SysStringLen(text))) : std::string();
  SysFreeString(text);
  return s;
}

// The control's accessible object, asked as a screen reader asks it.
Spoken spoken(HWND hwnd) {
  static const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  CHECK(com);
  Spoken s;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object))) ||
      !object)
    return s;
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  if (object->get_accName(self, &text) == S_OK) s.name = taken(text);
  text = nullptr;
  if (object->get_accValue(self, &text) == S_OK) s.value = taken(text);
  VARIANT role;
  VariantInit(&role);
  if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) s.role = role.lVal;
  VariantClear(&role);
  object->Release();
  return s;
}

struct Expected {
  const char* control;
  const char* name;
  long role;
};

void checkSpoken(HWND parent, std::initializer_list<Expected> expected) {
  for (const Expected& e : expected) {
    HWND hwnd = control(parent, e.control);
    Spoken s = spoken(hwnd);
    CHECK_MSG(s.name == e.name, e.control, "is called \"" + s.name + "\"");
    CHECK_MSG(s.role == e.role, e.control, "has the role " + std::to_string(s.role));
  }
}

}  // namespace

// Every picture button, list and bar of the main window on each page, the
// views' buttons, the CD transport and the break window's button have a
// name and a role; the position bars also say where they are.
SCENARIO(screen_reader_names) {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(writeFile("C:\\res.cfg", "0\r\n"));  // Low-Res
  putRedPicture();
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND tabs = control(main, "SSTab1");
  const long button = ROLE_SYSTEM_PUSHBUTTON, list = ROLE_SYSTEM_LIST;
  const long drives = ROLE_SYSTEM_COMBOBOX, bar = ROLE_SYSTEM_PROGRESSBAR;

  checkSpoken(main, {{"SSCommand22", "Open the selected file", button},
                     {"SSCommand1", "Zoom Into Current Image", button},
                     {"SSCommand2", "Zoom Out Of Current Image", button},
                     {"Option1", "High-Res", ROLE_SYSTEM_RADIOBUTTON},
                     {"Option2", "Low-Res", ROLE_SYSTEM_RADIOBUTTON},
                     {"Drive1", "Image Browser: drives", drives},
                     {"Dir1", "Image Browser: folders", list},
                     {"File1", "Image Browser: files", list}});
  p.selectTab(tabs, 1);
  checkSpoken(main, {{"SSCommand21", "Open the selected file", button},
                     {"SSCommand3", "This stops the playing of MIDI music", button},
                     {"ProgressBar2", "Music Browser: Current Position", bar},
                     {"Drive2", "Music Browser: drives", drives},
                     {"Dir2", "Music Browser: folders", list},
                     {"File2", "Music Browser: files", list}});
  CHECK_EQ(spoken(control(main, "ProgressBar2")).value, std::string("0%"));
  p.selectTab(tabs, 2);
  checkSpoken(main, {{"SSCommand20", "Open the selected file", button},
                     {"SSCommand7", "This stops the playing of the Wave file", button},
                     {"ProgressBar1", "Sound Browser: Current Position", bar},
                     {"File3", "Sound Browser: files", list}});
  p.selectTab(tabs, 3);
  checkSpoken(main, {{"SSCommand16", "Start Playback", button},
                     {"SSCommand15", "Stop Playback", button},
                     {"ProgressBar3", "MCI Browser: Current Position", bar},
                     {"File4", "MCI Browser: files", list}});
  p.selectTab(tabs, 4);
  checkSpoken(main,
              {{"SSCommand9", "This will start the playback of the CD in your drive", button}});
  HWND transport = control(main, "MMControl4");
  checkSpoken(transport, {{"Prev", "Prev", button},
                          {"Next", "Next", button},
                          {"Play", "Play", button},
                          {"Pause", "Pause", button},
                          {"Stop", "Stop", button},
                          {"Eject", "Eject", button}});

  // The picture's view and its buttons.
  p.selectTab(tabs, 0);
  REQUIRE(clickItem(control(main, "File1"), "red.bmp"));
  click(control(main, "SSCommand22"));
  HWND view = control(main, "Frame17");
  CHECK(waitFor([&] { return visible(view); }));
  checkSpoken(view, {{"SSCommand19", "Zoom Into Current Image - Alt + I", button},
                     {"SSCommand14", "Zoom Out Of Current Image - Alt + O", button},
                     {"SSCommand13", "Click to view Full-Screen", button},
                     {"SSCommand6", "Click this to close the Full-Size view window", button},
                     {"Check2", "Stretch to Window", ROLE_SYSTEM_CHECKBUTTON}});

  // A break started by Test, with a message and no picture: the message
  // (the first control) has the focus, Tab reaches the named button and
  // Enter presses it.
  keys(main, {VK_CONTROL, 'R'});
  HWND properties = p.form("FORM19");
  REQUIRE(properties != nullptr);
  checkSpoken(properties,
              {{"Text1", "Interval: Minutes", ROLE_SYSTEM_TEXT}, {"Command6", "Test", button}});
  click(control(properties, "Command6"));
  HWND breakWindow = p.form("Form20");
  REQUIRE(breakWindow != nullptr);
  checkSpoken(breakWindow, {{"Command1", "End the break", button}});
  CHECK(waitFor([&] { return focusOf(breakWindow) == control(breakWindow, "Text1"); }));
  keys(breakWindow, {VK_TAB});
  CHECK_MSG(waitFor([&] { return focusOf(breakWindow) == control(breakWindow, "Command1"); }),
            "the break window's button", "is not focused: " + nameOf(focusOf(breakWindow)) + " is");
  keys(breakWindow, {VK_RETURN});
  CHECK(waitFor([&] { return !IsWindow(breakWindow) || !IsWindowVisible(breakWindow); }));
}

}  // namespace e2e
