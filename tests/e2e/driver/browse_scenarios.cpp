// The browser pages: their lists, path joining, pop-up menus, and deleting,
// copying and moving files through the location dialog.
#include <cstdio>

#include "common.h"

namespace e2e {

namespace {

struct Page {
  int tab;
  const char *drive, *dir, *file, *field, *open, *openHelp;
};
const Page kPages[] = {
    {0, "Drive1", "Dir1", "File1", "Text1", "SSCommand22", "Open the selected file"},
    {1, "Drive2", "Dir2", "File2", "Text2", "SSCommand21", "Open the selected file"},
    {2, "Drive3", "Dir3", "File3", "Text3", "SSCommand20", "Open the selected file"},
    {3, "Drive4", "Dir4", "File4", "Text4", "SSCommand16", "Start Playback"},
};

const std::string kEte = "\xC3\xA9t\xC3\xA9.bmp";               // été.bmp
const std::string kPhoto = "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE";  // Фото

void put(const std::string& path, const std::string& bytes = "data") {
  REQUIRE(writeFile(path, bytes));
}

// C:\MEDIA with one file of each kind, and an AUTUMN.BMP in C:\ and in C:\PICS.
void makeMedia() {
  for (const char* dir : {"C:\\MEDIA", "C:\\PICS", "C:\\ART"}) makeDirectory(dir);
  makeDirectory("C:\\MEDIA\\" + kPhoto);
  for (const char* name : {"a.bmp", "B.DIB", "c.wmf", "d.emf", "e.ico", "f.cur", "g.rle", "h.mid",
                           "i.RMI", "j.wav", "k.avi", "l.txt", "m.MOV", "n.Bmp"})
    put(std::string("C:\\MEDIA\\") + name, std::string("content of ") + name);
  put("C:\\MEDIA\\" + kEte, "accented");
  put("C:\\AUTUMN.BMP", "root autumn");
  put("C:\\PICS\\AUTUMN.BMP", "pics autumn");
}

HWND startIn(Program& p, const std::string& directory) {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(p.start("", directory));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  return main;
}

void showPage(Program& p, HWND main, int tab) {
  HWND tabs = control(main, "SSTab1");
  p.selectTab(tabs, tab);
  REQUIRE(waitFor([&] { return currentTab(tabs) == tab; }));
}

bool listed(HWND list, const std::string& item) {
  auto items = listItems(list);
  return std::find(items.begin(), items.end(), item) != items.end();
}

// Enters the directory by a double click in the directory list, once the
// list shows it, and returns when the list has been refilled.
void enter(Program& p, HWND dir, const std::string& name) {
  REQUIRE(waitFor([&] { return listed(dir, name); }));
  REQUIRE(doubleClickItem(dir, name));
  CHECK(p.idle());
  CHECK(waitFor([&] {
    int i = listSelection(dir);
    return i >= 0 && listItems(dir)[static_cast<std::size_t>(i)] == name;
  }));
}

// Selects the file with a click once the list shows it, and waits until the
// list shows it selected and the program has acted on the click.
void pick(Program& p, HWND list, const std::string& name) {
  REQUIRE(waitFor([&] { return listed(list, name); }));
  REQUIRE(clickItem(list, name));
  CHECK(waitFor([&] {
    int i = listSelection(list);
    return i >= 0 && listItems(list)[static_cast<std::size_t>(i)] == name;
  }));
  CHECK(p.idle());
}

// Copy File or Move File from the page's menu, into a directory of the dialog.
HWND askLocation(Program& p, HWND main, const Page& page, const std::string& file,
                 const std::string& item, const char* dialogName) {
  HWND list = control(main, page.file);
  pick(p, list, file);
  auto at = itemPoint(list, file);  // the menu acts on the file under the pointer
  REQUIRE(at.has_value());
  REQUIRE(p.choosePopupItem(list, item, *at));
  HWND dialog = p.form(dialogName);
  REQUIRE(dialog != nullptr);
  return dialog;
}

}  // namespace

SCENARIO(browse_lists) {
  makeMedia();
  Program p;
  HWND main = startIn(p, "C:\\MEDIA");
  std::vector<std::vector<std::string>> expected = {
      {"a.bmp", "B.DIB", "c.wmf", "d.emf", "e.ico", "f.cur", "n.Bmp", kEte},
      {"h.mid", "i.RMI"},
      {"j.wav"},
      {"a.bmp", "B.DIB", "c.wmf", "d.emf", "e.ico", "f.cur", "g.rle", "h.mid", "i.RMI", "j.wav",
       "k.avi", "l.txt", "m.MOV", "n.Bmp", kEte}};
  for (const Page& page : kPages) {
    HWND file = control(main, page.file);
    std::vector<std::string> items = listItems(file);
    std::vector<std::string> want = expected[static_cast<std::size_t>(page.tab)];
    std::sort(items.begin(), items.end());
    std::sort(want.begin(), want.end());
    CHECK_EQ(items.size(), want.size());
    CHECK(items == want);
    CHECK(!listed(file, "g.rle") || page.tab == 3);
    HWND dir = control(main, page.dir);
    CHECK(listed(dir, "MEDIA"));
    CHECK(listed(dir, kPhoto));
    CHECK_EQ(listItems(control(main, page.drive))[static_cast<std::size_t>(std::max(
                                                      0, listSelection(control(main, page.drive))))]
                 .substr(0, 2),
             std::string("c:"));
  }

  // Path joining through the real lists: in the root, then below it.
  HWND dir1 = control(main, "Dir1"), file1 = control(main, "File1");
  HWND text1 = control(main, "Text1");
  pick(p, file1, kEte);
  CHECK(waitFor([&] { return text(text1) == "C:\\MEDIA\\" + kEte; }));
  enter(p, dir1, "C:\\");
  CHECK(waitFor([&] { return listItems(file1) == std::vector<std::string>{"AUTUMN.BMP"}; }));
  pick(p, file1, "AUTUMN.BMP");
  CHECK(waitFor([&] { return text(text1) == "C:\\AUTUMN.BMP"; }));
  // A single click on a directory only moves the highlight.
  REQUIRE(clickItem(dir1, "PICS"));
  CHECK(p.idle());
  CHECK(listed(file1, "AUTUMN.BMP") && listItems(file1).size() == 1);
  enter(p, dir1, "PICS");
  pick(p, file1, "AUTUMN.BMP");
  CHECK(waitFor([&] { return text(text1) == "C:\\PICS\\AUTUMN.BMP"; }));

  // Another drive moves both lists there, and back again.
  HWND drive1 = control(main, "Drive1");
  REQUIRE(chooseDrive(drive1, 'z'));
  CHECK(waitFor([&] { return !listItems(dir1).empty() && listItems(dir1)[0] == "Z:\\"; }));
  REQUIRE(chooseDrive(drive1, 'c'));
  CHECK(waitFor([&] { return !listItems(dir1).empty() && listItems(dir1)[0] == "C:\\"; }));

  // Status-bar help and the pop-up menus of the four pages.
  HWND status = control(main, "StatusBar1");
  const char* captions[4][9] = {
      {"View Image", "View Image Stretched", "View Full Screen", "View Full Screen Stretched",
       "Logo Changer", "", "Delete File", "Copy File", "Move File"},
      {"Play Music", "", "Delete File", "Copy File", "Move File"},
      {"Play Sound", "", "Delete File", "Copy File", "Move File"},
      {"Play MCI File", "", "Delete File", "Copy File", "Move File"}};
  for (const Page& page : kPages) {
    showPage(p, main, page.tab);
    postMouseMove(control(main, page.dir));
    CHECK(waitFor([&] { return p.statusText(status) == "Double Click to change directory"; }));
    postMouseMove(control(main, page.file));
    CHECK(waitFor([&] {
      return p.statusText(status) == "Press Enter or Double-click to view, Right-Click for menu";
    }));
    postMouseMove(control(main, page.open));
    CHECK(waitFor([&] { return p.statusText(status) == page.openHelp; }));
    auto menu = p.popupOf(control(main, page.file));
    std::size_t count = page.tab == 0 ? 9 : 5;
    CHECK_EQ(menu.size(), count);
    for (std::size_t i = 0; i < menu.size() && i < count; ++i)
      CHECK_EQ(menu[i].caption, std::string(captions[page.tab][i]));
  }
}

SCENARIO(file_operations) {
  makeMedia();
  put("C:\\ART\\c.wmf", "old picture");
  Program p;
  HWND main = startIn(p, "C:\\MEDIA");
  const Page& image = kPages[0];
  HWND file1 = control(main, "File1");

  // The Delete key removes the file at once.
  pick(p, file1, "a.bmp");
  postKey(file1, VK_DELETE);
  CHECK(waitFor([&] { return !fileExists("C:\\MEDIA\\a.bmp"); }));
  CHECK(waitFor([&] { return !listed(file1, "a.bmp"); }));
  CHECK(!p.messageBoxOpen());

  // Copy into the root of C: and into a folder.
  HWND d = askLocation(p, main, image, "B.DIB", "Copy File", "Form4");
  CHECK_EQ(text(d), std::string("Select Location"));
  CHECK(centred(d));
  CHECK_EQ(text(control(d, "Label2")), std::string("copy"));
  CHECK(!visible(control(d, "Label2")));
  HWND dir = control(d, "Dir1");
  CHECK(waitFor([&] { return listed(dir, "MEDIA"); }));  // where the process stands
  enter(p, dir, "C:\\");
  click(control(d, "SSCommand2"));
  CHECK(waitFor(
      [] { return readFile("C:\\B.DIB") == std::optional<std::string>("content of B.DIB"); }));
  CHECK(waitFor([&] { return !IsWindow(d); }));
  CHECK(fileExists("C:\\MEDIA\\B.DIB"));

  d = askLocation(p, main, image, kEte, "Copy File", "Form4");
  dir = control(d, "Dir1");
  enter(p, dir, "C:\\");
  enter(p, dir, "ART");
  click(control(d, "SSCommand2"));
  CHECK(waitFor(
      [] { return readFile("C:\\ART\\" + kEte) == std::optional<std::string>("accented"); }));

  // Onto an existing file: replaced.
  d = askLocation(p, main, image, "c.wmf", "Copy File", "Form4");
  dir = control(d, "Dir1");
  enter(p, dir, "C:\\");
  enter(p, dir, "ART");
  click(control(d, "SSCommand2"));
  CHECK(waitFor(
      [] { return readFile("C:\\ART\\c.wmf") == std::optional<std::string>("content of c.wmf"); }));

  // Cancel changes nothing.
  d = askLocation(p, main, image, "d.emf", "Move File", "Form4");
  CHECK_EQ(text(control(d, "Label2")), std::string("move"));
  click(control(d, "SSCommand1"));
  CHECK(waitFor([&] { return !IsWindow(d); }));
  CHECK(fileExists("C:\\MEDIA\\d.emf"));
  CHECK(!fileExists("C:\\d.emf"));

  // Move removes the source; on the Sound page with its own dialog.
  showPage(p, main, 2);
  d = askLocation(p, main, kPages[2], "j.wav", "Move File", "Form12");
  dir = control(d, "Dir1");
  enter(p, dir, "C:\\");
  enter(p, dir, "PICS");
  click(control(d, "SSCommand2"));
  CHECK(waitFor([] { return fileExists("C:\\PICS\\j.wav"); }));
  CHECK(waitFor([] { return !fileExists("C:\\MEDIA\\j.wav"); }));
  CHECK(waitFor([&] { return listItems(control(main, "File3")).empty(); }));

  // Moving into the folder it is in keeps the file and says so.
  showPage(p, main, 3);
  d = askLocation(p, main, kPages[3], "l.txt", "Move File", "Form13");
  click(control(d, "SSCommand2"));
  auto box = waitMessageBox(p.pid());
  REQUIRE(box.has_value());
  CHECK_EQ(box->text, std::string("l.txt is already in C:\\MEDIA; it was left as it is."));
  pressOk(*box);
  CHECK_EQ(readFile("C:\\MEDIA\\l.txt").value_or("<none>"), std::string("content of l.txt"));

  // A read-only file of the same name in the way keeps its content and its mark.
  REQUIRE(writeFile("C:\\PICS\\l.txt", "kept"));
  REQUIRE(SetFileAttributesW(L"C:\\PICS\\l.txt", FILE_ATTRIBUTE_READONLY));
  CHECK(waitFor([&] { return !p.messageBoxOpen(); }));  // the box before has gone
  d = askLocation(p, main, kPages[3], "l.txt", "Copy File", "Form13");
  dir = control(d, "Dir1");
  enter(p, dir, "C:\\");
  enter(p, dir, "PICS");
  click(control(d, "SSCommand2"));
  box = waitMessageBox(p.pid());
  REQUIRE(box.has_value());
  CHECK_EQ(box->text, std::string("l.txt in C:\\PICS is read-only; it was left as it is."));
  pressOk(*box);
  CHECK_EQ(readFile("C:\\PICS\\l.txt").value_or("<none>"), std::string("kept"));
  CHECK((GetFileAttributesW(L"C:\\PICS\\l.txt") & FILE_ATTRIBUTE_READONLY) != 0);
  CHECK(fileExists("C:\\MEDIA\\l.txt"));

  // With nothing selected, Copy File only says so.
  showPage(p, main, 2);
  REQUIRE(p.choosePopupItem(control(main, "File3"), "Copy File"));
  box = waitMessageBox(p.pid());
  REQUIRE(box.has_value());
  CHECK_EQ(box->text, std::string("Select the file to copy in the list first."));
  pressOk(*box);
  CHECK(p.idle());
  CHECK(p.formNow("Form12") == nullptr);
}

SCENARIO(failed_copies) {
  // D: is read-only; E: holds 1 MB (both set up by the runner).
  REQUIRE(!writeFile("D:\\probe.txt", "x"));
  makeDirectory("C:\\BIG");
  put("C:\\BIG\\movie.avi", std::string(2 << 20, 'v'));
  put("C:\\BIG\\small.avi", "small");
  put("E:\\small.avi", "old small");
  Program p;
  HWND main = startIn(p, "C:\\BIG");
  showPage(p, main, 3);
  const Page& mci = kPages[3];

  struct Case {
    const char* file;
    const char* item;
    char drive;
  } cases[] = {{"movie.avi", "Copy File", 'e'},
               {"movie.avi", "Move File", 'e'},
               {"small.avi", "Copy File", 'd'},
               {"small.avi", "Move File", 'd'}};
  for (const Case& c : cases) {
    HWND d = askLocation(p, main, mci, c.file, c.item, "Form13");
    REQUIRE(chooseDrive(control(d, "Drive1"), c.drive));
    HWND dir = control(d, "Dir1");
    std::string root{static_cast<char>(c.drive - 32), ':', '\\'};
    CHECK(waitFor([&] { return !listItems(dir).empty() && listItems(dir)[0] == root; }));
    click(control(d, "SSCommand2"));
    auto box = waitMessageBox(p.pid());
    REQUIRE(box.has_value());
    std::printf("  %s %s to %s: %s\n", c.item, c.file, root.c_str(), box->text.c_str());
    CHECK(box->text.rfind(std::string(c.file) + " could not be", 0) == 0);
    pressOk(*box);
    std::string kept = std::string("C:\\BIG\\") + c.file;
    CHECK(fileExists(kept));
    CHECK_EQ(readFile(kept).value_or("").size(),
             std::string(c.file) == "movie.avi" ? std::size_t{2} << 20 : std::size_t{5});
    CHECK(!fileExists(root + "movie.avi"));
    CHECK(!fileExists(root + "~movie.avi.partial"));
  }
  CHECK_EQ(readFile("E:\\small.avi").value_or("<none>"), std::string("old small"));
}

SCENARIO(long_paths) {
  // A folder more than 260 characters down, reached through the lists.
  std::string path = "C:\\LONG";
  std::vector<std::string> parts;
  makeDirectory(path);
  for (int i = 0; i < 9; ++i) {
    parts.push_back("level" + std::to_string(i) + "_" +
                    std::string(24, static_cast<char>('a' + i)));
    path += "\\" + parts.back();
    CreateDirectoryW((L"\\\\?\\" + wide(path)).c_str(), nullptr);
  }
  std::string file = path + "\\deep.bmp";
  REQUIRE(file.size() > 260);
  HANDLE h = CreateFileW((L"\\\\?\\" + wide(file)).c_str(), GENERIC_WRITE, 0, nullptr,
                         CREATE_ALWAYS, 0, nullptr);
  REQUIRE(h != INVALID_HANDLE_VALUE);
  DWORD wrote = 0;
  WriteFile(h, "deep", 4, &wrote, nullptr);
  CloseHandle(h);

  Program p;
  HWND main = startIn(p, "C:\\LONG");
  HWND dir1 = control(main, "Dir1"), file1 = control(main, "File1");
  for (const std::string& part : parts) enter(p, dir1, part);
  CHECK(waitFor([&] { return listed(file1, "deep.bmp"); }));
  pick(p, file1, "deep.bmp");
  CHECK(waitFor([&] { return text(control(main, "Text1")) == file; }));

  HWND d = askLocation(p, main, kPages[0], "deep.bmp", "Copy File", "Form4");
  enter(p, control(d, "Dir1"), "C:\\");
  click(control(d, "SSCommand2"));
  CHECK(waitFor([] { return readFile("C:\\deep.bmp") == std::optional<std::string>("deep"); }));
  CHECK(!p.messageBoxOpen());
  pick(p, file1, "deep.bmp");
  postKey(file1, VK_DELETE);
  CHECK(waitFor([&] { return !listed(file1, "deep.bmp"); }));
  CHECK(GetFileAttributesW((L"\\\\?\\" + wide(file)).c_str()) == INVALID_FILE_ATTRIBUTES);
}

}  // namespace e2e

