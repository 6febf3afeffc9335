#include <gtest/gtest.h>

#include "app/form1.h"
#include "browse/location_dialog.h"
#include "browse/progress_window.h"
#include "reminder/reminder.h"
#include "test_system.h"

namespace vl {
namespace {

using test::TestSystem;

struct BrowserPageTest : ::testing::Test {
  TestSystem sys;
  test::MainWindowParts* main = nullptr;
  void SetUp() override {
    sys.knowWindowsPath();
    sys.put("C:\\tip.cfg", "0\r\n");
    for (const char* f :
         {"C:\\AUTUMN.BMP", "C:\\PICS\\AUTUMN.BMP", "C:\\PICS\\b.dib", "C:\\PICS\\c.rle",
          "C:\\PICS\\song.mid", "C:\\PICS\\Song.RMI", "C:\\PICS\\ding.wav", "C:\\PICS\\clip.avi",
          "C:\\PICS\\notes.txt", "C:\\PICS\\\xC3\xA9t\xC3\xA9, \"1\".bmp"})
      sys.put(f, std::string("data of ") + f);
    sys.fs.addDirectory("C:\\PICS\\June");
    sys.fs.addDirectory("D:\\ART");
    sys.fs.currentDir = "C:\\PICS";
    main = &sys.startMain();
  }
  BrowserPage& page(MediaPage p) { return main->browserPage(p); }
  std::vector<std::string> files(MediaPage p) {
    std::vector<std::string> names;
    for (const ListItem& i : page(p).pane.file.items()) names.push_back(i.text);
    return names;
  }
  int indexOf(const ListControl& list, const std::string& text) {
    for (std::size_t i = 0; i < list.items().size(); ++i)
      if (list.items()[i].text == text) return static_cast<int>(i);
    return -1;
  }
  void select(MediaPage p, const std::string& name) {
    main->SSTab1.setTab(page(p).frame.tabPage());
    page(p).pane.file.userSelect(indexOf(page(p).pane.file, name));
  }
  void enter(ListControl& dir, const std::string& name) {
    dir.userSelect(indexOf(dir, name));
    dir.userDblClick();
  }
};

TEST_F(BrowserPageTest, EachPageListsOnlyItsTypesFromTheCurrentDirectory) {
  EXPECT_EQ(files(MediaPage::Image),
            (std::vector<std::string>{"AUTUMN.BMP", "b.dib", "\xC3\xA9t\xC3\xA9, \"1\".bmp"}));
  EXPECT_EQ(files(MediaPage::Music), (std::vector<std::string>{"song.mid", "Song.RMI"}));
  EXPECT_EQ(files(MediaPage::Sound), (std::vector<std::string>{"ding.wav"}));
  EXPECT_EQ(files(MediaPage::MciDevices).size(), 9u);  // every file, the text one too
  EXPECT_EQ(page(MediaPage::Image).pane.directory(), "C:\\PICS");
  EXPECT_EQ(page(MediaPage::Image).pane.drive.selectedText(), "c: [SYSTEM]");
}

TEST_F(BrowserPageTest, PathJoiningInTheRootAndBelowIt) {
  BrowserPage& image = page(MediaPage::Image);
  select(MediaPage::Image, "AUTUMN.BMP");
  EXPECT_EQ(image.field.text(), "C:\\PICS\\AUTUMN.BMP");  // a single click picks it up
  enter(image.pane.dir, "C:\\");
  EXPECT_EQ(files(MediaPage::Image), std::vector<std::string>{"AUTUMN.BMP"});
  select(MediaPage::Image, "AUTUMN.BMP");
  EXPECT_EQ(image.field.text(), "C:\\AUTUMN.BMP");
}

TEST_F(BrowserPageTest, OnlyADoubleClickEntersADirectory) {
  ListControl& dir = page(MediaPage::Music).pane.dir;
  main->SSTab1.setTab(1);
  dir.userSelect(indexOf(dir, "June"));
  EXPECT_EQ(page(MediaPage::Music).pane.directory(), "C:\\PICS");
  dir.userDblClick();
  EXPECT_EQ(page(MediaPage::Music).pane.directory(), "C:\\PICS\\June");
  EXPECT_TRUE(files(MediaPage::Music).empty());
  EXPECT_EQ(page(MediaPage::Image).pane.directory(), "C:\\PICS");  // pages are independent
  enter(dir, "PICS");                                              // and back up
  EXPECT_EQ(page(MediaPage::Music).pane.directory(), "C:\\PICS");
}

TEST_F(BrowserPageTest, ChoosingADriveMovesBothListsThere) {
  BrowserPage& sound = page(MediaPage::Sound);
  main->SSTab1.setTab(2);
  sound.pane.drive.userSelect(indexOf(sound.pane.drive, "d:"));
  EXPECT_EQ(sound.pane.directory(), "D:\\");
  EXPECT_EQ(sound.pane.dir.items()[1].text, "ART");
  EXPECT_TRUE(files(MediaPage::Sound).empty());
}

TEST_F(BrowserPageTest, ADriveWithoutMediumKeepsWhereTheListsWereAndSaysSoOnce) {
  sys.fs.drivesWithoutMedium.insert('A');
  BrowserPage& image = page(MediaPage::Image);
  image.pane.browser.refresh();
  image.pane.drive.userSelect(indexOf(image.pane.drive, "a:"));
  EXPECT_EQ(image.pane.directory(), "C:\\PICS");
  EXPECT_EQ(image.pane.drive.selectedText(), "c: [SYSTEM]");
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_EQ(sys.ui.messages[0].text, "Drive A: cannot be read: The device is not ready.");
  EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Warning);
}

TEST_F(BrowserPageTest, OpeningStoresThePathOnEveryPageAndSingleClicksOnlyOnTheImagePage) {
  select(MediaPage::Sound, "ding.wav");
  EXPECT_EQ(page(MediaPage::Sound).field.text(), "");
  std::vector<std::string> opened;
  page(MediaPage::Sound).Open = nullptr;  // the test takes the opening over from the player
  page(MediaPage::Sound).Open = [&](const std::string& p) { opened.push_back(p); };
  page(MediaPage::Sound).pane.file.userDblClick();
  page(MediaPage::Sound).pane.file.userKeyDown(key::Enter);
  page(MediaPage::Sound).openButton.userClick();
  page(MediaPage::Sound).item("PS").userClick();
  EXPECT_EQ(opened, std::vector<std::string>(4, "C:\\PICS\\ding.wav"));
  EXPECT_EQ(page(MediaPage::Sound).field.text(), "C:\\PICS\\ding.wav");
}

TEST_F(BrowserPageTest, NoSelectionBuildsAPathEndingInTheSeparatorAndDeletesNothing) {
  main->SSTab1.setTab(1);
  page(MediaPage::Music).openButton.userClick();
  EXPECT_EQ(page(MediaPage::Music).field.text(), "C:\\PICS\\");
  page(MediaPage::Music).pane.file.userKeyDown(key::Delete);
  EXPECT_TRUE(sys.fs.isDirectory("C:\\PICS"));
  EXPECT_EQ(files(MediaPage::Music).size(), 2u);
  EXPECT_TRUE(sys.ui.messages.empty());
  page(MediaPage::Music).item("MCF").userClick();
  EXPECT_EQ(page(MediaPage::Music).locationDialog(), nullptr);
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_EQ(sys.ui.messages[0].text, "Select the file to copy in the list first.");
  EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Warning);
}

