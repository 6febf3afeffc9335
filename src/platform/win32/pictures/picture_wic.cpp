// Pictures read through the Windows Imaging Component: PNG, JPEG, GIF, TIFF
// and whatever else the system has a codec for, and the PNG images of large
// icons (the system's icon loader gets their colours wrong under Wine).
// ole32 and the component are loaded only when such a picture is first read.
#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "platform/exif.h"
#include "platform/picture_check.h"
#include "platform/pixels.h"
#include "platform/win32/system/com_ref.h"
#include "platform/win32/system/memory_dc.h"
#include "platform/win32/system/owned_handle.h"
#include "platform/win32/pictures/picture_decoder.h"
#include "platform/win32/pictures/picture_draw.h"
#include "platform/win32/pictures/picture_kinds.h"
#include "platform/win32/system/system_library.h"

namespace vl::win32 {

namespace {

// Premultiplied 32-bit pixels, drawn blended with what lies under them: the
// view's own background shows through what is transparent. Shown much
// smaller than it is, the picture is drawn from a copy reduced once by the
// mean of each block, which AlphaBlend's own stretching would not do.
class AlphaPicture : public Win32Picture {
 public:
  AlphaPicture(GdiObject<HBITMAP> bitmap, const void* bits, int width, int height, int dpi)
      : bitmap_(std::move(bitmap)),
        bits_(static_cast<const std::uint8_t*>(bits)),
        width_(width),
        height_(height),
        dpi_(dpi) {}
  int widthTwips() const override { return MulDiv(width_, 1440, dpi_); }
  int heightTwips() const override { return MulDiv(height_, 1440, dpi_); }
  void draw(HDC dc, const RECT& to) const override {
    int level = reductionLevel(width_, height_, to);
    HBITMAP source = bitmap_.get();
    int w = width_, h = height_;
    if (level > 0) {
      if (HBITMAP reduced = reducedCopy(level)) {
        source = reduced;
        w = reducedSide(width_, 1 << level);
        h = reducedSide(height_, 1 << level);
      }
    }
    Part p{};
    if (!visiblePart(dc, to, w, h, p)) return;
    MemoryDc from(dc);
    from.select(source);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, p.left, p.top, p.right - p.left, p.bottom - p.top, from.get(), p.x0, p.y0,
                  p.x1 - p.x0, p.y1 - p.y0, blend);
  }

 private:
  HBITMAP reducedCopy(int level) const {
    auto it = reduced_.find(level);
    if (it != reduced_.end()) return it->second.get();
    int factor = 1 << level;
    int w = reducedSide(width_, factor), h = reducedSide(height_, factor);
    void* bits = nullptr;
    GdiObject<HBITMAP> copy = dibSection(w, h, &bits);
    if (!copy) return nullptr;
    GdiFlush();  // the section's bits are written directly
    reducePixels(bits_, width_, height_, static_cast<std::size_t>(width_) * 4, factor,
                 static_cast<std::uint8_t*>(bits), static_cast<std::size_t>(w) * 4);
    return reduced_.emplace(level, std::move(copy)).first->second.get();
  }

  GdiObject<HBITMAP> bitmap_;
  const std::uint8_t* bits_;  // the section's own
  int width_, height_, dpi_;
  mutable std::map<int, GdiObject<HBITMAP>> reduced_;
};

// The orientation a camera recorded, for the formats whose codecs do not
// turn the picture themselves.
int orientationOf(std::string_view bytes, PictureFormat format) {
  if (format == PictureFormat::Jpeg) return jpegOrientation(bytes);
  if (format == PictureFormat::Tiff) return tiffOrientation(bytes);
  return 1;
}

// Copies the converted pixels into `to` (rows `stride` bytes apart) turned
// upright: straight when the picture is stored upright, else a band of rows
// at a time, each pixel put where the orientation sends it.
bool copyUpright(IWICBitmapSource& source, int orientation, UINT width, UINT height,
                 std::size_t pixelBytes, BYTE* to, std::size_t stride) {
  if (orientation == 1)
    return SUCCEEDED(source.CopyPixels(nullptr, static_cast<UINT>(stride),
                                       static_cast<UINT>(stride * height), to));
  std::size_t bandStride = (width * pixelBytes + 3) / 4 * 4;
  constexpr UINT kBand = 64;
  auto band = std::make_unique_for_overwrite<BYTE[]>(bandStride * kBand);
  for (UINT y0 = 0; y0 < height; y0 += kBand) {
    UINT rows = std::min(kBand, height - y0);
    WICRect rect{0, static_cast<INT>(y0), static_cast<INT>(width), static_cast<INT>(rows)};
    if (FAILED(source.CopyPixels(&rect, static_cast<UINT>(bandStride),
                                 static_cast<UINT>(bandStride * rows), band.get())))
      return false;
    for (UINT y = 0; y < rows; ++y) {
      const BYTE* row = band.get() + y * bandStride;
      for (UINT x = 0; x < width; ++x) {
        PixelPlace at =
            orientedPlace(orientation, static_cast<int>(width), static_cast<int>(height),
                          static_cast<int>(x), static_cast<int>(y0 + y));
        std::memcpy(to + static_cast<std::size_t>(at.y) * stride +
                        static_cast<std::size_t>(at.x) * pixelBytes,
                    row + x * pixelBytes, pixelBytes);
      }
    }
  }
  return true;
}

}  // namespace

