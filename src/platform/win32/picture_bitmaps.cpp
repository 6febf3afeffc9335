// Bitmap files and bitmap resources.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/win32/picture_decoder.h"
#include "platform/win32/picture_kinds.h"
#include "platform/win32/text.h"

namespace vl::win32 {

namespace {

constexpr std::size_t kFileHeader = 14;  // BITMAPFILEHEADER
constexpr long kLargestSide = 32767;
constexpr std::size_t kLargestImage = std::size_t{256} << 20;

void halftone(HDC dc) {
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE needs the origin set again
}

// A packed DIB drawn straight from memory: GDI then reads every depth and
// compression it knows, in either row order, without a device bitmap.
class DibPicture : public Win32Picture {
 public:
  DibPicture(std::vector<DWORD> info, std::vector<BYTE> bits, int width, int height, int dpi)
      : info_(std::move(info)), bits_(std::move(bits)), width_(width), height_(height), dpi_(dpi) {}
  int widthTwips() const override { return MulDiv(width_, 1440, dpi_); }
  int heightTwips() const override { return MulDiv(height_, 1440, dpi_); }
  // Only the part that can be seen is drawn: a picture far larger than its
  // viewport costs no more to paint than a small one.
  void draw(HDC dc, const RECT& to) const override {
    int tw = to.right - to.left, th = to.bottom - to.top;
    if (tw <= 0 || th <= 0) return;
    RECT seen = to;
    RECT clip;
    if (GetClipBox(dc, &clip) != ERROR && !IntersectRect(&seen, &to, &clip)) return;
    // The source columns and rows under what is seen, widened to whole pixels.
    int x0 = static_cast<int>(static_cast<long long>(seen.left - to.left) * width_ / tw);
    int x1 =
        static_cast<int>((static_cast<long long>(seen.right - to.left) * width_ + tw - 1) / tw);
    int y0 = static_cast<int>(static_cast<long long>(seen.top - to.top) * height_ / th);
    int y1 =
        static_cast<int>((static_cast<long long>(seen.bottom - to.top) * height_ + th - 1) / th);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    int left = to.left + static_cast<int>(static_cast<long long>(x0) * tw / width_);
    int right = to.left + static_cast<int>(static_cast<long long>(x1) * tw / width_);
    int top = to.top + static_cast<int>(static_cast<long long>(y0) * th / height_);
    int bottom = to.top + static_cast<int>(static_cast<long long>(y1) * th / height_);
    // A bottom-up picture counts its source rows from the bottom.
    int sourceY = topDown() ? y0 : height_ - y1;
    int oldMode = GetStretchBltMode(dc);
    halftone(dc);
    StretchDIBits(dc, left, top, right - left, bottom - top, x0, sourceY, x1 - x0, y1 - y0,
                  bits_.data(), reinterpret_cast<const BITMAPINFO*>(info_.data()), DIB_RGB_COLORS,
                  SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }

 private:
  bool topDown() const {
    auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(info_.data());
    return header->biSize != sizeof(BITMAPCOREHEADER) && header->biHeight < 0;
  }
  std::vector<DWORD> info_;  // DWORDs keep the header aligned as GDI expects
  std::vector<BYTE> bits_;
  int width_, height_, dpi_;
};

class BitmapPicture : public Win32Picture {
 public:
  BitmapPicture(HBITMAP bitmap, int width, int height, int dpi)
      : bitmap_(bitmap), width_(width), height_(height), dpi_(dpi) {}
  ~BitmapPicture() override { DeleteObject(bitmap_); }
  BitmapPicture(const BitmapPicture&) = delete;
  BitmapPicture& operator=(const BitmapPicture&) = delete;
  int widthTwips() const override { return MulDiv(width_, 1440, dpi_); }
  int heightTwips() const override { return MulDiv(height_, 1440, dpi_); }
  void draw(HDC dc, const RECT& to) const override {
    HDC source = CreateCompatibleDC(dc);
    if (!source) return;
    HGDIOBJ old = SelectObject(source, bitmap_);
    int oldMode = GetStretchBltMode(dc);
    halftone(dc);
    StretchBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, source, 0, 0, width_,
               height_, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
    SelectObject(source, old);
    DeleteDC(source);
  }

