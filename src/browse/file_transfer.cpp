#include "browse/file_transfer.h"

namespace vl {

std::string partialCopyName(const std::string& destination) {
  return joinPath(directoryOf(destination), "~" + fileNameOf(destination) + ".partial");
}

namespace {

TransferOutcome failed(const std::string& name, const std::string& dir, Transfer op,
                       const std::string& reason) {
  std::string verb = op == Transfer::Copy ? "copied" : "moved";
  return {
      TransferOutcome::Failed, {}, name + " could not be " + verb + " to " + dir + ": " + reason};
}

}  // namespace

TransferOutcome transferFile(FileSystem& fs, const std::string& source,
                             const std::string& destinationDirectory, Transfer op,
                             const CopyProgress& progress) {
  std::string name = fileNameOf(source);
  std::string destination = joinPath(destinationDirectory, name);
  if (name.empty() || fs.isDirectory(source))
    return {TransferOutcome::Failed, destination, "No file is selected."};
  if (sameDirectory(directoryOf(source), destinationDirectory))
    return {TransferOutcome::SameFolder, destination,
            name + " is already in " + destinationDirectory + "; it was left as it is."};
  auto size = fs.fileSize(source);
  if (!size)
    return failed(name, destinationDirectory, op, "The system cannot find the file specified.");
  // A file of the same name is replaced without a question, unless its owner
  // marked it read-only: then it keeps its content and its mark.
  if (fs.fileExists(destination) && fs.isReadOnly(destination))
    return {TransferOutcome::Failed, destination,
            name + " in " + destinationDirectory + " is read-only; it was left as it is."};

  // Within one volume a move is a rename: nothing is copied, nothing can be half done.
  if (op == Transfer::Move && fs.sameVolume(source, destination)) {
    FsResult r = fs.renameFile(source, destination, true);
    if (!r.ok()) return failed(name, destinationDirectory, op, r.error);
    return {TransferOutcome::Done, destination, {}};
  }

  std::string partial = partialCopyName(destination);
  fs.deleteFile(partial);  // left over from a copy that was cut short
  bool cancelled = false;
  FsResult r = fs.copyFile(source, partial, [&](std::int64_t done, std::int64_t total) {
    cancelled = progress && !progress(done, total);
    return !cancelled;
  });
  if (r.ok() && fs.fileSize(partial) != size) r.error = "The copy is incomplete.";
  if (r.ok()) r = fs.renameFile(partial, destination, true);
  if (!r.ok()) {
    fs.deleteFile(partial);
    if (cancelled) return {TransferOutcome::Cancelled, destination, {}};
    return failed(name, destinationDirectory, op, r.error);
  }
  if (op == Transfer::Move) {
    FsResult removed = fs.deleteFile(source);
    if (!removed.ok())
      return {TransferOutcome::Failed, destination,
              name + " was copied to " + destinationDirectory +
                  ", but the original could not be removed: " + removed.error};
  }
  return {TransferOutcome::Done, destination, {}};
}

FsResult deleteMediaFile(FileSystem& fs, const std::string& path) {
  if (fs.isDirectory(path) || !fs.fileExists(path))
    return {"The system cannot find the file specified."};
  FsResult r = fs.recycleFile(path);
  if (!r.ok() && fs.fileExists(path)) r = fs.deleteFile(path);
  if (!fs.fileExists(path)) return {};
  return r.ok() ? FsResult{"The file is still there."} : r;
}

}  // namespace vl
