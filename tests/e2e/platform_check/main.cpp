// Checks the real picture decoder, MCI devices, tray icon, file dialog and
// long paths under Wine, and the scroll bar, timer and image kinds of the
// window back end, and a form load the system refuses. Usage: platform_check
// [pictures|media|tray|dialog|kinds|files]...
#include <cstdio>
#include <cstring>

#include "services.h"

int main(int argc, char** argv) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  std::string folder = pc::sampleFolder();
  auto wanted = [&](const char* group) {
    if (argc < 2) return true;
    for (int i = 1; i < argc; ++i)
      if (std::strcmp(argv[i], group) == 0) return true;
    return false;
  };
  if (wanted("pictures")) pc::runPictureChecks(instance, folder);
  if (wanted("media")) pc::runMediaChecks(folder);
  if (wanted("tray")) pc::runTrayChecks(instance);
  if (wanted("dialog")) pc::runDialogChecks(instance, folder);
  if (wanted("kinds")) {
    pc::runKindsChecks(instance, folder);
    pc::runLoadFailureChecks(instance);
    pc::runMonitorDpiChecks(instance);
  }
  if (wanted("files")) pc::runFileChecks(folder);
  const check::Tally& t = check::tally();
  std::printf("%d passed, %d failed\n", t.passed, t.failed);
  std::fflush(stdout);
  return t.failed == 0 && t.passed > 0 ? 0 : 1;
}