TEST_F(BrowserPageTest, DeleteKeyAndMenuDeleteAtOnceWithoutAQuestion) {
  select(MediaPage::Image, "b.dib");
  page(MediaPage::Image).pane.file.userKeyDown(key::Delete);
  EXPECT_FALSE(sys.fs.fileExists("C:\\PICS\\b.dib"));
  EXPECT_EQ(sys.fs.recycled, std::vector<std::string>{"C:\\PICS\\b.dib"});
  EXPECT_EQ(files(MediaPage::Image).size(), 2u);
  EXPECT_TRUE(sys.ui.messages.empty());
  select(MediaPage::MciDevices, "notes.txt");
  page(MediaPage::MciDevices).item("ADF").userClick();
  EXPECT_FALSE(sys.fs.fileExists("C:\\PICS\\notes.txt"));
  // A file that vanished since it was listed: told, nothing else happens.
  select(MediaPage::MciDevices, "clip.avi");
  sys.fs.deleteFile("C:\\PICS\\clip.avi");
  page(MediaPage::MciDevices).pane.file.userKeyDown(key::Delete);
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_NE(sys.ui.messages[0].text.find("clip.avi could not be deleted"), std::string::npos);
  EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Warning);
}

TEST_F(BrowserPageTest, RightButtonOpensThePagesMenu) {
  for (MediaPage p :
       {MediaPage::Image, MediaPage::Music, MediaPage::Sound, MediaPage::MciDevices}) {
    main->SSTab1.setTab(page(p).frame.tabPage());
    page(p).pane.file.userMouseDown(2);
  }
  EXPECT_EQ(sys.ui.popups, (std::vector<std::string>{"imgpop", "muspop", "sndpop", "anipop"}));
}
// The pop-up's commands act on the file under the pointer, never on one
// selected before (perhaps scrolled out of sight).
TEST_F(BrowserPageTest, RightButtonSelectsTheFileUnderThePointerBeforeTheMenuOpens) {
  struct Case {
    MediaPage page;
    const char *before, *pointed, *deleteItem, *popup;
  } cases[] = {{MediaPage::Image, "AUTUMN.BMP", "b.dib", "IDF", "imgpop"},
               {MediaPage::Music, "Song.RMI", "song.mid", "MDF", "muspop"},
               {MediaPage::Sound, "ding.wav", "ding.wav", "SDF", "sndpop"},
               {MediaPage::MciDevices, "clip.avi", "notes.txt", "ADF", "anipop"}};
  for (const Case& c : cases) {
    ListControl& list = page(c.page).pane.file;
    select(c.page, c.before);
    list.userPress(2, indexOf(list, c.pointed));
    EXPECT_EQ(list.selectedText(), c.pointed) << c.popup;
    EXPECT_EQ(sys.ui.popups.back(), c.popup);
    page(c.page).item(c.deleteItem).userClick();
    EXPECT_FALSE(sys.fs.fileExists(std::string("C:\\PICS\\") + c.pointed)) << c.popup;
    bool samePath = std::string(c.before) == c.pointed;
    EXPECT_NE(sys.fs.fileExists(std::string("C:\\PICS\\") + c.before), samePath) << c.popup;
  }
  EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(BrowserPageTest, ARightClickOnTheImagePageShowsThePointedPictureAsAClickWould) {
  sys.ui.pictures.add("C:\\PICS\\b.dib", 1500, 1500);
  BrowserPage& image = page(MediaPage::Image);
  select(MediaPage::Image, "AUTUMN.BMP");
  image.pane.file.userPress(2, indexOf(image.pane.file, "b.dib"));
  EXPECT_EQ(image.field.text(), "C:\\PICS\\b.dib");
  EXPECT_EQ(main->imagePage.Image2.pictureSource(), "C:\\PICS\\b.dib");
  // Below the last file: the menu opens for the selection as it is.
  image.pane.file.userPress(2, -1);
  EXPECT_EQ(sys.ui.popups, (std::vector<std::string>{"imgpop", "imgpop"}));
  EXPECT_EQ(image.pane.file.selectedText(), "b.dib");
  image.item("VI").userClick();
  EXPECT_EQ(main->highRes.pane.image.pictureSource(), "C:\\PICS\\b.dib");
}

struct LocationTest : BrowserPageTest {
  LocationDialog& ask(MediaPage p, const std::string& name, const char* item) {
    select(p, name);
    page(p).item(item).userClick();
    LocationDialog* d = page(p).locationDialog();
    if (!d) throw std::runtime_error("no location dialog for " + name);
    return *d;
  }
  // The program ended cleanly mid-copy: the source whole, no target, no part of one.
  void expectEndedWithoutCopy(const std::string& source, const std::string& target) {
    EXPECT_TRUE(sys.ui.ended);
    EXPECT_EQ(sys.ui.exitCode, 0);
    EXPECT_TRUE(sys.ui.loadedForms.empty());
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_EQ(sys.fs.fileSize(source), 10 << 20);
    EXPECT_FALSE(sys.fs.fileExists(target));
    EXPECT_FALSE(sys.fs.fileExists(partialCopyName(target)));
  }
};

TEST_F(LocationTest, TheDialogIsCentredNotModalAndHoldsItsOperation) {
  LocationDialog& d = ask(MediaPage::Image, "AUTUMN.BMP", "ICF");
  EXPECT_EQ(d.name(), "Form4");
  EXPECT_EQ(d.text(), "Select Location");
  EXPECT_TRUE(d.visible());
  EXPECT_EQ(d.left(), (800 * 15 - d.width()) / 2);
  EXPECT_EQ(d.Label2.text(), "copy");
  EXPECT_FALSE(d.Label2.visible());
  EXPECT_EQ(d.lists.path(), "C:\\PICS");  // the process's current directory
  EXPECT_TRUE(main->form.enabled());
  EXPECT_EQ(d.owner(), &main->form);  // in front of the main window, minimised with it
  // Asked again while open: the same dialog, with the new operation.
  LocationDialog& again = ask(MediaPage::Image, "AUTUMN.BMP", "IMF");
  EXPECT_EQ(&again, &d);
  EXPECT_EQ(d.Label2.text(), "move");
  EXPECT_EQ(ask(MediaPage::Music, "song.mid", "MMF").name(), "Form11");
  EXPECT_EQ(ask(MediaPage::Sound, "ding.wav", "SMF").name(), "Form12");
  EXPECT_EQ(ask(MediaPage::MciDevices, "clip.avi", "AMF").name(), "Form13");
}

TEST_F(LocationTest, DoneCopiesIntoTheDirectoryLastOpenedAndCancelDoesNothing) {
  LocationDialog& d = ask(MediaPage::Image, "AUTUMN.BMP", "ICF");
  d.Drive1.userSelect(indexOf(d.Drive1, "d:"));
  EXPECT_EQ(d.lists.path(), "D:\\");
  d.SSCommand1.userClick();  // Cancel
  EXPECT_FALSE(d.loaded());
  EXPECT_FALSE(sys.fs.fileExists("D:\\AUTUMN.BMP"));

  LocationDialog& copy = ask(MediaPage::Image, "AUTUMN.BMP", "ICF");
  enter(copy.Dir1, "C:\\");
  copy.Drive1.userSelect(indexOf(copy.Drive1, "d:"));
  copy.Dir1.userSelect(indexOf(copy.Dir1, "ART"));  // highlighted only
  copy.SSCommand2.userClick();
  EXPECT_EQ(sys.fs.contents("D:\\AUTUMN.BMP"), "data of C:\\PICS\\AUTUMN.BMP");
  EXPECT_EQ(copy.Label1.text(), "D:\\AUTUMN.BMP");
  EXPECT_FALSE(copy.loaded());
  EXPECT_TRUE(sys.fs.fileExists("C:\\PICS\\AUTUMN.BMP"));
  EXPECT_TRUE(sys.ui.messages.empty());
  EXPECT_EQ(main->StatusBar1.text(), "Copied AUTUMN.BMP to D:\\");
}

// The dialog holds the file it was opened for: whatever the user clicks or
// previews meanwhile, Done moves that one, and says so as it opens.
TEST_F(LocationTest, ADialogOpenedForAFileActsOnThatFile) {
  sys.ui.pictures.add("C:\\PICS\\b.dib", 1500, 1500);
  LocationDialog& d = ask(MediaPage::Image, "AUTUMN.BMP", "IMF");
  EXPECT_EQ(d.text(), "Select Location");
  EXPECT_EQ(d.Label3.text(), "Move AUTUMN.BMP into the folder opened above");
  EXPECT_TRUE(d.Label3.visible());
  enter(d.Dir1, "June");
  select(MediaPage::Image, "b.dib");  // the selection moves on, and b.dib is previewed
  EXPECT_EQ(page(MediaPage::Image).currentFile(), "C:\\PICS\\b.dib");
  EXPECT_EQ(main->imagePage.Image2.pictureSource(), "C:\\PICS\\b.dib");
  d.SSCommand2.userClick();
  EXPECT_EQ(sys.fs.contents("C:\\PICS\\June\\AUTUMN.BMP"), "data of C:\\PICS\\AUTUMN.BMP");
  EXPECT_FALSE(sys.fs.fileExists("C:\\PICS\\AUTUMN.BMP"));
  EXPECT_TRUE(sys.fs.fileExists("C:\\PICS\\b.dib"));
  EXPECT_EQ(files(MediaPage::Image).size(), 2u);  // refreshed
  EXPECT_EQ(main->StatusBar1.text(), "Moved AUTUMN.BMP to C:\\PICS\\June");
}

TEST_F(LocationTest, IntoTheSameFolderTheFileStaysAndTheUserIsTold) {
  LocationDialog& d = ask(MediaPage::Sound, "ding.wav", "SMF");
  d.SSCommand2.userClick();
  EXPECT_TRUE(sys.fs.fileExists("C:\\PICS\\ding.wav"));
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_EQ(sys.ui.messages[0].text, "ding.wav is already in C:\\PICS; it was left as it is.");
  EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Warning);
}

