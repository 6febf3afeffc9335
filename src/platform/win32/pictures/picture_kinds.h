// The kinds of picture the decoder makes, each from a file's bytes (or the
// program's resources) once the content has told which kind it is.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/bytes.h"
#include "platform/picture.h"
#include "platform/picture_format.h"
#include "platform/win32/system/com_apartment.h"

namespace vl::win32 {

class Win32Picture;

// A picture's bytes, held once: unlike a string's, they are not zero-filled
// before the file or the decoder writes them, which costs a pass over a
// large picture. They come straight from the system's virtual memory, where
// the heap would add its own bookkeeping to every page of a large one.
class ByteBuffer {
 public:
  ByteBuffer() = default;
  explicit ByteBuffer(std::size_t size)
      : data_(static_cast<char*>(
            VirtualAlloc(nullptr, size ? size : 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))),
        size_(data_ ? size : 0) {}
  char* data() { return data_.get(); }
  const char* data() const { return data_.get(); }
  std::size_t size() const { return size_; }
  std::string_view view() const { return {data_.get(), size_}; }
  // Keeps the first bytes only (a file that shrank while it was read).
  void shrink(std::size_t size) { size_ = size < size_ ? size : size_; }

 private:
  struct Release {
    void operator()(char* p) const { VirtualFree(p, 0, MEM_RELEASE); }
  };
  std::unique_ptr<char, Release> data_;
  std::size_t size_ = 0;
};

// Pictures of the formats the system's imaging component reads (PNG, JPEG,
// GIF, TIFF and those it has a codec for), upright by their Exif
// orientation; also the PNG images inside large icons.
PictureLoad decodeWithImagingComponent(std::string_view bytes, PictureFormat format,
                                       int pixelsPerInch, ComApartment& com);
// Bitmap files ("BM"): the packed DIB is kept and drawn as it is.
// Keeps the file's bytes as the picture: no second copy of a large bitmap.
PictureLoad decodeBitmapFile(ByteBuffer&& bytes, int pixelsPerInch);
// Rows of 24-bit pixels, top-down, each padded to four bytes, drawn as a bitmap is.
std::shared_ptr<Win32Picture> opaquePixels(ByteBuffer pixels, int width, int height,
                                           int pixelsPerInch);
// A bitmap resource of the module.
PictureLoad loadBitmapResource(HINSTANCE instance, const std::wstring& name, int pixelsPerInch);
// Icon and cursor files, loaded by the system from the path.
PictureLoad loadIconFile(const std::string& path, std::string_view bytes, int pixelsPerInch,
                         ComApartment& com);
// Windows metafiles, with or without the placeable header, and enhanced ones.
PictureLoad decodeWindowsMetafile(std::string_view bytes, int pixelsPerInch);
PictureLoad decodeEnhancedMetafile(std::string_view bytes, int pixelsPerInch);

using vl::readI16;
using vl::readI32;
using vl::readU16;
using vl::readU32;

// A failed load: the system's last error when it gave one, else the fallback.
PictureLoad pictureFailure(const std::string& fallback);
// The words for a file whose content does not hold together.
std::string damagedPicture();

}  // namespace vl::win32
