// Windows and enhanced metafiles, once checked (picture_check.h). Both are
// kept as enhanced metafiles, which play scaled into any rectangle.
#include <cstdlib>
#include <memory>

#include "platform/win32/pictures/picture_decoder.h"
#include "platform/win32/pictures/picture_kinds.h"
#include "platform/win32/system/window_dc.h"

namespace vl::win32 {

namespace {

constexpr std::size_t kPlaceableHeader = 22;
constexpr std::size_t kMetaHeader = 18;  // METAHEADER
constexpr unsigned kSetWindowExt = 0x020C;

class MetafilePicture : public Win32Picture {
 public:
  MetafilePicture(HENHMETAFILE emf, int widthTwips, int heightTwips)
      : emf_(emf), width_(widthTwips), height_(heightTwips) {}
  ~MetafilePicture() override { DeleteEnhMetaFile(emf_); }
  MetafilePicture(const MetafilePicture&) = delete;
  MetafilePicture& operator=(const MetafilePicture&) = delete;
  int widthTwips() const override { return width_; }
  int heightTwips() const override { return height_; }
  void draw(HDC dc, const RECT& to) const override { PlayEnhMetaFile(dc, emf_, &to); }

 private:
  HENHMETAFILE emf_;
  int width_, height_;
};

HENHMETAFILE fromWindowsBits(std::string_view bits, const METAFILEPICT* size) {
  return SetWinMetaFileBits(static_cast<UINT>(bits.size()),
                            reinterpret_cast<const BYTE*>(bits.data()), WindowDc(nullptr).get(),
                            size);
}

// A metafile's frame in twips, from 0.01 mm.
SIZE frameTwips(HENHMETAFILE emf) {
  ENHMETAHEADER h{};
  GetEnhMetaFileHeader(emf, sizeof h, &h);
  return {MulDiv(std::abs(h.rclFrame.right - h.rclFrame.left), 1440, 2540),
          MulDiv(std::abs(h.rclFrame.bottom - h.rclFrame.top), 1440, 2540)};
}

// The window extent a metafile without the placeable header sets itself,
// or {0, 0} when it sets none.
SIZE windowExtent(std::string_view b) {
  std::size_t at = kMetaHeader;
  while (at + 6 <= b.size()) {
    unsigned long words = readU32(b, at);
    unsigned function = readU16(b, at + 4);
    if (function == 0 || words < 3) break;  // the end record, or a damaged one
    if (function == kSetWindowExt && words >= 5)
      return {std::abs(readI16(b, at + 8)), std::abs(readI16(b, at + 6))};
    if (words > (b.size() - at) / 2) break;
    at += words * 2;
  }
  return {0, 0};
}

PictureLoad made(HENHMETAFILE emf, SIZE twips) {
  if (!emf) return pictureFailure(damagedPicture());
  if (twips.cx <= 0 || twips.cy <= 0) twips = frameTwips(emf);
  return {std::make_shared<MetafilePicture>(emf, twips.cx, twips.cy), {}};
}

}  // namespace

PictureLoad decodeWindowsMetafile(std::string_view b, int dpi) {
  if (readU32(b, 0) == 0x9AC6CDD7) {
    // The placeable header gives the bounding box in units of 1/inch.
    int width = readI16(b, 10) - readI16(b, 6);
    int height = readI16(b, 12) - readI16(b, 8);
    int inch = static_cast<int>(readU16(b, 14));
    if (b.size() < kPlaceableHeader + kMetaHeader || inch == 0 || width == 0 || height == 0)
      return {nullptr, damagedPicture()};
    width = std::abs(width);
    height = std::abs(height);
    METAFILEPICT size{MM_ANISOTROPIC, MulDiv(width, 2540, inch), MulDiv(height, 2540, inch),
                      nullptr};
    return made(fromWindowsBits(b.substr(kPlaceableHeader), &size),
                {MulDiv(width, 1440, inch), MulDiv(height, 1440, inch)});
  }
  // No header: the window extent read as screen pixels is the best size we
  // have; without one the system sizes it to the screen.
  if (b.size() < kMetaHeader) return {nullptr, damagedPicture()};
  SIZE extent = windowExtent(b);
  if (extent.cx <= 0 || extent.cy <= 0) return made(fromWindowsBits(b, nullptr), {0, 0});
  METAFILEPICT size{MM_ANISOTROPIC, MulDiv(extent.cx, 2540, dpi), MulDiv(extent.cy, 2540, dpi),
                    nullptr};
  return made(fromWindowsBits(b, &size),
              {MulDiv(extent.cx, 1440, dpi), MulDiv(extent.cy, 1440, dpi)});
}

PictureLoad decodeEnhancedMetafile(std::string_view b, int dpi) {
  HENHMETAFILE emf =
      SetEnhMetaFileBits(static_cast<UINT>(b.size()), reinterpret_cast<const BYTE*>(b.data()));
  if (!emf) return pictureFailure(damagedPicture());
  SIZE twips = frameTwips(emf);
  if (twips.cx <= 0 || twips.cy <= 0) {
    // No frame recorded: the bounds in the reference device's pixels.
    ENHMETAHEADER h{};
    GetEnhMetaFileHeader(emf, sizeof h, &h);
    twips = {MulDiv(h.rclBounds.right - h.rclBounds.left + 1, 1440, dpi),
             MulDiv(h.rclBounds.bottom - h.rclBounds.top + 1, 1440, dpi)};
  }
  return made(emf, twips);
}

}  // namespace vl::win32