// A file of the same name is replaced, as designed, unless it is read-only:
// its content and its mark are kept, and the user is told.
TEST_F(LocationTest, AReadOnlyFileInTheWayIsLeftAsItIs) {
  sys.put("D:\\ART\\AUTUMN.BMP", "kept");
  sys.fs.setReadOnly("D:\\ART\\AUTUMN.BMP");
  sys.put("D:\\ART\\b.dib", "old");
  for (auto [name, item] : {std::pair{"AUTUMN.BMP", "ICF"}, {"AUTUMN.BMP", "IMF"}}) {
    LocationDialog& d = ask(MediaPage::Image, name, item);
    d.Drive1.userSelect(indexOf(d.Drive1, "d:"));
    enter(d.Dir1, "ART");
    d.SSCommand2.userClick();
    EXPECT_EQ(sys.fs.contents("D:\\ART\\AUTUMN.BMP"), "kept") << item;
    EXPECT_TRUE(sys.fs.isReadOnly("D:\\ART\\AUTUMN.BMP"));
    EXPECT_TRUE(sys.fs.fileExists("C:\\PICS\\AUTUMN.BMP")) << item;  // the move left it too
    ASSERT_EQ(sys.ui.messages.size(), 1u);
    EXPECT_EQ(sys.ui.messages[0].text, "AUTUMN.BMP in D:\\ART is read-only; it was left as it is.");
    EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Warning);
    sys.ui.messages.clear();
  }
  // A plain file there is still replaced without a question.
  LocationDialog& d = ask(MediaPage::Image, "b.dib", "ICF");
  d.Drive1.userSelect(indexOf(d.Drive1, "d:"));
  enter(d.Dir1, "ART");
  d.SSCommand2.userClick();
  EXPECT_EQ(sys.fs.contents("D:\\ART\\b.dib"), "data of C:\\PICS\\b.dib");
  EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(LocationTest, AFailingCopyIsToldWithTheFileAndTheReason) {
  sys.fs.refuseWrite = [](const std::string& p) { return p.rfind("D:", 0) == 0; };
  LocationDialog& d = ask(MediaPage::Music, "song.mid", "MCF");
  d.Drive1.userSelect(indexOf(d.Drive1, "d:"));
  d.SSCommand2.userClick();
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_EQ(sys.ui.messages[0].text, "song.mid could not be copied to D:\\: Access is denied.");
  EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Warning);
  EXPECT_EQ(sys.ui.messages[0].title, "Varilume SE 3.5a");
  EXPECT_TRUE(sys.fs.fileExists("C:\\PICS\\song.mid"));
  EXPECT_EQ(main->StatusBar1.text(), "");  // told once, in the message alone
}

