// CPU time of a process as the Linux kernel counts it, read through Wine's
// Z: drive: Wine's own process times of another process leave out most of
// what its threads do.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {

// User and system time in ms of the process whose /proc folder this is
// ("self" for the caller); -1 when it cannot be read.
inline double unixCpuMs(const std::string& proc) {
  FILE* f = std::fopen(("Z:\\proc\\" + proc + "\\stat").c_str(), "r");
  if (!f) return -1;
  char buffer[1024] = {};
  std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, f);
  std::fclose(f);
  std::string stat(buffer, n);
  // Fields after the command's closing parenthesis: state is field 3,
  // utime and stime are fields 14 and 15.
  std::size_t at = stat.rfind(')');
  if (at == std::string::npos) return -1;
  unsigned long long utime = 0, stime = 0;
  if (std::sscanf(stat.c_str() + at + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu",
                  &utime, &stime) != 2)
    return -1;
  return static_cast<double>(utime + stime) * 10.0;  // the kernel counts 100 ticks a second
}

// The /proc folder of the newest process whose command line holds the text.
inline std::string unixProcessOf(const char* text) {
  WIN32_FIND_DATAA d;
  HANDLE h = FindFirstFileA("Z:\\proc\\*", &d);
  std::string found;
  unsigned long newest = 0;
  if (h == INVALID_HANDLE_VALUE) return found;
  do {
    unsigned long pid = std::strtoul(d.cFileName, nullptr, 10);
    if (pid == 0) continue;
    FILE* f = std::fopen((std::string("Z:\\proc\\") + d.cFileName + "\\cmdline").c_str(), "rb");
    if (!f) continue;
    char line[512] = {};
    std::size_t n = std::fread(line, 1, sizeof line - 1, f);
    std::fclose(f);
    for (std::size_t i = 0; i < n; ++i)
      if (line[i] == '\0') line[i] = ' ';
    if (std::string(line, n).find(text) != std::string::npos && pid > newest) {
      newest = pid;
      found = d.cFileName;
    }
  } while (FindNextFileA(h, &d));
  FindClose(h);
  return found;
}

}  // namespace bench
