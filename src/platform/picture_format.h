// What kind of picture a file holds, by its first bytes: pictures are often
// saved under another extension, and the reader must be the one the content
// needs.
#pragma once

#include <string>
#include <string_view>

namespace vl {

enum class PictureFormat {
  Unknown,
  Bitmap,
  Icon,
  Cursor,
  WindowsMetafile,
  EnhancedMetafile,
  Png,
  Jpeg,
  Gif,
  Tiff,
  WebP,
  Heif,
  Avif,
  JpegXr,
};

// Enough of the file's head to tell every format.
inline constexpr std::size_t kPictureHeadBytes = 88;
PictureFormat pictureFormatOf(std::string_view head);

// The name a user knows the format by: "JPEG", "PNG", "WebP", "BMP"...
std::string formatName(PictureFormat format);

// Read by the system's imaging component rather than drawn by GDI.
bool readByImagingComponent(PictureFormat format);

// The extensions of the pictures the imaging component reads, in capitals,
// and the same as a file dialog's or a list's pattern: "*.PNG;*.JPG;...".
inline constexpr std::string_view kImagingExtensions[] = {"PNG",  "JPG",  "JPEG", "JPE",  "JFIF",
                                                          "GIF",  "TIF",  "TIFF", "WEBP", "HEIC",
                                                          "HEIF", "AVIF", "JXR",  "WDP"};
std::string imagingPatterns();

}  // namespace vl