TEST_F(LocationTest, ADriveTheDialogCannotReadIsAWarningAndTheListsStay) {
  sys.fs.drivesWithoutMedium.insert('A');
  LocationDialog& d = ask(MediaPage::Image, "AUTUMN.BMP", "ICF");
  d.lists.refresh();
  d.Drive1.userSelect(indexOf(d.Drive1, "a:"));
  EXPECT_EQ(d.lists.path(), "C:\\PICS");
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_EQ(sys.ui.messages[0].owner, "Form4");
  EXPECT_EQ(sys.ui.messages[0].text, "Drive A: cannot be read: The device is not ready.");
  EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Warning);
}

// A large file is copied by a worker: the windows keep answering, only the
// progress window takes input, and its figures come from the copy.
TEST_F(LocationTest, ALargeCopyRunsOnAWorkerBehindItsProgressWindow) {
  sys.fs.addSparseFile("C:\\PICS\\big.avi", 10 << 20);
  page(MediaPage::MciDevices).pane.refreshFiles();
  LocationDialog& d = ask(MediaPage::MciDevices, "big.avi", "AMF");
  d.Drive1.userSelect(indexOf(d.Drive1, "d:"));
  sys.workers.hold = true;
  d.SSCommand2.userClick();
  EXPECT_FALSE(d.loaded());  // the dialog left before the copy began
  Form3* progress = sys.form<Form3>("Form3");
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(progress->owner(), &main->form);
  EXPECT_EQ(progress->Label1.text(), "big.avi to D:\\");
  EXPECT_FALSE(main->form.enabled());  // the windows wait while the file is copied
  EXPECT_FALSE(sys.ui.acceptsInput(&main->form));
  EXPECT_TRUE(sys.ui.acceptsInput(progress));
  EXPECT_TRUE(page(MediaPage::MciDevices).transferring());
  EXPECT_EQ(sys.workers.started, 1);
  sys.workers.finishAll();
  EXPECT_TRUE(main->form.enabled());
  EXPECT_EQ(sys.fs.fileSize("D:\\big.avi"), 10 << 20);
  EXPECT_FALSE(sys.fs.fileExists("C:\\PICS\\big.avi"));
  EXPECT_EQ(sys.form<Form3>("Form3"), nullptr);
  EXPECT_EQ(main->StatusBar1.text(), "Moved big.avi to D:\\");

  // Cancel: the copy stops at its next chunk and leaves nothing behind.
  sys.fs.addSparseFile("C:\\PICS\\other.avi", 10 << 20);
  page(MediaPage::MciDevices).pane.refreshFiles();
  LocationDialog& again = ask(MediaPage::MciDevices, "other.avi", "ACF");
  again.Drive1.userSelect(indexOf(again.Drive1, "d:"));
  again.SSCommand2.userClick();
  sys.form<Form3>("Form3")->Command1.userClick();
  sys.workers.finishAll();
  EXPECT_FALSE(sys.fs.fileExists("D:\\other.avi"));
  EXPECT_FALSE(sys.fs.fileExists(partialCopyName("D:\\other.avi")));
  EXPECT_EQ(sys.fs.fileSize("C:\\PICS\\other.avi"), 10 << 20);
  EXPECT_TRUE(sys.ui.messages.empty());
}

