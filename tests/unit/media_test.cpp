#include <gtest/gtest.h>

#include "app/form1.h"
#include "../e2e/media_files.h"
#include "platform/riff_midi.h"
#include "test_system.h"

namespace vl {
namespace {

using test::TestSystem;
using Commands = std::vector<std::string>;

struct MediaTest : ::testing::Test {
  TestSystem sys;
  test::MainWindowParts* main = nullptr;
  void SetUp() override {
    sys.knowWindowsPath();
    sys.put("C:\\tip.cfg", "0\r\n");
    for (const char* f : {"C:\\M\\bach.mid", "C:\\M\\song.rmi", "C:\\M\\ding.wav",
                          "C:\\M\\long.wav", "C:\\M\\clip.avi", "C:\\M\\notes.txt"})
      sys.putMedia(f);
    sys.fs.currentDir = "C:\\M";
    sys.media.lengths = {{"C:\\M\\bach.mid", 90000},
                         {"C:\\M\\ding.wav", 1200},
                         {"C:\\M\\long.wav", 20000},
                         {"C:\\M\\clip.avi", 5000}};
    main = &sys.startMain();
    sys.media.commands.clear();
  }
  // The user turns to the page and clicks the file.
  void select(BrowserPage& page, const std::string& name) {
    main->SSTab1.setTab(page.frame.tabPage());
    const auto& items = page.pane.file.items();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i].text == name) page.pane.file.userSelect(static_cast<int>(i));
  }
  Commands takeCommands() { return std::exchange(sys.media.commands, {}); }
};

Commands playSequence(const std::string& path) {
  return {"stop", "close", "open |" + path + "|shareable", "play notify"};
}

TEST_F(MediaTest, EveryPlayTriggerStopsClosesOpensAndPlaysTheSelectionFromItsStart) {
  BrowserPage& music = main->musicPage;
  Player& player = main->musicPlayer;
  select(music, "bach.mid");
  EXPECT_TRUE(takeCommands().empty());  // a single click only selects
  music.pane.file.userDblClick();
  music.pane.file.userKeyDown(key::Enter);
  music.openButton.userClick();
  music.item("PM").userClick();
  Commands expected;
  for (int i = 0; i < 4; ++i)
    for (const auto& c : playSequence("C:\\M\\bach.mid")) expected.push_back(c);
  EXPECT_EQ(takeCommands(), expected);
  EXPECT_EQ(music.field.text(), "C:\\M\\bach.mid");
  EXPECT_EQ(player.bar.max(), 90000);
  EXPECT_TRUE(player.timer.running());
  EXPECT_EQ(player.device.mode(), MediaMode::Playing);

  // No other page is touched by a play.
  select(main->mciPage, "clip.avi");
  main->mciPage.openButton.userClick();
  EXPECT_EQ(main->mciPlayer.bar.max(), 5000);
  EXPECT_EQ(takeCommands(), playSequence("C:\\M\\clip.avi"));
  EXPECT_EQ(player.device.mode(), MediaMode::Playing);
}

