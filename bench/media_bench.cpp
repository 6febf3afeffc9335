// CPU while a wave plays on the Sound page with its refresh timer running,
// against a minimal program that plays the same file through MCI and waits;
// and the program's CPU while it sits idle on the Sound page.
//   media_bench <program-dir> <media-dir> [runs]
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../tests/e2e/media_files.h"
#include "program_windows.h"
#include "unix_cpu.h"

namespace {

using bench::endProgram;
using bench::median;
using bench::named;
using bench::startProgram;

constexpr int kWaveSeconds = 20;
constexpr DWORD kIdleMs = 10000;

bool writeWave(const std::wstring& path) {
  std::string bytes = testmedia::silentWave(kWaveSeconds * 10);
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD n = 0;
  bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr) != 0;
  CloseHandle(f);
  return ok;
}

// Percent of one core the floor used while its play lasted.
double floorPercent(const std::wstring& floor, const std::wstring& wave, const std::wstring& dir) {
  std::wstring result = dir + L"\\floor.txt";
  PROCESS_INFORMATION pi = startProgram(floor, L"\"" + wave + L"\" \"" + result + L"\"", dir);
  if (!pi.hProcess) return -1;
  WaitForSingleObject(pi.hProcess, 120000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  FILE* in = _wfopen(result.c_str(), L"r");
  double cpu = 0, wall = 0;
  bool read = in && std::fscanf(in, "%lf %lf", &cpu, &wall) == 2;
  if (in) std::fclose(in);
  return read && wall > 0 ? 100.0 * cpu / wall : -1;
}

struct Run {
  double idle = -1, playing = -1, playMs = 0;
};

Run measureProgram(const std::wstring& program, const std::wstring& dir) {
  Run r;
  PROCESS_INFORMATION pi = startProgram(program, L"", dir);
  HWND main = pi.hProcess ? named(L"Form1") : nullptr;
  HWND tabs = main ? named(L"SSTab1") : nullptr;
  if (!tabs) {
    std::printf("the main window did not appear\n");
    endProgram(pi);
    return r;
  }
  SendMessageW(tabs, TCM_SETCURFOCUS, 2, 0);
  HWND files = named(L"File3"), bar = named(L"ProgressBar1");
  Sleep(2000);  // start-up settles
  std::string proc = bench::unixProcessOf("varilume.exe");
  auto cpuMs = [&proc](HANDLE) { return bench::unixCpuMs(proc); };

  double cpu = cpuMs(pi.hProcess);
  Sleep(kIdleMs);
  r.idle = 100.0 * (cpuMs(pi.hProcess) - cpu) / kIdleMs;

  // A double click on the only file, then the play from its first move of
  // the bar to its return to 0.
  LPARAM at = MAKELPARAM(8, 6);
  for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageW(files, m, m == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
  auto pos = [bar] { return SendMessageW(bar, PBM_GETPOS, 0, 0); };
  ULONGLONG deadline = GetTickCount64() + 30000;
  while (pos() == 0 && GetTickCount64() < deadline) Sleep(5);
  cpu = cpuMs(pi.hProcess);
  ULONGLONG began = GetTickCount64();
  deadline = began + 120000;
  while (pos() != 0 && GetTickCount64() < deadline) Sleep(100);
  r.playMs = static_cast<double>(GetTickCount64() - began);
  if (r.playMs > 500) r.playing = 100.0 * (cpuMs(pi.hProcess) - cpu) / r.playMs;
  endProgram(pi);
  return r;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::printf("usage: media_bench <program-dir> <media-dir> [runs]\n");
    return 2;
  }
  std::wstring program = std::wstring(argv[1]) + L"\\varilume.exe";
  std::wstring dir = argv[2];
  int runs = argc > 3 ? _wtoi(argv[3]) : 3;
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring floor = self;
  floor = floor.substr(0, floor.find_last_of(L"\\/")) + L"\\floor_player.exe";
  CreateDirectoryW(dir.c_str(), nullptr);
  std::wstring wave = dir + L"\\long.wav";
  if (!writeWave(wave)) {
    std::printf("cannot write %ls\n", wave.c_str());
    return 1;
  }
  std::vector<double> floors, ours, idles;
  for (int i = 0; i < runs; ++i) {
    double f = floorPercent(floor, wave, dir);
    Run r = measureProgram(program, dir);
    std::printf(
        "run %d: playing a %d-second wave (%.0f ms here): program %.2f%% of a core, floor %.2f%%; "
        "idle on the Sound page %.2f%%\n",
        i + 1, kWaveSeconds, r.playMs, r.playing, f, r.idle);
    std::fflush(stdout);
    floors.push_back(f);
    ours.push_back(r.playing);
    idles.push_back(r.idle);
  }
  double difference = median(ours) - median(floors);
  std::printf(
      "while playing: program %.2f%%, floor %.2f%%, difference %.2f%% of one core (target <= 2); "
      "idle %.2f%% of one core over %lu s (target < 0.5) (medians of %d runs)\n",
      median(ours), median(floors), difference, median(idles), kIdleMs / 1000, runs);
  return 0;
}