namespace e2e {

// A long copy shows its progress, and Cancel stops it without a trace.

void makeHugeFile(const wchar_t* path, long long megabytes) {
  HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  REQUIRE(h != INVALID_HANDLE_VALUE);
  LARGE_INTEGER size{};
  size.QuadPart = megabytes << 20;
  SetFilePointerEx(h, size, nullptr, FILE_BEGIN);
  SetEndOfFile(h);
  CloseHandle(h);
}

// The copy of huge.avi from C:\BIG to C:\ART is under way; its progress window.
HWND startLongCopy(Program& p, HWND& main) {
  makeDirectory("C:\\BIG");
  makeDirectory("C:\\ART");
  // Large enough that the copy is still under way when a busy test acts on it.
  makeHugeFile(L"C:\\BIG\\huge.avi", kLongCopyMegabytes);
  main = startIn(p, "C:\\BIG");
  showPage(p, main, 3);
  HWND d = askLocation(p, main, kPages[3], "huge.avi", "Copy File", "Form13");
  enter(p, control(d, "Dir1"), "C:\\");
  enter(p, control(d, "Dir1"), "ART");
  click(control(d, "SSCommand2"));
  HWND progress = p.form("Form3");
  REQUIRE(progress != nullptr);
  return progress;
}

void checkSourceKeptAndNoCopyLeft() {
  CHECK(!fileExists("C:\\ART\\huge.avi"));
  CHECK(!fileExists("C:\\ART\\~huge.avi.partial"));
  WIN32_FILE_ATTRIBUTE_DATA data{};
  CHECK(GetFileAttributesExW(L"C:\\BIG\\huge.avi", GetFileExInfoStandard, &data));
  CHECK_EQ((static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow) >> 20,
           kLongCopyMegabytes);
}

SCENARIO(cancel_copy) {
  Program p;
  HWND main = nullptr;
  HWND progress = startLongCopy(p, main);
  CHECK_EQ(text(progress), std::string("Copying"));
  CHECK(!enabled(main));
  CHECK(waitFor([&] { return focusOf(progress) == control(progress, "Command1"); }));
  click(control(progress, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(progress); }));
  CHECK(waitFor([&] { return enabled(main); }));
  checkSourceKeptAndNoCopyLeft();
  CHECK(!p.messageBoxOpen());
}

