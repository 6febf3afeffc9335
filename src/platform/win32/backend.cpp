#include "platform/win32/backend.h"
#include "platform/ui.h"

#include <utility>

namespace vl::win32 {

namespace {
constexpr int kTrayIconResource = 1;
}  // namespace

Backend::Backend(HINSTANCE instance, std::string commandLine)
    : ui_(instance, libraries_),
      fs_(libraries_),
      media_(libraries_),
      tray_(instance, kTrayIconResource, libraries_),
      fileDialog_(libraries_),
      instances_(instance),
      services_{ui_,        fs_,         codec_,
                launcher_,  random_,     media_,
                tray_,      fileDialog_, std::move(commandLine),
                instances_, activity_,   workers_} {}

}  // namespace vl::win32