PictureLoad decodeWithImagingComponent(std::string_view bytes, PictureFormat format, int dpi,
                                       ComApartment& com) {
  auto create =
      com.libraries().function<decltype(&::CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
  if (!create || !com.enter()) return {nullptr, damagedPicture()};
  ComRef<IWICImagingFactory> factory;
  ComRef<IWICStream> stream;
  if (FAILED(create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                    factory.putVoid())) ||
      FAILED(factory->CreateStream(stream.put())) ||
      FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          static_cast<DWORD>(bytes.size()))))
    return {nullptr, damagedPicture()};
  ComRef<IWICBitmapDecoder> decoder;
  HRESULT opened = factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                    WICDecodeMetadataCacheOnDemand, decoder.put());
  if (opened == WINCODEC_ERR_COMPONENTNOTFOUND)
    return {nullptr, "Windows has no decoder for " + formatName(format) + " pictures"};
  ComRef<IWICBitmapFrameDecode> frame;
  UINT w = 0, h = 0;
  if (FAILED(opened) || FAILED(decoder->GetFrame(0, frame.put())) ||
      FAILED(frame->GetSize(&w, &h)) || w == 0 || h == 0)
    return {nullptr, damagedPicture()};
  // Before any pixel is copied: a frame too large to hold is refused.
  if (w > static_cast<UINT>(kLargestSide) || h > static_cast<UINT>(kLargestSide) ||
      static_cast<unsigned long long>(w) * h * 4 > kLargestImageBytes)
    return {nullptr, faultWords(PictureFault::TooLarge)};

  int orientation = orientationOf(bytes, format);
  Oriented size = orientedSize(orientation, static_cast<int>(w), static_cast<int>(h));
  // A photo has no transparency: three bytes a pixel, drawn as a bitmap is.
  // Any other picture may have, and every converter knows this form.
  if (format == PictureFormat::Jpeg) {
    ComRef<IWICFormatConverter> converter;
    std::size_t stride = (static_cast<std::size_t>(size.width) * 3 + 3) / 4 * 4;
    ByteBuffer pixels(stride * static_cast<std::size_t>(size.height));
    if (pixels.size() != stride * static_cast<std::size_t>(size.height))
      return pictureFailure(damagedPicture());
    // The usual JPEG decoder gives these pixels itself: copied straight, they
    // skip a converter's pass over every row.
    WICPixelFormatGUID given{};
    IWICBitmapSource* source = nullptr;
    if (SUCCEEDED(frame->GetPixelFormat(&given)) && given == GUID_WICPixelFormat24bppBGR)
      source = frame.get();
    else if (SUCCEEDED(factory->CreateFormatConverter(converter.put())) &&
             SUCCEEDED(converter->Initialize(frame.get(), GUID_WICPixelFormat24bppBGR,
                                             WICBitmapDitherTypeNone, nullptr, 0,
                                             WICBitmapPaletteTypeCustom)))
      source = converter.get();
    if (source && copyUpright(*source, orientation, w, h, 3, reinterpret_cast<BYTE*>(pixels.data()),
                              stride)) {
      return {opaquePixels(std::move(pixels), size.width, size.height, dpi), {}};
    }
  }
  ComRef<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.put())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)))
    return {nullptr, damagedPicture()};
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap = dibSection(size.width, size.height, &bits);
  if (!bitmap) return pictureFailure(damagedPicture());
  if (!copyUpright(*converter.get(), orientation, w, h, 4, static_cast<BYTE*>(bits),
                   static_cast<std::size_t>(size.width) * 4))
    return {nullptr, damagedPicture()};
  return {std::make_shared<AlphaPicture>(std::move(bitmap), bits, size.width, size.height, dpi),
          {}};
}

}  // namespace vl::win32
