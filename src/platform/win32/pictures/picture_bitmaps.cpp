// Bitmap files and bitmap resources.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "platform/picture_check.h"
#include "platform/win32/system/owned_handle.h"
#include "platform/win32/system/memory_dc.h"
#include "platform/win32/pictures/picture_decoder.h"
#include "platform/win32/pictures/picture_draw.h"
#include "platform/win32/pictures/picture_kinds.h"
#include "platform/win32/system/text.h"

namespace vl::win32 {

namespace {

constexpr std::size_t kFileHeader = 14;  // BITMAPFILEHEADER

// A packed DIB drawn straight from memory: GDI then reads every depth and
// compression it knows, in either row order, without a device bitmap. Only the
// part that can be seen is drawn, and a picture shown much smaller than it is
// is drawn from a reduced copy made once, so that a large picture costs no
// more to paint than a small one.
class DibPicture : public Win32Picture {
 public:
  DibPicture(std::vector<DWORD> info, ByteBuffer file, std::size_t bitsAt, int width, int height,
             int dpi, bool incomplete)
      : info_(std::move(info)),
        file_(std::move(file)),
        bitsAt_(bitsAt),
        width_(width),
        height_(height),
        dpi_(dpi),
        incomplete_(incomplete) {}
  int widthTwips() const override { return MulDiv(width_, 1440, dpi_); }
  int heightTwips() const override { return MulDiv(height_, 1440, dpi_); }
  bool incomplete() const override { return incomplete_; }
  void draw(HDC dc, const RECT& to) const override {
    // Halved `level` times, the copy is still at least as large as the target.
    int level = reductionLevel(width_, height_, to);
    HBITMAP copy = level >= 2 ? reducedCopy(level) : nullptr;
    Part p{};
    int oldMode = GetStretchBltMode(dc);
    halftone(dc);
    if (copy) {
      int w = width_ >> level, h = height_ >> level;
      if (visiblePart(dc, to, w, h, p)) {
        MemoryDc source(dc);
        source.select(copy);
        StretchBlt(dc, p.left, p.top, p.right - p.left, p.bottom - p.top, source.get(), p.x0, p.y0,
                   p.x1 - p.x0, p.y1 - p.y0, SRCCOPY);
      }
    } else if (visiblePart(dc, to, width_, height_, p)) {
      drawRows(dc, p);
    }
    SetStretchBltMode(dc, oldMode);
  }

 private:
  // The visible part straight from the bits. GDI is given only the band of
  // rows that shows, as a picture of its own: given the whole of a large
  // one, it may go through all of it for the few rows it draws.
  void drawRows(HDC dc, const Part& p) const {
    auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(info_.data());
    bool plain = header->biSize >= sizeof(BITMAPINFOHEADER) &&
                 (header->biCompression == BI_RGB || header->biCompression == BI_BITFIELDS);
    if (!plain) {
      // A bottom-up picture counts its source rows from the bottom.
      int sourceY = topDown() ? p.y0 : height_ - p.y1;
      StretchDIBits(dc, p.left, p.top, p.right - p.left, p.bottom - p.top, p.x0, sourceY,
                    p.x1 - p.x0, p.y1 - p.y0, bits(),
                    reinterpret_cast<const BITMAPINFO*>(info_.data()), DIB_RGB_COLORS, SRCCOPY);
      return;
    }
    std::vector<DWORD> band = info_;
    auto* bandHeader = reinterpret_cast<BITMAPINFOHEADER*>(band.data());
    int rows = p.y1 - p.y0;
    bandHeader->biHeight = topDown() ? -rows : rows;
    bandHeader->biSizeImage = 0;
    std::size_t stride = (static_cast<std::size_t>(width_) * header->biBitCount + 31) / 32 * 4;
    // The rows before the band in memory: above it top-down, below it bottom-up.
    std::size_t skipped = static_cast<std::size_t>(topDown() ? p.y0 : height_ - p.y1);
    StretchDIBits(dc, p.left, p.top, p.right - p.left, p.bottom - p.top, p.x0, 0, p.x1 - p.x0, rows,
                  bits() + skipped * stride, reinterpret_cast<const BITMAPINFO*>(band.data()),
                  DIB_RGB_COLORS, SRCCOPY);
  }

  bool topDown() const {
    auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(info_.data());
    return header->biSize != sizeof(BITMAPCOREHEADER) && header->biHeight < 0;
  }
  // The picture halved `level` times, smoothly, kept for later paints.
  HBITMAP reducedCopy(int level) const {
    auto it = reduced_.find(level);
    if (it != reduced_.end()) return it->second.get();
    int w = width_ >> level, h = height_ >> level;
    void* copyBits = nullptr;
    GdiObject<HBITMAP> copy = dibSection(w, h, &copyBits);
    if (!copy) return nullptr;
    {
      MemoryDc dc(nullptr);
      dc.select(copy.get());
      halftone(dc.get());
      // Smoothing the whole picture reads every pixel of it: far down, sample
      // it first at four times the copy's size, then smooth only that.
      GdiObject<HBITMAP> sample = level >= 3 ? sampled(w * 4, h * 4) : GdiObject<HBITMAP>();
      if (sample) {
        MemoryDc source(nullptr);
        source.select(sample.get());
        StretchBlt(dc.get(), 0, 0, w, h, source.get(), 0, 0, w * 4, h * 4, SRCCOPY);
      } else {
        StretchDIBits(dc.get(), 0, 0, w, h, 0, 0, width_, height_, bits(),
                      reinterpret_cast<const BITMAPINFO*>(info_.data()), DIB_RGB_COLORS, SRCCOPY);
      }
    }  // the copy is out of its DC before it is kept
    return reduced_.emplace(level, std::move(copy)).first->second.get();
  }