// The copy never waits for its window: the window reads the copy's figures
// at its own pace, and the copy goes on between.
TEST_F(LocationTest, TheProgressWindowReadsTheFiguresAtItsOwnPace) {
  sys.fs.addSparseFile("C:\\PICS\\big.avi", 10 << 20);  // ten chunks of a megabyte
  page(MediaPage::MciDevices).pane.refreshFiles();
  LocationDialog& d = ask(MediaPage::MciDevices, "big.avi", "ACF");
  d.Drive1.userSelect(indexOf(d.Drive1, "d:"));
  std::vector<std::string> shown;
  sys.fs.whileCopying = [&](std::int64_t) {
    Form3* progress = sys.form<Form3>("Form3");
    ASSERT_NE(progress, nullptr);
    std::string before = progress->Label2.text();
    sys.ui.advance(30);  // a chunk takes 30 ms
    if (progress->Label2.text() != before) shown.push_back(progress->Label2.text());
  };
  d.SSCommand2.userClick();
  EXPECT_EQ(shown, (std::vector<std::string>{"4 MB of 10 MB (40%)", "7 MB of 10 MB (70%)",
                                             "10 MB of 10 MB (100%)"}));
  EXPECT_EQ(sys.fs.fileSize("D:\\big.avi"), 10 << 20);
}

