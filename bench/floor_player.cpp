// The floor of the playback benchmark: plays one wave through MCI and waits
// for its end, then writes the CPU and wall time of the play into a file.
//   floor_player <wave> <result-file>
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <string>

#include "unix_cpu.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  std::wstring open = L"open \"" + std::wstring(argv[1]) + L"\" type waveaudio alias w";
  if (mciSendStringW(open.c_str(), nullptr, 0, nullptr) != 0) return 1;
  double cpu = bench::unixCpuMs("self");
  ULONGLONG start = GetTickCount64();
  MCIERROR e = mciSendStringW(L"play w wait", nullptr, 0, nullptr);
  double wall = static_cast<double>(GetTickCount64() - start);
  cpu = bench::unixCpuMs("self") - cpu;
  mciSendStringW(L"close w", nullptr, 0, nullptr);
  FILE* out = _wfopen(argv[2], L"w");
  if (!out) return 1;
  std::fprintf(out, "%.1f %.1f\n", cpu, wall);
  std::fclose(out);
  return e == 0 ? 0 : 1;
}
