// Sound and video files crafted to crash the system's players: named on the
// command line, played from the Sound page and as a break's sound, none
// reaches a driver; the program stays up, says which file and why, and a
// good wave plays afterwards.
#include "../media_files.h"
#include "common.h"

namespace e2e {

namespace {

const std::string kCrafted = "C:\\crafted\\";

void put32At(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The wave's format fields, as the generator lays them out: "fmt " at 12.
std::string wave(std::size_t at, std::initializer_list<unsigned char> bytes) {
  std::string w = testmedia::silentWave(10);
  for (unsigned char b : bytes) w[at++] = static_cast<char>(b);
  return w;
}

// The video with the 32-bit field `after` bytes past the named chunk's
// fourcc set to v.
std::string video(const char* fourcc, std::size_t after, std::uint32_t v) {
  std::string a = testmedia::aviFile(32, 24, 4, 10);
  put32At(a, a.find(fourcc) + after, v);
  return a;
}

struct Crafted {
  const char* name;
  std::string bytes;
};

std::vector<Crafted> craftedFiles() {
  return {
      {"fmtsize.wav", wave(16, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"nochannels.wav",
       [] {
         std::string w = wave(22, {0, 0});
         w[32] = w[33] = '\0';  // and no bytes a block
         return w;
       }()},
      {"sevenbits.wav", wave(34, {7, 0})},
      {"manychannels.wav", wave(22, {0xFF, 0xFF})},
      // The movi list's size (4 bytes before its type) past the end.
      {"movi.avi", video("movi", static_cast<std::size_t>(-4), 0x7FFFFFF0)},
      // The main header: streams at 24 and width at 32 of its data (8 past "avih").
      {"nostreams.avi", video("avih", 8 + 24, 0)},
      {"strf.avi", video("strf", 4, 0x7FFFFFF0)},
      {"wide.avi", video("avih", 8 + 32, 0x7FFFFFFF)},
  };
}

}  // namespace

SCENARIO(crafted_media) {
  knowWindowsPath();
  showTipsAtStart(false);
  makeDirectory(kCrafted);
  std::vector<Crafted> files = craftedFiles();
  for (const Crafted& f : files) REQUIRE(writeFile(kCrafted + f.name, f.bytes));
  REQUIRE(writeFile(kCrafted + "good.wav", testmedia::silentWave(20)));

  // Each named on the command line: the window comes up and says why.
  for (const Crafted& f : files) {
    Program p;
    REQUIRE(p.start(kCrafted + f.name, kCrafted));
    HWND main = p.form("Form1");
    if (!main) p.describeWindows();
    REQUIRE(main != nullptr);
    std::string said = std::string(f.name) + " cannot be played: damaged file";
    HWND status = control(main, "StatusBar1");
    CHECK_MSG(waitFor([&] { return p.statusText(status) == said; }), said, p.statusText(status));
    CHECK(p.idle());
    CHECK(p.running());
    CHECK(!p.messageBoxOpen());
    keys(main, {VK_CONTROL, 'Q'});
    CHECK(p.waitExit(kPatience));
    CHECK_EQ(p.exitCode(), DWORD{0});
  }

  // Two from the Sound page, then a good wave plays and clears the word.
  Program p;
  REQUIRE(p.start("", kCrafted));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  p.selectTab(control(main, "SSTab1"), 2);
  HWND list = control(main, "File3"), status = control(main, "StatusBar1");
  HWND soundBar = control(main, "ProgressBar1");
  for (const char* name : {"manychannels.wav", "nochannels.wav"}) {
    REQUIRE(doubleClickItem(list, name));
    std::string said = std::string(name) + " cannot be played: damaged file";
    CHECK_MSG(waitFor([&] { return p.statusText(status) == said; }), said, p.statusText(status));
    CHECK(p.idle());
    CHECK(p.running());
    CHECK_EQ(SendMessageW(soundBar, PBM_GETPOS, 0, 0), LRESULT{0});
  }
  REQUIRE(doubleClickItem(list, "good.wav"));
  CHECK(waitFor([&] { return SendMessageW(soundBar, PBM_GETRANGE, FALSE, 0) == 2000; }));
  CHECK(waitFor([&] { return SendMessageW(soundBar, PBM_GETPOS, 0, 0) > 0; }));
  CHECK(waitFor([&] { return p.statusText(status).empty(); }));

  // A break whose sound is one of them: the break comes, silent, and ends.
  keys(main, {VK_CONTROL, 'R'});
  HWND props = p.form("FORM19");
  REQUIRE(props != nullptr);
  setText(control(props, "Text4"), kCrafted + "manychannels.wav");
  if (!checked(control(props, "Check1"))) click(control(props, "Check1"));
  click(control(props, "Command6"));
  HWND breakWindow = p.form("Form20");
  REQUIRE(breakWindow != nullptr);
  CHECK(p.idle());
  CHECK(p.running());
  CHECK(!p.messageBoxOpen());
  click(control(breakWindow, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(breakWindow); }));
  CHECK(p.running());
}

}  // namespace e2e