TEST_F(LocationTest, QuitDuringALongCopyStopsItFirstAndNothingElseStartsMeanwhile) {
  sys.fs.addSparseFile("C:\\PICS\\big.avi", 10 << 20);
  page(MediaPage::MciDevices).pane.refreshFiles();
  // A second page has its location dialog open too: its Done must not start a second copy.
  LocationDialog& other = ask(MediaPage::Sound, "ding.wav", "SCF");
  other.Drive1.userSelect(indexOf(other.Drive1, "d:"));
  LocationDialog& d = ask(MediaPage::MciDevices, "big.avi", "AMF");
  d.Drive1.userSelect(indexOf(d.Drive1, "d:"));
  sys.fs.whileCopying = [&](std::int64_t done) {
    if (done != 3 << 20) return;
    other.SSCommand2.userClick();
    main->DYK.userClick();
    main->form.userCloseRequest();
    EXPECT_FALSE(sys.ui.ended);  // not before the copy has stopped
  };
  d.SSCommand2.userClick();
  expectEndedWithoutCopy("C:\\PICS\\big.avi", "D:\\big.avi");
  EXPECT_FALSE(sys.fs.fileExists("D:\\ding.wav"));
  EXPECT_FALSE(main->DYK.checked());
  EXPECT_EQ(sys.file("C:\\tip.cfg"), "0\r\n");
}