 private:
  HBITMAP bitmap_;
  int width_, height_, dpi_;
};

struct DibLayout {
  long width = 0, height = 0;  // height < 0: rows run top-down
  unsigned bitCount = 0;
  unsigned long compression = BI_RGB;
  std::size_t infoSize = 0;  // header, masks and colour table
  unsigned long imageSize = 0;
};

// Reads the header that follows the file header; false when it makes no sense.
bool readLayout(std::string_view b, DibLayout& d) {
  unsigned long headerSize = readU32(b, kFileHeader);
  std::size_t entrySize = 4;
  unsigned long colorsUsed = 0;
  if (headerSize == sizeof(BITMAPCOREHEADER)) {
    d.width = static_cast<long>(readU16(b, 18));
    d.height = static_cast<long>(readU16(b, 20));
    d.bitCount = readU16(b, 24);
    entrySize = 3;
  } else if (headerSize >= sizeof(BITMAPINFOHEADER) && headerSize <= 4096) {
    d.width = readI32(b, 18);
    d.height = readI32(b, 22);
    d.bitCount = readU16(b, 28);
    d.compression = readU32(b, 30);
    d.imageSize = readU32(b, 34);
    colorsUsed = readU32(b, 46);
  } else {
    return false;
  }
  if (d.width <= 0 || d.width > kLargestSide || d.height == 0 || d.height > kLargestSide ||
      d.height < -kLargestSide)
    return false;
  if (d.bitCount != 1 && d.bitCount != 4 && d.bitCount != 8 && d.bitCount != 16 &&
      d.bitCount != 24 && d.bitCount != 32)
    return false;
  std::size_t masks = 0;
  if (headerSize == sizeof(BITMAPINFOHEADER) && d.compression == BI_BITFIELDS) masks = 12;
  if (headerSize == sizeof(BITMAPINFOHEADER) && d.compression == 6) masks = 16;  // with alpha
  if (colorsUsed == 0 && d.bitCount <= 8) colorsUsed = 1ul << d.bitCount;
  if (colorsUsed > 256) colorsUsed = 256;
  d.infoSize = headerSize + masks + colorsUsed * entrySize;
  return true;
}

}  // namespace

PictureLoad decodeBitmapFile(std::string_view b, int dpi) {
  DibLayout d;
  if (b.size() < kFileHeader + sizeof(BITMAPCOREHEADER) || !readLayout(b, d))
    return {nullptr, damagedPicture()};
  bool rle = d.compression == BI_RLE8 || d.compression == BI_RLE4;
  if (!rle && d.compression != BI_RGB && d.compression != BI_BITFIELDS && d.compression != 6)
    return {nullptr, "The file is not a picture this program can show."};
  // Drawing may expand the picture to 32 bits a pixel, whatever its header says.
  std::size_t height = static_cast<std::size_t>(d.height < 0 ? -d.height : d.height);
  if (static_cast<std::size_t>(d.width) * height * 4 > kLargestImage)
    return {nullptr, "The picture is too large to be shown."};
  std::size_t headerEnd = kFileHeader + d.infoSize;
  if (kFileHeader + readU32(b, kFileHeader) > b.size()) return {nullptr, damagedPicture()};

  // Header and colour table; a table cut short by the file's end reads as black.
  std::vector<DWORD> info((d.infoSize + 3) / 4, 0);
  std::size_t have = std::min(d.infoSize, b.size() - kFileHeader);
  std::memcpy(info.data(), b.data() + kFileHeader, have);

  // The bits start where the file header says, when that is plausible.
  std::size_t offset = readU32(b, 10);
  if (offset < headerEnd || offset >= b.size()) offset = std::min(headerEnd, b.size());
  std::size_t available = b.size() - offset;
  std::size_t needed;
  if (rle) {
    needed = d.imageSize && d.imageSize < available ? d.imageSize : available;
    // GDI reads no further than the image size it is told.
    reinterpret_cast<BITMAPINFOHEADER*>(info.data())->biSizeImage = static_cast<DWORD>(needed);
  } else {
    std::size_t stride = (static_cast<std::size_t>(d.width) * d.bitCount + 31) / 32 * 4;
    needed = stride * height;
  }
  // Rows missing at the end read as black rather than past the buffer.
  std::vector<BYTE> bits(needed, 0);
  if (!bits.empty()) std::memcpy(bits.data(), b.data() + offset, std::min(needed, available));
  return {std::make_shared<DibPicture>(std::move(info), std::move(bits), static_cast<int>(d.width),
                                       static_cast<int>(height), dpi),
          {}};
}

PictureLoad loadBitmapResource(HINSTANCE instance, const std::wstring& name, int dpi) {
  auto bitmap = static_cast<HBITMAP>(
      LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return pictureFailure(errorText(ERROR_RESOURCE_NAME_NOT_FOUND));
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  return {std::make_shared<BitmapPicture>(bitmap, info.bmWidth, info.bmHeight, dpi), {}};
}

}  // namespace vl::win32