  // Every (width/w)-th pixel of a plain 24 or 32-bit picture, read straight
  // from its rows; null for the other kinds, which GDI reads.
  GdiObject<HBITMAP> sampled(int w, int h) const {
    auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(info_.data());
    if (header->biSize < sizeof(BITMAPINFOHEADER) || header->biCompression != BI_RGB ||
        (header->biBitCount != 24 && header->biBitCount != 32) || w > width_ || h > height_)
      return {};
    void* out = nullptr;
    GdiObject<HBITMAP> sample = dibSection(w, h, &out);
    if (!sample) return {};
    int bytes = header->biBitCount / 8;
    std::size_t stride = (static_cast<std::size_t>(width_) * header->biBitCount + 31) / 32 * 4;
    auto* to = static_cast<BYTE*>(out);
    for (int y = 0; y < h; ++y) {
      long long sy = static_cast<long long>(y) * height_ / h;
      const BYTE* row =
          bits() + stride * static_cast<std::size_t>(topDown() ? sy : height_ - 1 - sy);
      for (int x = 0; x < w; ++x) {
        const BYTE* p =
            row + static_cast<std::size_t>(static_cast<long long>(x) * width_ / w) * bytes;
        BYTE* q = to + (static_cast<std::size_t>(y) * w + x) * 4;
        q[0] = p[0];
        q[1] = p[1];
        q[2] = p[2];
        q[3] = 0;
      }
    }
    return sample;
  }

  const BYTE* bits() const { return reinterpret_cast<const BYTE*>(file_.data()) + bitsAt_; }

  std::vector<DWORD> info_;  // DWORDs keep the header aligned as GDI expects
  ByteBuffer file_;          // the whole file, or the pixels; the bits start at bitsAt_
  std::size_t bitsAt_;
  int width_, height_, dpi_;
  bool incomplete_;
  mutable std::map<int, GdiObject<HBITMAP>> reduced_;
};

class BitmapPicture : public Win32Picture {
 public:
  BitmapPicture(GdiObject<HBITMAP> bitmap, int width, int height, int dpi)
      : bitmap_(std::move(bitmap)), width_(width), height_(height), dpi_(dpi) {}
  int widthTwips() const override { return MulDiv(width_, 1440, dpi_); }
  int heightTwips() const override { return MulDiv(height_, 1440, dpi_); }
  void draw(HDC dc, const RECT& to) const override {
    MemoryDc source(dc);
    if (!source) return;
    source.select(bitmap_.get());
    int oldMode = GetStretchBltMode(dc);
    halftone(dc);
    StretchBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, source.get(), 0, 0,
               width_, height_, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }

 private:
  GdiObject<HBITMAP> bitmap_;
  int width_, height_, dpi_;
};

}  // namespace

// The file has passed checkBitmapFile: its header is sound and it holds bits.
PictureLoad decodeBitmapFile(ByteBuffer&& file, int dpi) {
  std::string_view b = file.view();
  DibLayout d;
  if (readDibHeader(b.substr(kFileHeader), d) != PictureFault::None)
    return {nullptr, damagedPicture()};
  bool rle = d.compression == BI_RLE8 || d.compression == BI_RLE4;
  std::size_t height = static_cast<std::size_t>(d.height < 0 ? -d.height : d.height);
  std::size_t headerEnd = kFileHeader + d.infoSize;

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
    needed = d.rowsBytes();
  }
  // Rows missing at the end read as black rather than past the buffer; the
  // picture says it stopped early.
  bool incomplete = available < needed;
  if (incomplete) {
    ByteBuffer whole(offset + needed);
    if (whole.size() != offset + needed) return pictureFailure(damagedPicture());
    std::memcpy(whole.data(), file.data(), b.size());
    std::memset(whole.data() + b.size(), 0, offset + needed - b.size());
    file = std::move(whole);
  }
  return {std::make_shared<DibPicture>(std::move(info), std::move(file), offset,
                                       static_cast<int>(d.width), static_cast<int>(height), dpi,
                                       incomplete),
          {}};
}

std::shared_ptr<Win32Picture> opaquePixels(ByteBuffer pixels, int width, int height, int dpi) {
  std::vector<DWORD> info((sizeof(BITMAPINFOHEADER) + 3) / 4, 0);
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = width;
  header->biHeight = -height;  // top-down, as decoders write rows
  header->biPlanes = 1;
  header->biBitCount = 24;
  return std::make_shared<DibPicture>(std::move(info), std::move(pixels), 0, width, height, dpi,
                                      false);
}

PictureLoad loadBitmapResource(HINSTANCE instance, const std::wstring& name, int dpi) {
  GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
      LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap) return pictureFailure(errorText(ERROR_RESOURCE_NAME_NOT_FOUND));
  BITMAP info{};
  GetObjectW(bitmap.get(), sizeof info, &info);
  return {std::make_shared<BitmapPicture>(std::move(bitmap), info.bmWidth, info.bmHeight, dpi), {}};
}

}  // namespace vl::win32