// File, Quit (and its Ctrl+Q), the tray menu's "Quit Varilume" and the
// system's close request, each in the middle of a long copy.
struct QuitDuringCopyTest : LocationTest, ::testing::WithParamInterface<int> {
  void quitBy(int path) {
    if (path == 0) main->quit.userClick();
    if (path == 1) main->popup.Q.userClick();
    if (path == 2) main->form.userCloseRequest();
  }
};

TEST_P(QuitDuringCopyTest, StopsTheCopyLeavesNoTraceAndEndsTheProgram) {
  sys.fs.addSparseFile("C:\\PICS\\big.bmp", 10 << 20);
  page(MediaPage::Image).pane.refreshFiles();
  LocationDialog& d = ask(MediaPage::Image, "big.bmp", "ICF");
  d.Drive1.userSelect(indexOf(d.Drive1, "d:"));
  sys.workers.hold = true;
  d.SSCommand2.userClick();
  // A preview waits for the copy's end; the program ends first.
  page(MediaPage::Image).pane.file.userSelect(indexOf(page(MediaPage::Image).pane.file, "b.dib"));
  quitBy(GetParam());
  EXPECT_FALSE(sys.ui.ended);  // not before the worker has stopped
  sys.workers.finishAll();
  expectEndedWithoutCopy("C:\\PICS\\big.bmp", "D:\\big.bmp");
  EXPECT_EQ(page(MediaPage::Image).currentFile(), "C:\\PICS\\big.bmp");  // no preview started
  EXPECT_EQ(sys.tray.calls.back(), "remove pichook");
}

std::string quitPathName(const ::testing::TestParamInfo<int>& info) {
  static const char* const names[] = {"FileQuit", "TrayQuit", "CloseRequest"};
  return names[info.param];
}
INSTANTIATE_TEST_SUITE_P(EveryPath, QuitDuringCopyTest, ::testing::Values(0, 1, 2), quitPathName);

