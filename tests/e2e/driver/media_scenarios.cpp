// Playing sound, music, video and CDs through the system's real devices:
// position bars, supersedes, bad files, video windows, the CD transport.
#include <set>

#include "../media_files.h"
#include "common.h"

namespace e2e {

namespace {

const std::string kMedia = "C:\\media\\";

struct Bar {
  int max, pos;
};

Bar bar(HWND progress) {
  return {static_cast<int>(SendMessageW(progress, PBM_GETRANGE, FALSE, 0)),
          static_cast<int>(SendMessageW(progress, PBM_GETPOS, 0, 0))};
}

// Nothing the program says: no message box appears.
bool silent(Program& p) {
  return !p.messageBoxOpen();
}

// One tick of the form's named timer, handled before this returns.
void tick(Program& p, HWND form, const char* timer) {
  postTimer(form, wide(timer));
  CHECK(p.idle());
}

// Temporary files the program made for RMI music.
std::set<std::string> temporaryMidi() {
  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  std::set<std::string> found;
  WIN32_FIND_DATAW d;
  HANDLE h = FindFirstFileW((std::wstring(dir) + L"vlm*.tmp").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return found;
  do found.insert(utf8(d.cFileName));
  while (FindNextFileW(h, &d));
  FindClose(h);
  return found;
}

// Visible top-level windows of the program that are none of its forms: a
// video device's own windows.
std::set<HWND> deviceWindows(DWORD pid) {
  struct Search {
    DWORD pid;
    std::set<HWND> found;
  } s{pid, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* search = reinterpret_cast<Search*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == search->pid && IsWindowVisible(hwnd) && nameOf(hwnd).empty()) {
          wchar_t cls[64] = {};
          GetClassNameW(hwnd, cls, 64);
          if (std::wstring(cls) != L"#32770") search->found.insert(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND startInMediaFolder(Program& p, const std::string& arguments = "") {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(p.start(arguments, kMedia));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  return main;
}

void writeSamples() {
  makeDirectory(kMedia);
  REQUIRE(writeFile(kMedia + "long.wav", testmedia::silentWave(120)));
  REQUIRE(writeFile(kMedia + "short.wav", testmedia::silentWave(30)));
  REQUIRE(writeFile(kMedia + "bach.mid", testmedia::midiFile(8)));
  REQUIRE(writeFile(kMedia + "song.rmi", testmedia::rmiFile(testmedia::midiFile(4))));
}

}  // namespace

// The Sound page plays for real: the bar takes the length, moves and returns
// to 0; a second play supersedes the first; the Music page's device goes its
// own way; RMI music is handed over as plain MIDI through a temporary file
// that goes again; quitting while things play ends at once.
SCENARIO(media_pages) {
  writeSamples();
  Program p;
  HWND main = startInMediaFolder(p);
  HWND tabs = control(main, "SSTab1");
  HWND soundBar = control(main, "ProgressBar1");
  HWND musicBar = control(main, "ProgressBar2");
  CHECK_EQ(bar(soundBar).max, 1);
  CHECK_EQ(bar(musicBar).max, 100);

  // Music first: the MIDI file opens and reports its length (8 notes of half
  // a second), whether or not the machine can sound it.
  p.selectTab(tabs, 1);
  CHECK(doubleClickItem(control(main, "File2"), "bach.mid"));
  CHECK(waitFor([&] { return bar(musicBar).max >= 3500 && bar(musicBar).max <= 4500; }));
  int musicLength = bar(musicBar).max;

  // RMI: the sequencer gets the music inside, from a temporary file.
  std::set<std::string> before = temporaryMidi();
  CHECK(doubleClickItem(control(main, "File2"), "song.rmi"));
  CHECK(waitFor([&] { return bar(musicBar).max >= 1500 && bar(musicBar).max <= 2500; }));
  CHECK_EQ(temporaryMidi().size(), before.size() + 1);
  CHECK(doubleClickItem(control(main, "File2"), "bach.mid"));
  CHECK(waitFor([&] { return bar(musicBar).max == musicLength; }));
  CHECK(temporaryMidi() == before);
  CHECK(doubleClickItem(control(main, "File2"), "song.rmi"));  // open again for the quit
  CHECK(waitFor([&] { return temporaryMidi().size() == before.size() + 1; }));
  int musicMax = bar(musicBar).max;

  // Sound: a long wave, superseded by a short one whose length the bar takes.
  p.selectTab(tabs, 2);
  HWND files = control(main, "File3");
  CHECK(doubleClickItem(files, "long.wav"));
  CHECK(waitFor([&] { return bar(soundBar).max == 12000; }));
  CHECK(waitFor([&] { return bar(soundBar).pos > 0; }));
  CHECK(doubleClickItem(files, "short.wav"));
  CHECK(waitFor([&] { return bar(soundBar).max == 3000; }));
  // It plays to its end: the bar goes back to 0 and stays there.
  CHECK(waitFor([&] { return bar(soundBar).pos > 0; }));
  CHECK(waitFor([&] { return bar(soundBar).pos == 0; }));
  tick(p, main, "Timer2");
  CHECK_EQ(bar(soundBar).pos, 0);
  CHECK_EQ(bar(soundBar).max, 3000);
  CHECK_EQ(bar(musicBar).max, musicMax);  // the sound page left the music alone
  CHECK(silent(p));

  // Stop: the bar drops to 0 and the running timer shows where it stopped.
  CHECK(clickItem(files, "long.wav"));
  click(control(main, "SSCommand20"));
  CHECK(waitFor([&] { return bar(soundBar).max == 12000 && bar(soundBar).pos > 500; }));
  click(control(main, "SSCommand7"));
  CHECK(p.idle());  // the stop is handled: the bar no longer shows the play
  CHECK(waitFor([&] { return bar(soundBar).pos > 0; }));
  int stoppedAt = bar(soundBar).pos;
  tick(p, main, "Timer2");
  CHECK_EQ(bar(soundBar).pos, stoppedAt);

  // Quit while the wave and the music are open: the program ends at once and
  // leaves no temporary file behind.
  CHECK(doubleClickItem(files, "long.wav"));
  CHECK(waitFor([&] { return bar(soundBar).pos > 0; }));
  keys(main, {VK_CONTROL, 'Q'});
  CHECK(p.waitExit(kPatience));
  CHECK_EQ(p.exitCode(), DWORD{0});
  CHECK(temporaryMidi() == before);
}

// Files that no device plays, or plays badly, on the MCI Devices page: no
// message, no hang, and the page plays a good file afterwards.
SCENARIO(media_bad_files) {
  makeDirectory(kMedia);
  std::string wave = testmedia::silentWave(20), midi = testmedia::midiFile(4);
  std::string avi = testmedia::aviFile(32, 24, 10, 10);
  struct Sample {
    const char* name;
    std::string bytes;
  } samples[] = {
      {"empty.wav", ""},
      {"header.wav", wave.substr(0, 12)},
      {"cut.wav", wave.substr(0, 60)},
      {"past.wav", testmedia::riff("WAVE", "fmt " + std::string("\xFF\xFF\xFF\x7F", 4))},
      {"empty.mid", ""},
      {"header.mid", midi.substr(0, 14)},
      {"cut.mid", midi.substr(0, 30)},
      {"empty.rmi", ""},
      {"past.rmi", testmedia::riff("RMID", "data" + std::string("\xF0\xFF\xFF\x7F", 4) + midi)},
      {"header.rmi", testmedia::rmiFile(midi).substr(0, 20)},
      {"empty.avi", ""},
      {"cut.avi", avi.substr(0, avi.size() / 3)},
      {"header.avi", avi.substr(0, 12)},
      {"notes.txt", "just words\r\n"},
  };
  for (const Sample& s : samples) REQUIRE(writeFile(kMedia + s.name, s.bytes));
  REQUIRE(writeFile(kMedia + "vanishing.wav", wave));
  REQUIRE(writeFile(kMedia + "\xC3\xA9t\xC3\xA9 \xC3\xBC.wav", wave));

  Program p;
  HWND main = startInMediaFolder(p);
  std::set<std::string> before = temporaryMidi();
  p.selectTab(control(main, "SSTab1"), 3);
  HWND files = control(main, "File4");
  HWND mciBar = control(main, "ProgressBar3");
  for (const Sample& s : samples) {
    CHECK(doubleClickItem(files, s.name));
    CHECK(silent(p));
    CHECK(p.running());
  }
  CHECK(temporaryMidi() == before);  // a broken RMI leaves nothing behind

  // Chosen, then deleted before play; then no selection at all.
  CHECK(clickItem(files, "vanishing.wav"));
  removeFile(kMedia + "vanishing.wav");
  click(control(main, "SSCommand16"));
  CHECK(silent(p));
  CHECK_EQ(text(control(main, "Text4")), kMedia + "vanishing.wav");

  // A good wave with a non-ASCII name plays after all that.
  CHECK(doubleClickItem(files, "\xC3\xA9t\xC3\xA9 \xC3\xBC.wav"));
  CHECK(waitFor([&] { return bar(mciBar).max == 2000; }));
  CHECK(waitFor([&] { return bar(mciBar).pos > 0; }));
  CHECK(silent(p));
}

// A video opens its own window; the next play closes the device and with it
// that window. A command line ending in .WAV plays while the window shows
// the Image page. The CD page without a drive says nothing.
SCENARIO(media_video_and_disc) {
  makeDirectory(kMedia);
  REQUIRE(writeFile(kMedia + "one.avi", testmedia::aviFile(64, 48, 40, 10)));
  REQUIRE(writeFile(kMedia + "two.avi", testmedia::aviFile(64, 48, 40, 10)));
  REQUIRE(writeFile(kMedia + "tone.WAV", testmedia::silentWave(120)));
  Program p;
  HWND main = startInMediaFolder(p, kMedia + "tone.WAV");
  HWND tabs = control(main, "SSTab1");
  CHECK_EQ(currentTab(tabs), 0);
  HWND soundBar = control(main, "ProgressBar1");
  CHECK(waitFor([&] { return bar(soundBar).max == 12000 && bar(soundBar).pos > 0; }));
  CHECK_EQ(text(control(main, "Text3")), kMedia + "tone.WAV");

  p.selectTab(tabs, 3);
  HWND files = control(main, "File4");
  std::set<HWND> ours = deviceWindows(p.pid());
  CHECK(doubleClickItem(files, "one.avi"));
  std::set<HWND> first;
  CHECK(waitFor([&] { return (first = deviceWindows(p.pid())).size() == ours.size() + 1; }));
  HWND video = nullptr;
  for (HWND w : first)
    if (!ours.count(w)) video = w;
  CHECK(doubleClickItem(files, "two.avi"));
  CHECK(waitFor([&] { return video && !IsWindowVisible(video); }));
  CHECK(waitFor([&] { return deviceWindows(p.pid()).size() == ours.size() + 1; }));
  CHECK(silent(p));

  // The CD page: the transport's buttons, nothing enabled while no disc is
  // open, and a start button that fails without a word.
  p.selectTab(tabs, 4);
  HWND transport = control(main, "MMControl4");
  for (const char* name : {"Prev", "Next", "Play", "Pause", "Stop", "Eject"}) {
    HWND b = control(transport, name);
    CHECK(visible(b));
    CHECK(!enabled(b));
  }
  for (const char* name : {"Back", "Step", "Record"}) CHECK(!visible(findControl(transport, name)));
  click(control(main, "SSCommand9"));
  CHECK(waitFor([&] { return text(control(main, "Label14")) == "0"; }));
  CHECK(silent(p));
  click(control(transport, "Play"));  // disabled: nothing happens
  CHECK(silent(p));

  keys(main, {VK_CONTROL, 'Q'});
  CHECK(p.waitExit(kPatience));
  CHECK(deviceWindows(p.pid()).empty());
}

}  // namespace e2e
