// The menus, the "?" page, the status-bar help and the tips window.
#include <algorithm>
#include <cstdio>

#include "common.h"

namespace e2e {

namespace {

std::string record(const std::string& tip) {
  return tip + std::string(255 - tip.size(), ' ');
}

struct Help {
  const char* option;
  const char* description;
  const char* formats;
};

const Help kHelp[] = {
    {"Images",
     "This format is mainly used for quickly browsing through Bitmaps (BMP,DIB,RLE), Clip Art "
     "(Wmf,Emf),  Icon Files (Ico) and Windows95 Cursor Files (Cur).   You can also view these "
     "formats in full screen, stretch them to fit your window area and zoom in on them to get a "
     "better look at the details of a certain image.",
     "BMP , WMF , RLE , DIB , EMF , ICO , CUR"},
    {"Music",
     "This format is for playing MIDI files, which is a very common format used by many "
     "platforms.  When it comes to MIDI the better your sound card the better the result you "
     "get.  Such sound cards specifically designed to handle the playing of MIDI files have a "
     "feature called WAVE-TABLE.  If you enjoy MIDI you might want to look into this further.",
     "MID , RMI"},
    {"Sound",
     "This format is the standard Microsoft Windows sound format used by most windows "
     "applications to generate sound effects and voice.  You can easily browse through your "
     "library of sound effects using varilume's no-fuss click and play interface!  Varilume "
     "automatically uses your soundcards BEST settings to play sound the way they are supposed "
     "to be played!",
     "WAV"},
    {"MCI",
     "This format is for the playing of AVI (Video for Windows) and any other registered MCI "
     "Compatible Multimedia Device such as MPEG, Video CD and many more options. You will see "
     "every file listed in this directory.. but only try opening the ones you know are media "
     "formats supported by Windows MCI.",
     "Anything supported!"},
    {"CD Audio",
     "Quite simply, this is a format used by all audio based CDs in the music store at the "
     "mall.  You can pop in your favourite album and use the Varilume player to have quick "
     "access to all of your CD tracks!",
     "CD Audio tracks or Mixed Data CDs"},
    {"Logo Changer",
     "Access the logo changer menu through the FILE drop down menu. You can replace your "
     "Windows95 Startup, Shutdown, and Turn-Off Logo Screens with this feature.  NOTE: Files "
     "*must* be BMPs at 320x400 in 256 colors to work. You can use a shareware image editor to "
     "do this for you such as paintshop pro.",
     "Bitmap to logo conversion"},
    {"Reminder",
     "Allows you to set a time interval to remind yourself to do something such as look away "
     "from the monitor every half hour to make sure you don't strain your eyes.  You have the "
     "option of what picture and sound or music to play during your 'break' period.",
     "Interval Based Reminding"},
};

}  // namespace

SCENARIO(menus_and_help) {
  knowWindowsPath();
  showTipsAtStart(true);
  Program p;
  HWND main = startMain(p);
  HWND tips = p.form("Form14");
  REQUIRE(tips != nullptr);
  click(control(tips, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(tips); }));

  struct Expected {
    int depth;
    const char* flags;
    const char* caption;
  } expected[] = {{0, "P", "&File"},
                  {1, "G", "&Logo Change Menu\tCtrl+L"},
                  {1, "", "Remin&der Setup\tCtrl+R"},
                  {1, "C", "Did you &know..."},
                  {1, "S", ""},
                  {1, "", "&Quit\tCtrl+Q"},
                  {0, "P", "&Help"},
                  {1, "", "&Quick Help\tF1"},
                  {1, "S", ""},
                  {1, "", "General Information\tCtrl+I"}};
  auto bar = p.menuBar(main);
  CHECK_EQ(bar.size(), std::size(expected));
  for (std::size_t i = 0; i < bar.size() && i < std::size(expected); ++i) {
    CHECK_EQ(bar[i].depth, expected[i].depth);
    std::string flags = bar[i].flags;
    if (flags == "SG") flags = "S";  // a separator may report itself greyed
    CHECK_EQ(flags, std::string(expected[i].flags));
    CHECK_EQ(bar[i].caption, std::string(expected[i].caption));
  }

