#include "platform/picture_format.h"

#include "platform/bytes.h"

namespace vl {

namespace {

bool iconOrCursor(std::string_view b, unsigned type) {
  return b.size() >= 22 && readU16(b, 0) == 0 && readU16(b, 2) == type && readU16(b, 4) > 0;
}

bool windowsMetafile(std::string_view b) {
  if (readU32(b, 0) == 0x9AC6CDD7) return true;  // the placeable header's key
  unsigned type = readU16(b, 0), version = readU16(b, 4);
  return b.size() >= 18 && (type == 1 || type == 2) && readU16(b, 2) == 9 &&
         (version == 0x100 || version == 0x300);
}

bool enhancedMetafile(std::string_view b) {
  return b.size() >= 88 && readU32(b, 0) == 1 /* EMR_HEADER */ &&
         readU32(b, 40) == 0x464D4520 /* " EMF" */;
}

// An ISO base media file ("ftyp" box first): HEIF pictures and AVIF ones,
// told apart by the brands the box lists.
PictureFormat isoPicture(std::string_view b) {
  if (b.size() < 16 || b.substr(4, 4) != "ftyp") return PictureFormat::Unknown;
  std::size_t boxEnd = readBigU32(b, 0);
  if (boxEnd < 16) return PictureFormat::Unknown;
  if (boxEnd > b.size()) boxEnd = b.size();
  bool heif = false;
  // The major brand at 8, then compatible brands from 16, four letters each.
  for (std::size_t at = 8; at + 4 <= boxEnd; at += at == 8 ? 8 : 4) {
    std::string_view brand = b.substr(at, 4);
    if (brand == "avif" || brand == "avis") return PictureFormat::Avif;
    if (brand == "heic" || brand == "heix" || brand == "hevc" || brand == "hevx" ||
        brand == "heim" || brand == "heis" || brand == "mif1" || brand == "msf1")
      heif = true;
  }
  return heif ? PictureFormat::Heif : PictureFormat::Unknown;
}

}  // namespace

PictureFormat pictureFormatOf(std::string_view b) {
  if (b.starts_with("BM")) return PictureFormat::Bitmap;
  if (b.starts_with("\x89PNG\r\n\x1A\n")) return PictureFormat::Png;
  if (b.starts_with("\xFF\xD8\xFF")) return PictureFormat::Jpeg;
  if (b.starts_with("GIF87a") || b.starts_with("GIF89a")) return PictureFormat::Gif;
  if (b.starts_with(std::string_view("II*\0", 4)) || b.starts_with(std::string_view("MM\0*", 4)))
    return PictureFormat::Tiff;
  if (b.starts_with("II\xBC")) return PictureFormat::JpegXr;
  if (b.size() >= 12 && b.starts_with("RIFF") && b.substr(8, 4) == "WEBP")
    return PictureFormat::WebP;
  if (PictureFormat iso = isoPicture(b); iso != PictureFormat::Unknown) return iso;
  if (iconOrCursor(b, 1)) return PictureFormat::Icon;
  if (iconOrCursor(b, 2)) return PictureFormat::Cursor;
  if (enhancedMetafile(b)) return PictureFormat::EnhancedMetafile;
  if (windowsMetafile(b)) return PictureFormat::WindowsMetafile;
  return PictureFormat::Unknown;
}

std::string formatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::Unknown:
      return "unknown";
    case PictureFormat::Bitmap:
      return "BMP";
    case PictureFormat::Icon:
      return "icon";
    case PictureFormat::Cursor:
      return "cursor";
    case PictureFormat::WindowsMetafile:
      return "WMF";
    case PictureFormat::EnhancedMetafile:
      return "EMF";
    case PictureFormat::Png:
      return "PNG";
    case PictureFormat::Jpeg:
      return "JPEG";
    case PictureFormat::Gif:
      return "GIF";
    case PictureFormat::Tiff:
      return "TIFF";
    case PictureFormat::WebP:
      return "WebP";
    case PictureFormat::Heif:
      return "HEIF";
    case PictureFormat::Avif:
      return "AVIF";
    case PictureFormat::JpegXr:
      return "JPEG XR";
  }
  return "unknown";
}

bool readByImagingComponent(PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
    case PictureFormat::Jpeg:
    case PictureFormat::Gif:
    case PictureFormat::Tiff:
    case PictureFormat::WebP:
    case PictureFormat::Heif:
    case PictureFormat::Avif:
    case PictureFormat::JpegXr:
      return true;
    case PictureFormat::Unknown:
    case PictureFormat::Bitmap:
    case PictureFormat::Icon:
    case PictureFormat::Cursor:
    case PictureFormat::WindowsMetafile:
    case PictureFormat::EnhancedMetafile:
      return false;
  }
  return false;
}

std::string imagingPatterns() {
  std::string patterns;
  for (std::string_view ext : kImagingExtensions) {
    if (!patterns.empty()) patterns += ';';
    patterns += "*.";
    patterns += ext;
  }
  return patterns;
}

}  // namespace vl
