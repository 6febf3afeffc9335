// Pictures from files or from the program's resources, decoded once however
// many controls show them.
#pragma once

#include <map>
#include <memory>
#include <string>

namespace vl {

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

// Reads one picture: a file path (BMP, DIB, RLE, WMF, EMF, ICO, CUR) or
// "res:NAME" for a bitmap of the program's own.
class PictureDecoder {
 public:
  virtual ~PictureDecoder() = default;
  virtual PictureLoad decode(const std::string& source) = 0;
};

// Shares a decoded picture between everyone who shows the same source while
// any of them still holds it.
class PictureCache {
 public:
  explicit PictureCache(PictureDecoder& decoder) : decoder_(decoder) {}
  PictureLoad load(const std::string& source);

 private:
  PictureDecoder& decoder_;
  std::map<std::string, std::weak_ptr<const Picture>> shown_;
};

}  // namespace vl