TEST_F(MediaTest, RefreshFollowsThePositionAndEndOfPlaybackDiffersPerPage) {
  Player& sound = main->soundPlayer;
  // Enabled from the start, showing 0; it rests while there is no device to follow.
  EXPECT_TRUE(sound.timer.enabled());
  EXPECT_FALSE(sound.timer.running());
  EXPECT_EQ(sound.bar.max(), 1);
  EXPECT_EQ(main->musicPlayer.bar.max(), 100);
  EXPECT_FALSE(main->musicPlayer.timer.enabled());

  select(main->soundPage, "ding.wav");
  main->soundPage.openButton.userClick();
  sys.media.position = 600;
  sys.ui.advance(1);
  EXPECT_EQ(sound.bar.value(), 600);
  sys.media.position = 5000;  // beyond the length: the bar stops at its end
  sys.ui.advance(1);
  EXPECT_EQ(sound.bar.value(), 1200);

  takeCommands();
  sys.media.finish();
  EXPECT_FALSE(sound.timer.enabled());
  EXPECT_EQ(sound.bar.value(), 0);
  EXPECT_EQ(takeCommands(), Commands{"close"});
  sys.ui.advance(10);
  EXPECT_EQ(sound.bar.value(), 0);  // it stays at 0 until the next play

  Player& music = main->musicPlayer;
  select(main->musicPage, "bach.mid");
  main->musicPage.openButton.userClick();
  sys.media.position = 700;
  sys.ui.advance(1);
  takeCommands();
  sys.media.finish();
  EXPECT_FALSE(music.timer.enabled());
  EXPECT_EQ(music.bar.value(), 0);
  EXPECT_EQ(takeCommands(), (Commands{"stop", "close"}));

  Player& mci = main->mciPlayer;
  select(main->mciPage, "clip.avi");
  main->mciPage.openButton.userClick();
  sys.media.position = 5000;
  sys.ui.advance(1);
  takeCommands();
  sys.media.finish();
  EXPECT_FALSE(mci.timer.enabled());
  EXPECT_EQ(mci.bar.value(), 5000);  // the device stays open, the bar at the end
  EXPECT_TRUE(takeCommands().empty());
  EXPECT_TRUE(mci.device.mode() != MediaMode::NotOpen);
  EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(MediaTest, StopLeavesTheDeviceOpenAndTheSoundPagesTimerRunning) {
  Player& sound = main->soundPlayer;
  select(main->soundPage, "long.wav");
  main->soundPage.openButton.userClick();
  sys.media.position = 4000;
  sys.ui.advance(1);
  takeCommands();
  sound.stopButton.userClick();
  EXPECT_EQ(sound.bar.value(), 0);
  EXPECT_EQ(takeCommands(), Commands{"stop"});
  sys.ui.advance(1);
  EXPECT_EQ(sound.bar.value(), 4000);  // the next tick shows where it stopped
  EXPECT_EQ(sound.device.mode(), MediaMode::Stopped);

  Player& music = main->musicPlayer;
  select(main->musicPage, "bach.mid");
  main->musicPage.openButton.userClick();
  sys.ui.advance(1);
  takeCommands();
  music.stopButton.userClick();
  EXPECT_FALSE(music.timer.enabled());
  EXPECT_EQ(music.bar.value(), 4000);
  EXPECT_EQ(takeCommands(), Commands{"stop"});
  // A stopped play is not an ended one: nothing is closed.
  sys.media.finish();
  EXPECT_EQ(music.device.mode(), MediaMode::Stopped);

  Player& mci = main->mciPlayer;
  select(main->mciPage, "clip.avi");
  main->mciPage.openButton.userClick();
  mci.stopButton.userClick();
  EXPECT_FALSE(mci.timer.enabled());
  EXPECT_EQ(mci.device.mode(), MediaMode::Stopped);
}

TEST_F(MediaTest, ASecondPlaySupersedesTheFirstWhichNeverReportsItsEnd) {
  Player& sound = main->soundPlayer;
  select(main->soundPage, "long.wav");
  main->soundPage.openButton.userClick();
  select(main->soundPage, "ding.wav");
  main->soundPage.openButton.userClick();
  EXPECT_EQ(sound.bar.max(), 1200);
  Commands expected = playSequence("C:\\M\\long.wav");
  for (const auto& c : playSequence("C:\\M\\ding.wav")) expected.push_back(c);
  EXPECT_EQ(takeCommands(), expected);

  // The second play of one open device is cut short: Done only for its end.
  int done = 0;
  sound.device.Done = nullptr;  // the test listens in the player's place
  sound.device.Done = [&](int code) {
    ++done;
    EXPECT_EQ(code, static_cast<int>(MediaNotify::Successful));
  };
  (void)sound.device.command("play");
  EXPECT_EQ(done, 0);
  sys.media.finish();
  sys.media.finish();
  EXPECT_EQ(done, 1);
}

TEST_F(MediaTest, FailuresAreSkippedSilentlyStepByStep) {
  Player& sound = main->soundPlayer;
  select(main->soundPage, "ding.wav");
  main->soundPage.openButton.userClick();
  ASSERT_EQ(sound.bar.max(), 1200);
  takeCommands();

  // A file no device opens: the bar keeps its maximum, the timer shows 0.
  select(main->soundPage, "notes.txt");  // not listed on this page
  main->soundPage.setCurrentFile("C:\\M\\notes.txt");
  sound.openAndPlay("C:\\M\\notes.txt");
  EXPECT_EQ(sound.bar.max(), 1200);
  EXPECT_TRUE(sound.timer.enabled());
  EXPECT_EQ(sound.bar.value(), 0);
  EXPECT_EQ(main->StatusBar1.text(),
            "notes.txt cannot be played: Windows has no player for .txt files");
  sys.media.position = 300;
  sys.ui.advance(1);
  EXPECT_EQ(sound.bar.value(), 0);

  // Stop and Close fail, Open and Play still run.
  sys.media.failNext = {{"stop", "busy"}, {"close", "busy"}};
  sound.openAndPlay("C:\\M\\long.wav");
  EXPECT_EQ(sound.device.mode(), MediaMode::Playing);
  EXPECT_EQ(sound.bar.max(), 20000);

  // An empty selection gives the directory with its separator: nothing plays.
  main->SSTab1.setTab(1);
  main->musicPage.openButton.userClick();
  EXPECT_EQ(main->musicPage.field.text(), "C:\\M\\");
  EXPECT_EQ(main->musicPlayer.device.mode(), MediaMode::NotOpen);
  sys.media.failNext = {{"play", "no output"}};
  main->mciPlayer.openAndPlay("C:\\M\\clip.avi");
  EXPECT_EQ(main->mciPlayer.device.mode(), MediaMode::Stopped);
  EXPECT_TRUE(sys.ui.messages.empty());

  // The music page's bar goes back to its start when the next file is refused.
  main->musicPlayer.openAndPlay("C:\\M\\bach.mid");
  sys.media.position = 500;
  sys.ui.advance(1);
  ASSERT_GT(main->musicPlayer.bar.value(), 0);
  sys.media.failNext = {{"open", "refused"}};
  main->musicPlayer.openAndPlay("C:\\M\\bach.mid");
  EXPECT_EQ(main->musicPlayer.bar.value(), 0);
  EXPECT_EQ(main->StatusBar1.text(), "bach.mid cannot be played: the sound device refused it");
}

TEST_F(MediaTest, CommandWordsInAnyCaseAndUnknownOnesFail) {
  MediaControl& device = main->mciPlayer.device;
  device.FileName = "C:\\M\\clip.avi";
  EXPECT_EQ(device.command("oPeN"), "");
  EXPECT_EQ(device.command("PLAY"), "");
  EXPECT_EQ(device.command("Pause"), "");
  EXPECT_EQ(device.mode(), MediaMode::Paused);
  EXPECT_NE(device.command("Open"), "");  // already open: refused, still paused
  EXPECT_EQ(device.mode(), MediaMode::Paused);
  EXPECT_NE(device.command("Record"), "");
  EXPECT_NE(device.command("dance"), "");
  device.Wait = true;
  EXPECT_EQ(device.command("play"), "");
  EXPECT_FALSE(device.Wait);  // it held for that command only
  EXPECT_EQ(device.command("close"), "");
  EXPECT_EQ(takeCommands(), (Commands{"open |C:\\M\\clip.avi", "play notify", "pause",
                                      "play notify wait", "close"}));
}

TEST_F(MediaTest, CommandLineFilesPlayOnTheirPagesAndTheWindowOpensOnTheImagePage) {
  TestSystem second;
  second.knowWindowsPath();
  second.put("C:\\tip.cfg", "0\r\n");
  second.putMedia("C:\\S\\ding.WAV");
  second.media.lengths["C:\\S\\ding.WAV"] = 1200;
  second.commandLine = "C:\\S\\ding.WAV";
  auto& window = second.startMain();
  EXPECT_EQ(second.media.commands, playSequence("C:\\S\\ding.WAV"));
  EXPECT_EQ(window.soundPage.field.text(), "C:\\S\\ding.WAV");
  EXPECT_EQ(window.soundPlayer.device.mode(), MediaMode::Playing);
  EXPECT_EQ(window.SSTab1.tab(), 0);

  main->openMciFromCommandLine("C:\\M\\clip.avi");
  EXPECT_EQ(main->SSTab1.tab(), 3);
  EXPECT_EQ(main->mciPage.field.text(), "C:\\M\\clip.avi");
  EXPECT_EQ(main->mciPlayer.device.mode(), MediaMode::Playing);
}

// A wave whose format chunk says 0 channels and 0 bytes a block: the wave
// driver would divide by them.
std::string noChannels() {
  std::string wave = testmedia::silentWave(2);
  wave[22] = wave[23] = '\0';  // channels
  wave[32] = wave[33] = '\0';  // block align
  return wave;
}

// A file the system's player would trust to its end never reaches it: the
// page says why, its bar stays at the start, and the next good file plays
// and clears what was said.
TEST_F(MediaTest, AFileThatDoesNotHoldTogetherIsRefusedAndToldAndTheNextOnePlays) {
  sys.put("C:\\M\\zero.wav", noChannels());
  sys.put("C:\\M\\words.wav", "just words, no sound");
  sys.put("C:\\M\\film.mov", "moov");
  sys.media.lengths["C:\\M\\zero.wav"] = 1000;  // the device would open it
  main->soundPage.pane.refreshFiles();
  main->mciPage.pane.refreshFiles();
  Player& sound = main->soundPlayer;
  struct Case {
    BrowserPage& page;
    Player& player;
    const char *name, *said;
  } cases[] = {
      {main->soundPage, sound, "zero.wav", "zero.wav cannot be played: damaged file"},
      {main->soundPage, sound, "words.wav", "words.wav cannot be played: not a sound file"},
      {main->mciPage, main->mciPlayer, "notes.txt",
       "notes.txt cannot be played: Windows has no player for .txt files"},
      {main->mciPage, main->mciPlayer, "film.mov",
       "film.mov cannot be played: Windows has no player for .mov files"},
      {main->mciPage, main->mciPlayer, "zero.wav", "zero.wav cannot be played: damaged file"},
  };
  for (const Case& c : cases) {
    select(c.page, c.name);
    c.page.pane.file.userDblClick();
    for (const std::string& command : takeCommands())
      EXPECT_EQ(command.find("open"), std::string::npos) << c.name << ": " << command;
    EXPECT_EQ(c.player.bar.value(), 0) << c.name;
    EXPECT_EQ(main->StatusBar1.text(), c.said);
    EXPECT_EQ(c.player.device.mode(), MediaMode::NotOpen) << c.name;
  }
  EXPECT_TRUE(sys.ui.messages.empty());
  select(main->soundPage, "ding.wav");
  main->soundPage.pane.file.userDblClick();
  EXPECT_EQ(takeCommands(), playSequence("C:\\M\\ding.wav"));
  EXPECT_EQ(sound.device.mode(), MediaMode::Playing);
  EXPECT_EQ(main->StatusBar1.text(), "");
}

// Named on the command line, or dropped: the same check, and the status bar
// keeps saying why after the window has turned to the Image page.
TEST_F(MediaTest, ARefusedFileFromTheCommandLineIsToldOnceTheWindowIsUp) {
  TestSystem second;
  second.knowWindowsPath();
  second.put("C:\\tip.cfg", "0\r\n");
  second.put("C:\\S\\zero.wav", noChannels());
  second.media.lengths["C:\\S\\zero.wav"] = 1000;
  second.commandLine = "C:\\S\\zero.wav";
  auto& window = second.startMain();
  EXPECT_TRUE(second.media.commands.empty() ||
              second.media.commands == (Commands{"stop", "close", "play notify"}));
  EXPECT_EQ(window.SSTab1.tab(), 0);
  EXPECT_EQ(window.StatusBar1.text(), "zero.wav cannot be played: damaged file");
  EXPECT_EQ(window.soundPlayer.device.mode(), MediaMode::NotOpen);
  second.media.commands.clear();
  window.form.FilesDropped({"C:\\S\\zero.wav"});
  for (const std::string& command : second.media.commands)
    EXPECT_EQ(command.find("open"), std::string::npos) << command;
  EXPECT_TRUE(second.ui.messages.empty());
}

TEST_F(MediaTest, HelpTextsOfThePlayers) {
  std::vector<std::pair<Control*, std::string>> helps = {
      {&main->musicPlayer.stopButton, "This stops the playing of MIDI music"},
      {&main->soundPlayer.stopButton, "This stops the playing of the Wave file"},
      {&main->mciPlayer.bar, "This will show the playing status"},
      {&main->discPage.SSCommand9, "This will start the playback of the CD in your drive"},
      {&main->discPage.Label14, "This is the current CD Track"}};
  for (auto& [control, text] : helps) {
    main->StatusBar1.setText("x");
    control->userMouseMove();
    EXPECT_EQ(main->StatusBar1.text(), text) << control->name();
  }
  main->StatusBar1.setText("x");
  main->mciPlayer.stopButton.userMouseMove();
  main->musicPlayer.label.userMouseMove();
  EXPECT_EQ(main->StatusBar1.text(), "x");
}

struct DiscTest : MediaTest {
  DiscPage* disc = nullptr;
  void SetUp() override {
    MediaTest::SetUp();
    disc = &main->discPage;
    sys.media.devices = {"cdaudio"};
    sys.media.trackStarts = {0, 180000, 400000, 650000};
    main->SSTab1.setTab(4);
  }
  bool on(TransportButton b) { return disc->MMControl4.button(b)->enabled(); }
};

TEST_F(DiscTest, StartButtonOpensPlaysAndShowsTheTrack) {
  using B = TransportButton;
  for (B b : {B::Prev, B::Next, B::Play, B::Pause, B::Stop, B::Eject}) {
    EXPECT_TRUE(disc->MMControl4.button(b)->visible());
    EXPECT_FALSE(on(b));  // nothing open yet
  }
  for (B b : {B::Back, B::Step, B::Record}) EXPECT_FALSE(disc->MMControl4.button(b)->visible());
  EXPECT_EQ(disc->Label14.text(), "");

  sys.media.position = 200000;
  disc->SSCommand9.userClick();
  EXPECT_EQ(takeCommands(), (Commands{"open cdaudio||shareable", "play notify"}));
  EXPECT_EQ(disc->Label14.text(), "2");
  EXPECT_TRUE(on(B::Pause) && on(B::Stop) && on(B::Prev) && on(B::Next) && on(B::Eject));
  EXPECT_FALSE(on(B::Play));

  disc->MMControl4.button(B::Pause)->userClick();
  EXPECT_TRUE(on(B::Play) && on(B::Stop));
  EXPECT_FALSE(on(B::Pause));

  // A second click: the open device refuses Open, the disc plays on.
  takeCommands();
  disc->SSCommand9.userClick();
  EXPECT_EQ(takeCommands(), Commands{"play notify"});
  EXPECT_EQ(disc->MMControl4.mode(), MediaMode::Playing);
}

TEST_F(DiscTest, PrevPlaysOnFromTheTrackItReachedNextStaysStoppedWithTheOldNumber) {
  using B = TransportButton;
  sys.media.position = 401000;  // a second into track 3
  disc->SSCommand9.userClick();
  ASSERT_EQ(disc->Label14.text(), "3");
  takeCommands();

  disc->MMControl4.button(B::Prev)->userClick();
  EXPECT_EQ(takeCommands(), (Commands{"stop", "seek 180000", "play notify"}));
  EXPECT_EQ(disc->Label14.text(), "2");
  EXPECT_EQ(disc->MMControl4.mode(), MediaMode::Playing);

  sys.media.position = 300000;  // well into track 2: back to its start
  disc->MMControl4.button(B::Prev)->userClick();
  EXPECT_EQ(takeCommands(), (Commands{"stop", "seek 180000", "play notify"}));

  disc->MMControl4.button(B::Next)->userClick();
  EXPECT_EQ(takeCommands(), (Commands{"stop", "seek 400000"}));
  EXPECT_EQ(disc->Label14.text(), "2");
  EXPECT_EQ(disc->MMControl4.mode(), MediaMode::Stopped);
  disc->MMControl4.button(B::Play)->userClick();
  EXPECT_EQ(disc->Label14.text(), "2");  // the transport's Play does not refresh it

  disc->MMControl4.button(B::Eject)->userClick();
  EXPECT_EQ(takeCommands(), (Commands{"play notify", "eject", "play notify"}));
}

TEST_F(DiscTest, WithoutADriveNothingIsShownButTheDeviceAnswersAndQuitStopsTheDisc) {
  sys.media.devices.clear();
  disc->SSCommand9.userClick();
  EXPECT_EQ(disc->Label14.text(), "0");
  EXPECT_TRUE(sys.ui.messages.empty());

  sys.media.devices = {"cdaudio"};
  disc->SSCommand9.userClick();
  takeCommands();
  main->quit.userClick();
  EXPECT_EQ(takeCommands(), Commands{"stop"});
  EXPECT_TRUE(sys.ui.ended);
}

TEST_F(DiscTest, TheSystemsCloseRequestStopsThePlayingDiscToo) {
  disc->SSCommand9.userClick();
  ASSERT_EQ(disc->MMControl4.mode(), MediaMode::Playing);
  main->form.userCloseRequest();
  EXPECT_EQ(disc->MMControl4.mode(), MediaMode::Stopped);
  EXPECT_TRUE(sys.ui.ended);
}

TEST(RiffMidi, TheDataChunkIsFoundAndNoChunkReadsPastTheFile) {
  auto le = [](std::uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
  };
  std::string midi = "MThd" + le(0x06000000) + std::string("\0\0\0\1\0\x60", 6) + "MTrk";
  auto rmi = [&](const std::string& chunks) { return "RIFF" + le(999) + "RMID" + chunks; };
  std::string info = "LIST" + le(3) + "abc" + std::string(1, '\0');  // odd size, padded
  std::string file = rmi(info + "data" + le(static_cast<std::uint32_t>(midi.size())) + midi);
  auto found = embeddedMidi(file);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(*found, midi);

  EXPECT_FALSE(embeddedMidi(rmi("data" + le(1000) + midi)));  // size past the end
  EXPECT_FALSE(embeddedMidi(rmi("LIST" + le(0xFFFFFFF0u) + "data")));
  EXPECT_FALSE(embeddedMidi(rmi(info)));                     // no data chunk
  EXPECT_FALSE(embeddedMidi(rmi("data" + le(4) + "RIFF")));  // not MIDI inside
  EXPECT_FALSE(embeddedMidi("RIFF" + le(4) + "WAVEdata"));   // a wave
  EXPECT_FALSE(embeddedMidi("RIFF"));                        // header only
  EXPECT_FALSE(embeddedMidi(""));
  EXPECT_TRUE(looksLikeRmi(rmi("")));
}

}  // namespace
}  // namespace vl