  // F1 selects the "?" page, which starts on "Images".
  HWND tabs = control(main, "SSTab1");
  keys(main, {VK_F1});
  CHECK(waitFor([&] { return currentTab(tabs) == 6; }));
  HWND label17 = control(main, "Label17");
  HWND label19 = control(main, "Label19");
  CHECK(visible(label17));
  CHECK(!visible(control(main, "Option1")));
  CHECK(checked(control(main, "SSOption1")));
  CHECK_EQ(text(label19), std::string(kHelp[0].formats));
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 7; ++i) {
      HWND option = control(main, "SSOption" + std::to_string(i + 1));
      CHECK_EQ(text(option), std::string(kHelp[i].option));
      click(option);
      CHECK(waitFor([&] { return text(label19) == kHelp[i].formats; }));
      if (i == 5)  // the last sentence of this one is ours
        CHECK_EQ(text(label17).rfind(kHelp[i].description, 0), 0u);
      else
        CHECK_EQ(text(label17), std::string(kHelp[i].description));
      CHECK(checked(option));
    }
  }

  // The status bar shows a control's help and empties over bare areas.
  p.selectTab(tabs, 0);
  CHECK(waitFor([&] { return currentTab(tabs) == 0; }));
  HWND status = control(main, "StatusBar1");
  const std::string high = "Use this mode if your screen resolution is 800x600 or higher";
  const std::string low = "Use this mode if your screen resolution is less than 800x600";
  for (const char* bare : {"SSTab1", "Frame1", "SSPanel9", "Form1"}) {
    postMouseMove(control(main, "Option1"));
    CHECK(waitFor([&] { return p.statusText(status) == high; }));
    postMouseMove(std::string(bare) == "Form1" ? main : control(main, bare));
    CHECK(waitFor([&] { return p.statusText(status).empty(); }));
  }
  postMouseMove(control(main, "Option2"));
  CHECK(waitFor([&] { return p.statusText(status) == low; }));

  // A page change, by the keyboard or the mouse, clears the help of the page left.
  keys(main, {VK_CONTROL, VK_TAB});
  CHECK(waitFor([&] { return currentTab(tabs) == 1 && p.statusText(status).empty(); }));
  postMouseMove(control(main, "SSCommand3"));
  CHECK(waitFor([&] { return !p.statusText(status).empty(); }));
  p.selectTab(tabs, 0);
  CHECK(waitFor([&] { return currentTab(tabs) == 0 && p.statusText(status).empty(); }));
}

SCENARIO(tips_window) {
  knowWindowsPath();
  REQUIRE(writeFile(std::string(kInstallDir) + "\\tip.dat",
                    record("   Tip one.") + record("Tip two, with \xE9.") + record("Tip three.")));
  const std::vector<std::string> tips = {"Tip one.", "Tip two, with \xC3\xA9.", "Tip three."};
  Program p;
  HWND main = startMain(p);
  HWND window = p.form("Form14");
  REQUIRE(window != nullptr);
  HWND label1 = control(window, "Label1");
  HWND check1 = control(window, "Check1");
  CHECK(checked(check1));
  CHECK(hasFlag(menuLine(p, main, "Did you &know..."), 'C'));

  // The check box and the menu entry switch the flag and each other.
  click(check1);
  CHECK(waitFor([] { return readFile("C:\\tip.cfg") == std::optional<std::string>("0\r\n"); }));
  CHECK(waitFor([&] { return !hasFlag(menuLine(p, main, "Did you &know..."), 'C'); }));
  UINT dyk = menuLine(p, main, "Did you &know...").id;
  postCommand(main, dyk);
  CHECK(waitFor([] { return readFile("C:\\tip.cfg") == std::optional<std::string>("1\r\n"); }));
  CHECK(waitFor([&] { return checked(check1); }));
  CHECK(hasFlag(menuLine(p, main, "Did you &know..."), 'C'));
  postCommand(main, dyk);
  CHECK(waitFor([] { return readFile("C:\\tip.cfg") == std::optional<std::string>("0\r\n"); }));
  CHECK(waitFor([&] { return !checked(check1); }));

  // Next up to the last tip, then the message; Previous down to the first.
  std::string shown = text(label1);
  auto at = std::find(tips.begin(), tips.end(), shown);
  REQUIRE(at != tips.end());
  for (auto next = at + 1; next != tips.end(); ++next) {
    click(control(window, "Command2"));
    CHECK(waitFor([&] { return text(label1) == *next; }));
  }
  click(control(window, "Command2"));
  auto box = waitMessageBox(p.pid());
  REQUIRE(box.has_value());
  CHECK_EQ(box->title, std::string("Varilume SE 3.5a"));
  CHECK_EQ(box->text, std::string("Sorry, this is the last tip"));
  pressOk(*box);
  CHECK(p.idle());
  CHECK_EQ(text(label1), tips.back());
  for (int i = 1; i >= 0; --i) {
    click(control(window, "Command3"));
    CHECK(waitFor([&] { return text(label1) == tips[static_cast<std::size_t>(i)]; }));
  }
  click(control(window, "Command3"));
  box = waitMessageBox(p.pid());
  REQUIRE(box.has_value());
  CHECK_EQ(box->text, std::string("Sorry, this is the first tip"));
  pressOk(*box);
  CHECK(p.idle());
  CHECK_EQ(text(label1), tips.front());

  click(control(window, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(window); }));

  // With the flag at 0 the next start shows no tips and an unticked entry.
  p.kill();
  main = startMain(p);
  CHECK(p.idle());
  CHECK(p.formNow("Form14", false) == nullptr);
  CHECK(!hasFlag(menuLine(p, main, "Did you &know..."), 'C'));
}

}  // namespace e2e