SCENARIO(quit_during_copy) {
  Program p;
  HWND main = nullptr;
  startLongCopy(p, main);
  // A menu command in the middle of the copy is refused; the system's close
  // request stops the copy and then ends the program.
  postCommand(main, menuLine(p, main, "Did you &know...").id);
  PostMessageW(main, WM_CLOSE, 0, 0);
  CHECK(p.waitExit(kPatience));
  CHECK_EQ(p.exitCode(), DWORD{0});
  checkSourceKeptAndNoCopyLeft();
  CHECK_EQ(readFile("C:\\tip.cfg").value_or(""), std::string("0\r\n"));  // as it was
}

// A real click of the left button at the point of the window's client area.
void pressMouse(HWND window, POINT at) {
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
}

// The figures of the progress window: "N MB of 1024 MB (P%)"; nothing when
// the text says something else.
std::optional<std::pair<int, int>> figures(const std::string& shown) {
  int megabytes = -1, percent = -1;
  char rest = 0;
  if (std::sscanf(shown.c_str(), "%d MB of 1024 MB (%d%%)%c", &megabytes, &percent, &rest) != 2)
    return std::nullopt;
  return std::pair{megabytes, percent};
}

// The location dialog belongs to the main window; it leaves before the copy,
// whose window shows the file, its destination and figures that grow; the
// finished copy is said in the status bar.
SCENARIO(copy_progress) {
  makeDirectory("C:\\BIG");
  makeDirectory("C:\\ART");
  makeHugeFile(L"C:\\BIG\\huge.avi", 1024);
  Program p;
  HWND main = startIn(p, "C:\\BIG");
  showPage(p, main, 3);
  HWND d = askLocation(p, main, kPages[3], "huge.avi", "Copy File", "Form13");
  // It belongs to the main window, as a pop-up, which the system keeps in
  // front of its owner: a click on the main window leaves it on the screen.
  // (Wine without a window manager may still raise the owner over it for a
  // moment; the program puts it back in front, but not at a time a test can
  // wait for.) It is minimised with the main window and back with it.
  CHECK(GetWindow(d, GW_OWNER) == main);
  CHECK((GetWindowLongW(d, GWL_STYLE) & WS_POPUP) != 0);
  pressMouse(main, {4, 4});
  CHECK(waitFor([&] { return GetForegroundWindow() == main; }));
  CHECK(p.idle());
  CHECK(IsWindowVisible(d));
  ShowWindow(main, SW_MINIMIZE);
  CHECK(waitFor([&] { return IsIconic(main) && !IsWindowVisible(d); }));
  ShowWindow(main, SW_RESTORE);
  CHECK(waitFor([&] { return !IsIconic(main) && IsWindowVisible(d); }));
  enter(p, control(d, "Dir1"), "C:\\");
  enter(p, control(d, "Dir1"), "ART");
  click(control(d, "SSCommand2"));

  HWND progress = p.form("Form3");
  REQUIRE(progress != nullptr);
  CHECK(!IsWindow(d) || !IsWindowVisible(d));  // gone before the copy began
  CHECK(GetWindow(progress, GW_OWNER) == main);
  CHECK_EQ(text(control(progress, "Label1")), std::string("huge.avi to C:\\ART"));
  // The figures grow while the copy runs, up to the whole file.
  HWND figuresLabel = control(progress, "Label2");
  std::vector<std::pair<int, int>> seen;
  std::string last;
  waitFor([&] {
    if (!IsWindow(figuresLabel)) return true;
    std::string now = text(figuresLabel);
    if (now != last && !now.empty()) {
      auto f = figures(now);
      CHECK_MSG(f.has_value(), "figures in the progress window", now);
      if (f) seen.push_back(*f);
      last = now;
    }
    return false;
  });
  CHECK(seen.size() >= 2);
  for (std::size_t i = 1; i < seen.size(); ++i) {
    CHECK(seen[i].first >= seen[i - 1].first && seen[i].second >= seen[i - 1].second);
    CHECK(seen[i].second >= seen[i].first * 100 / 1024 &&
          seen[i].second <= (seen[i].first + 1) * 100 / 1024);
  }
  HWND status = control(main, "StatusBar1");
  CHECK(waitFor([&] { return p.statusText(status) == "Copied huge.avi to C:\\ART"; }));
  CHECK(waitFor([&] { return enabled(main); }));
  WIN32_FILE_ATTRIBUTE_DATA data{};
  CHECK(GetFileAttributesExW(L"C:\\ART\\huge.avi", GetFileExInfoStandard, &data));
  CHECK_EQ(data.nFileSizeLow, static_cast<DWORD>(1u << 30));
  CHECK(!p.messageBoxOpen());
}

}  // namespace e2e
