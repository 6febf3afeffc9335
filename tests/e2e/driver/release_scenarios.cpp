// The release: the installer run silently into a folder of awkward name, the
// shortcut, the uninstall entry and the "Open with" registrations, the
// registered command, an upgrade, the uninstaller's refusals and its clean
// removal; and the portable zip's program started from its own folder.
#include <shlobj.h>

#include "common.h"

namespace e2e {

namespace {

const char* const kExtensions[] = {"bmp",  "dib",  "rle",  "wmf", "emf", "ico",  "cur",
                                   "mid",  "rmi",  "wav",  "avi", "mov", "png",  "jpg",
                                   "jpeg", "jpe",  "jfif", "gif", "tif", "tiff", "webp",
                                   "heic", "heif", "avif", "jxr", "wdp"};
const std::string kApp = "Software\\Classes\\Applications\\varilume.exe";
const std::string kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VarilumeSE";

// Runs a command line to its end; its exit code, or -1 when it did not start or end.
long run(const std::string& commandLine, DWORD timeoutMs = 60000) {
  std::wstring line = wide(commandLine);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
    GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return static_cast<long>(code);
}

std::optional<std::string> regValue(const std::string& key, const std::string& name) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  LSTATUS r = RegGetValueW(HKEY_CURRENT_USER, wide(key).c_str(),
                           name.empty() ? nullptr : wide(name).c_str(),
                           RRF_RT_REG_SZ | RRF_RT_REG_DWORD, nullptr, data, &size);
  if (r != ERROR_SUCCESS) return std::nullopt;
  return utf8(data);
}

bool keyExists(const std::string& key) {
  HKEY h = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(key).c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
    return false;
  RegCloseKey(h);
  return true;
}

std::string shortcutPath() {
  PWSTR programs = nullptr;
  SHGetKnownFolderPath(FOLDERID_Programs, 0, nullptr, &programs);
  std::string path = utf8(programs ? programs : L"") + "\\Varilume SE.lnk";
  CoTaskMemFree(programs);
  return path;
}

// Where the shortcut leads, read as the shell reads it.
std::string shortcutTarget(const std::string& lnk) {
  CoInitialize(nullptr);
  std::string target;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t path[MAX_PATH] = {};
      if (SUCCEEDED(file->Load(wide(lnk).c_str(), STGM_READ)) &&
          SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
        target = utf8(path);
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return target;
}

bool isDirectory(const std::string& path) {
  DWORD a = GetFileAttributesW(wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool sameFile(const std::string& a, const std::string& b) {
  return lstrcmpiW(wide(a).c_str(), wide(b).c_str()) == 0;
}

}  // namespace

SCENARIO(release_install) {
  knowWindowsPath();
  showTipsAtStart(false);
  const std::string setup =
      utf8(driverDirectory()) + "\\dist\\varilume-se-" VARILUME_VERSION "-setup.exe";
  const std::string dir = "C:\\Apps dir\\Vari lume \xC3\xA9";
  REQUIRE(fileExists(setup));
  CHECK_EQ(run("\"" + setup + "\" /S /D=" + dir), 0L);
  for (const char* f : {"varilume.exe", "readme.txt", "tip.dat", "LICENSE.txt", "uninstall.exe"})
    CHECK(fileExists(dir + "\\" + f));
  CHECK(sameFile(shortcutTarget(shortcutPath()), dir + "\\varilume.exe"));
  CHECK(regValue(kUninstallKey, "DisplayVersion") == std::optional<std::string>(VARILUME_VERSION));
  CHECK(regValue(kUninstallKey, "Publisher").has_value());
  CHECK(regValue(kUninstallKey, "DisplayIcon").has_value());
  CHECK(keyExists(kUninstallKey) && regValue(kUninstallKey, "UninstallString").has_value());
  for (const char* ext : kExtensions) {
    CHECK(keyExists(std::string("Software\\Classes\\.") + ext + "\\OpenWithList\\varilume.exe"));
    // "Open with" only: no type's default program changes.
    CHECK(!regValue(std::string("Software\\Classes\\.") + ext, "").has_value());
  }

  // The registered command, as the shell runs it, opens a picture whose path
  // holds spaces and non-ASCII characters.
  makeDirectory("C:\\Pics dir \xC3\xA9");
  const std::string picture = "C:\\Pics dir \xC3\xA9\\sea view \xC3\xBC.bmp";
  REQUIRE(
      writeFile(picture, testpics::bitmapFile(40, 30, [](int, int) { return RGB(0, 90, 200); })));
  auto command = regValue(kApp + "\\shell\\open\\command", "");
  REQUIRE(command.has_value());
  std::string line = *command;
  std::size_t at = line.find("%1");
  REQUIRE(at != std::string::npos);
  line.replace(at, 2, picture);
  Program p;
  REQUIRE(p.startCommand(line, "C:\\"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  CHECK(waitFor([&] { return text(control(main, "Text1")) == picture; }));

  // Settings and a reminder profile the program writes.
  CHECK(waitFor([] { return fileExists("C:\\res.cfg"); }));
  keys(main, {VK_CONTROL, 'R'});
  HWND props = p.form("FORM19");
  REQUIRE(props != nullptr);
  click(control(props, "SSCommand3"));
  CHECK(waitFor([] { return fileExists("C:\\windows\\rem1.cfg"); }));
  const std::string settings = readFile("C:\\res.cfg").value_or("");

  // While the program runs, neither setup nor the uninstaller touches it.
  CHECK_EQ(run("\"" + setup + "\" /S /D=" + dir), 3L);
  CHECK_EQ(run("\"" + dir + "\\uninstall.exe\" /S _?=" + dir), 3L);
  CHECK(fileExists(dir + "\\varilume.exe") && fileExists(dir + "\\uninstall.exe"));
  keys(main, {VK_CONTROL, 'Q'});
  CHECK(p.waitExit(kPatience));

  // An upgrade over the installation keeps the settings.
  CHECK_EQ(run("\"" + setup + "\" /S /D=" + dir), 0L);
  CHECK(fileExists(dir + "\\varilume.exe"));
  CHECK_EQ(readFile("C:\\res.cfg").value_or(""), settings);

  // The uninstaller removes what setup added and nothing else.
  REQUIRE(copyFile(dir + "\\uninstall.exe", "C:\\spare uninstall.exe"));
  CHECK(run("\"" + dir + "\\uninstall.exe\" /S") >= 0);
  // It runs from a copy of itself; its entry in the list goes last.
  CHECK(waitFor([&] { return !isDirectory(dir) && !keyExists(kUninstallKey); }, 30000));
  CHECK(!fileExists(shortcutPath()));
  CHECK(!keyExists(kApp));
  for (const char* ext : kExtensions)
    CHECK(!keyExists(std::string("Software\\Classes\\.") + ext + "\\OpenWithList\\varilume.exe"));
  CHECK_EQ(readFile("C:\\res.cfg").value_or(""), settings);
  CHECK(fileExists("C:\\windows\\rem1.cfg"));

  // A second uninstall finds nothing to remove and ends quietly.
  CHECK_EQ(run("\"C:\\spare uninstall.exe\" /S _?=" + dir), 0L);
  CHECK(!isDirectory(dir));

  // Elevated, /ALLUSERS installs for every user (Wine runs as an administrator).
  const std::string everyone = "C:\\Program Files\\Varilume SE";
  CHECK_EQ(run("\"" + setup + "\" /S /ALLUSERS"), 0L);
  CHECK(fileExists(everyone + "\\uninstall.exe"));
  HKEY machine = nullptr;
  CHECK(RegOpenKeyExW(HKEY_LOCAL_MACHINE, wide(kUninstallKey).c_str(), 0, KEY_READ, &machine) ==
        ERROR_SUCCESS);
  if (machine) RegCloseKey(machine);
  CHECK(!keyExists(kUninstallKey));
  CHECK(run("\"" + everyone + "\\uninstall.exe\" /S") >= 0);
  CHECK(waitFor([&] { return !fileExists(everyone + "\\uninstall.exe"); }, 30000));
  CHECK(waitFor([&] {
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, wide(kUninstallKey).c_str(), 0, KEY_READ, &machine) !=
           ERROR_SUCCESS;
  }));
}

// The zip, unpacked by the test's script into a folder of awkward name,
// starts from there and finds its tips beside it.
SCENARIO(release_zip) {
  knowWindowsPath();
  const std::string dir = "C:\\portable \xC3\xA9 dir";
  REQUIRE(fileExists(dir + "\\varilume.exe"));
  Program p;
  REQUIRE(p.startCommand("\"" + dir + "\\varilume.exe\"", "C:\\"));
  CHECK(p.form("Form1") != nullptr);
  HWND tips = p.form("Form14");
  REQUIRE(tips != nullptr);
  CHECK(!text(control(tips, "Label1")).empty());
}

}  // namespace e2e
