// Whether a file may go to the system's player. MCI chooses the device by
// the file's extension and its drivers trust what the file says: a file no
// device is registered for is told, and one whose bytes are not what its
// device plays, or do not hold together, never reaches the driver.
#pragma once

#include <string>

#include "platform/files.h"

namespace vl {

// Why the file may not be played ("damaged file", "not a sound file"), or ""
// when it may. `device` is the device the system would choose for it
// ("waveaudio", "sequencer", "avivideo", ...), empty when none is registered.
std::string refusalToPlay(FileSystem& fs, const std::string& device, const std::string& path);

}  // namespace vl