TEST_F(LocationTest, NothingStartsBehindALongCopyButTheDisplaysKeepUp) {
  // A sound plays; the reminder is one tick from its break.
  sys.putMedia("C:\\PICS\\ding.wav");
  sys.media.lengths["C:\\PICS\\ding.wav"] = 1000;
  select(MediaPage::Sound, "ding.wav");
  page(MediaPage::Sound).pane.file.userDblClick();
  Form19& props = *sys.app->reminder()->properties();
  props.Option1.setValue(1);
  props.Label2.setText("1");
  sys.fs.addSparseFile("C:\\PICS\\big.bmp", 10 << 20);
  page(MediaPage::Image).pane.refreshFiles();
  LocationDialog& d = ask(MediaPage::Image, "big.bmp", "IMF");
  d.Drive1.userSelect(indexOf(d.Drive1, "d:"));
  ListControl& images = page(MediaPage::Image).pane.file;
  sys.fs.whileCopying = [&](std::int64_t done) {
    if (done == 2 << 20) {
      images.userSelect(indexOf(images, "b.dib"));
      props.Text4.userEdit("");  // would untick the sound
      sys.media.position = 400;
      sys.ui.advance(60000);
    }
    if (done == 3 << 20) {
      EXPECT_EQ(page(MediaPage::Image).currentFile(), "C:\\PICS\\big.bmp");
      EXPECT_EQ(sys.app->reminder()->breakWindow(), nullptr);
      EXPECT_EQ(main->soundPlayer.bar.value(), 400);  // the bar still follows the sound
    }
  };
  props.Check1.setValue(1);
  props.Text4.setText("C:\\PICS\\ding.wav");
  d.SSCommand2.userClick();
  EXPECT_EQ(sys.fs.fileSize("D:\\big.bmp"), 10 << 20);
  // Once the move has ended, what waited runs, in order.
  EXPECT_EQ(page(MediaPage::Image).currentFile(), "C:\\PICS\\b.dib");
  EXPECT_EQ(props.Check1.value(), 0);
  EXPECT_NE(sys.app->reminder()->breakWindow(), nullptr);
}

// Without its progress window, or without a worker, a large copy does not
// begin, and says so; the windows still take input.
TEST_F(LocationTest, ACopyThatCannotShowItsProgressOrStartIsRefusedAndSaysSo) {
  sys.fs.addSparseFile("C:\\PICS\\big.avi", 10 << 20);
  page(MediaPage::MciDevices).pane.refreshFiles();
  sys.ui.refusedForms.insert("Form3");
  LocationDialog& d = ask(MediaPage::MciDevices, "big.avi", "ACF");
  d.Drive1.userSelect(indexOf(d.Drive1, "d:"));
  d.SSCommand2.userClick();
  EXPECT_FALSE(sys.fs.fileExists("D:\\big.avi"));
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_EQ(sys.ui.messages[0].text,
            "The window that shows how far a copy has gone could not be opened, so big.avi was "
            "not copied.");
  EXPECT_FALSE(sys.ui.busy());
  EXPECT_TRUE(main->form.enabled());
  sys.ui.messages.clear();

  sys.ui.refusedForms.clear();
  sys.workers.refuse = true;
  LocationDialog& again = ask(MediaPage::MciDevices, "big.avi", "ACF");
  again.Drive1.userSelect(indexOf(again.Drive1, "d:"));
  again.SSCommand2.userClick();
  EXPECT_FALSE(sys.fs.fileExists("D:\\big.avi"));
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_NE(sys.ui.messages[0].text.find("big.avi could not be copied"), std::string::npos);
  EXPECT_FALSE(sys.ui.busy());
  EXPECT_TRUE(main->form.enabled());
  EXPECT_EQ(sys.form<Form3>("Form3"), nullptr);
}

TEST(ProgressWindow, ShowsTheFiguresItIsGivenAndCancelAsksTheCopyToStop) {
  MemoryUi ui;
  TransferProgress progress;
  Form3 window(ui, "Copying", "big.avi to D:\\", progress);
  window.show();
  EXPECT_EQ(window.Label2.text(), "");
  progress.done = 1 << 20;
  progress.total = 10 << 20;
  ui.advance(Form3::kRefreshMs);
  EXPECT_EQ(window.ProgressBar1.value(), 100);
  EXPECT_EQ(window.Label2.text(), "1 MB of 10 MB (10%)");
  window.Command1.userClick();
  EXPECT_TRUE(progress.cancel);
}

}  // namespace
}  // namespace vl
