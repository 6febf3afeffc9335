#include "browse/progress_window.h"

#include <algorithm>
#include <cstdio>

namespace vl {

namespace {

struct Unit {
  const char* name;
  std::int64_t size;
};

// Whole units where they are many, one decimal where they are few.
std::string amount(std::int64_t bytes, Unit unit) {
  char text[32];
  if (unit.size > 1 && bytes < 10 * unit.size && bytes % unit.size != 0)
    std::snprintf(text, sizeof text, "%.1f %s", static_cast<double>(bytes) / unit.size, unit.name);
  else
    std::snprintf(text, sizeof text, "%lld %s", static_cast<long long>(bytes / unit.size),
                  unit.name);
  return text;
}

}  // namespace

std::string progressText(std::int64_t done, std::int64_t total) {
  if (total < 0) total = 0;
  done = std::clamp<std::int64_t>(done, 0, total);
  Unit unit = total >= (std::int64_t{10} << 30)  ? Unit{"GB", std::int64_t{1} << 30}
              : total >= (std::int64_t{1} << 20) ? Unit{"MB", std::int64_t{1} << 20}
              : total >= 1024                    ? Unit{"KB", 1024}
                                                 : Unit{"bytes", 1};
  // In floating point: a product of two sizes may not fit 64 bits.
  int percent = total > 0 ? static_cast<int>(static_cast<double>(done) * 100 / total) : 100;
  return amount(done, unit) + " of " + amount(total, unit) + " (" + std::to_string(percent) + "%)";
}

Form3::Form3(Ui& ui, const std::string& caption, const std::string& what,
             TransferProgress& progress)
    : Form(ui, "Form3", caption, 4815, 1860), progress_(progress) {
  setBorderStyle(BorderStyle::FixedDialog, false);
  place(Label1, 120, 120, 4575, 435, what);
  place(ProgressBar1, 120, 600, 4575, 255);
  ProgressBar1.setMax(1000);
  place(Label2, 120, 960, 4575, 255);
  place(Command1, 1680, 1320, 1455, 375, "Cancel");
  Command1.Click = [this] { progress_.cancel = true; };
  CloseRequest = [this] { progress_.cancel = true; };
  Timer1.setInterval(kRefreshMs);
  Timer1.setOnlyRefreshes(true);
  Timer1.Tick = [this] { refresh(); };
}

void Form3::Load() {
  center();
  refresh();
}

void Form3::refresh() {
  std::int64_t done = progress_.done, total = progress_.total;
  ProgressBar1.setValue(total > 0 ? static_cast<int>(std::clamp(
                                        static_cast<double>(done) * 1000 / total, 0.0, 1000.0))
                                  : 0);
  Label2.setText(total > 0 ? progressText(done, total) : "");
}

}  // namespace vl
