// Deleting, copying and moving one media file without ever losing it: a copy
// goes to a temporary file beside its destination and replaces the target
// only once it is complete; a move removes its source only after that.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "platform/files.h"

namespace vl {

enum class Transfer { Copy, Move };

// How far a copy on a worker has gone, read by the windows as it goes, and
// the windows' wish that it stop.
struct TransferProgress {
  std::atomic<std::int64_t> done{0}, total{0};
  std::atomic<bool> cancel{false};
};

struct TransferOutcome {
  enum Kind { Done, Failed, Cancelled, SameFolder } kind = Done;
  std::string destination;
  std::string message;  // what to tell the user; empty when there is nothing to tell
};

// Copies or moves the file into the directory under its own name, replacing
// a file of that name there.
TransferOutcome transferFile(FileSystem& fs, const std::string& source,
                             const std::string& destinationDirectory, Transfer operation,
                             const CopyProgress& progress);

// Into the Recycle Bin where the volume has one, else deleted. Never touches a directory.
FsResult deleteMediaFile(FileSystem& fs, const std::string& path);

// The temporary name a copy is written to before it takes its own.
std::string partialCopyName(const std::string& destination);

}  // namespace vl
