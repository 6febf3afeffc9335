// Pictures from files or from the program's resources, decoded once however
// many controls show them, and read ahead while the user looks at another.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vl {

class Workers;

// A decoded picture. Back ends derive their own kind that also knows how to
// draw it; the portable program only needs its natural size.
class Picture {
 public:
  virtual ~Picture() = default;
  // Natural size in twips: pixels at the screen's twips per pixel for
  // bitmaps and icons, the picture's own extent for metafiles.
  virtual int widthTwips() const = 0;
  virtual int heightTwips() const = 0;
  // The file stopped early: what it held is shown, the rest is blank.
  virtual bool incomplete() const { return false; }
};

struct PictureLoad {
  std::shared_ptr<const Picture> picture;  // null when the file could not be read
  std::string error;                       // why not, in the system's words
};

// Reads one picture: a file path (BMP, DIB, RLE, WMF, EMF, ICO, CUR and the
// formats of the imaging component) or "res:NAME" for a bitmap of the
// program's own. decode() and version() may be called from a worker thread
// while the windows' thread calls them too.
class PictureDecoder {
 public:
  virtual ~PictureDecoder() = default;
  virtual PictureLoad decode(const std::string& source) = 0;
  // What tells the source's present contents apart from earlier ones (its
  // size and time of writing); nothing when it is not there.
  virtual std::optional<std::uint64_t> version(const std::string& source) = 0;
};

// Shares a decoded picture between everyone who shows the same source while
// any of them still holds it, as long as the file has not changed since.
// Reads ahead, on a worker, the pictures the user is likely to want next.
class PictureCache {
 public:
  // Without workers nothing is read ahead.
  explicit PictureCache(PictureDecoder& decoder, Workers* workers = nullptr);
  ~PictureCache();
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  // The picture as its file is now: one read ahead or shown elsewhere when
  // the file is unchanged, else decoded here. Waits only for the reading
  // ahead of this very source.
  PictureLoad load(const std::string& source);
  // The sources to keep ready, most wanted first; pictures read ahead of any
  // other source are let go, and a reading of one is dropped.
  void readAhead(std::vector<std::string> sources);
  // The pictures held for reading ahead, done or under way.
  std::size_t heldAhead() const { return ahead_.size(); }

 private:
  struct Outcome;
  struct Reading;
  // Decodes the source and tells whether the file stayed the same meanwhile.
  static void decodeInto(PictureDecoder& decoder, const std::string& source, Outcome& out);
  struct Shown {
    std::weak_ptr<const Picture> picture;
    std::optional<std::uint64_t> version;
  };
  void startNext();
  void ended(const std::shared_ptr<Reading>& reading);

  PictureDecoder& decoder_;
  Workers* workers_;
  std::map<std::string, Shown> shown_;
  // Wanted ahead, by key, in the order wanted; one at a time is read.
  std::vector<std::shared_ptr<Reading>> ahead_;
  std::shared_ptr<Reading> running_;  // the one on the worker, wanted or not
};

}  // namespace vl
