// Icon images stored as PNG, read through the Windows Imaging Component: the
// system's icon loader gets their colours wrong under Wine. ole32 is loaded
// only when such an icon is first read.
#include <objbase.h>
#include <wincodec.h>

#include <memory>

#include "platform/win32/com_ref.h"
#include "platform/win32/owned_handle.h"
#include "platform/win32/memory_dc.h"
#include "platform/win32/picture_decoder.h"
#include "platform/win32/picture_kinds.h"
#include "platform/win32/system_library.h"

namespace vl::win32 {

namespace {

// Premultiplied 32-bit pixels, drawn blended with what lies under them.
class AlphaPicture : public Win32Picture {
 public:
  AlphaPicture(GdiObject<HBITMAP> bitmap, int width, int height, int dpi)
      : bitmap_(std::move(bitmap)), width_(width), height_(height), dpi_(dpi) {}
  int widthTwips() const override { return MulDiv(width_, 1440, dpi_); }
  int heightTwips() const override { return MulDiv(height_, 1440, dpi_); }
  void draw(HDC dc, const RECT& to) const override {
    MemoryDc source(dc);
    source.select(bitmap_.get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, source.get(), 0, 0,
                  width_, height_, blend);
  }

 private:
  GdiObject<HBITMAP> bitmap_;
  int width_, height_, dpi_;
};

}  // namespace

PictureLoad decodePngImage(std::string_view png, int dpi, ComApartment& com) {
  auto create =
      com.libraries().function<decltype(&::CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
  if (!create || !com.enter()) return {nullptr, damagedPicture()};
  ComRef<IWICImagingFactory> factory;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapDecoder> decoder;
  ComRef<IWICBitmapFrameDecode> frame;
  ComRef<IWICFormatConverter> converter;
  UINT w = 0, h = 0;
  if (FAILED(create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                    factory.putVoid())) ||
      FAILED(factory->CreateStream(stream.put())) ||
      FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(png.data())),
                                          static_cast<DWORD>(png.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.put())) ||
      FAILED(decoder->GetFrame(0, frame.put())) || FAILED(frame->GetSize(&w, &h)) || w == 0 ||
      h == 0 || w > 4096 || h > 4096 || FAILED(factory->CreateFormatConverter(converter.put())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)))
    return {nullptr, damagedPicture()};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(w);
  info.bmiHeader.biHeight = -static_cast<LONG>(h);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || FAILED(converter->CopyPixels(nullptr, w * 4, w * h * 4, static_cast<BYTE*>(bits))))
    return {nullptr, damagedPicture()};
  return {std::make_shared<AlphaPicture>(std::move(bitmap), static_cast<int>(w),
                                         static_cast<int>(h), dpi),
          {}};
}

}  // namespace vl::win32
