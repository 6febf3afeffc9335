#include "encoded_pictures.h"

#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <vector>

namespace testpics {

namespace {

template <class T>
struct Ref {
  T* p = nullptr;
  ~Ref() {
    if (p) p->Release();
  }
  T* operator->() const { return p; }
  T** put() { return &p; }
};

GUID containerGuid(Container c) {
  switch (c) {
    case Container::Png:
      return GUID_ContainerFormatPng;
    case Container::Jpeg:
      return GUID_ContainerFormatJpeg;
    case Container::Gif:
      return GUID_ContainerFormatGif;
    case Container::Tiff:
      return GUID_ContainerFormatTiff;
  }
  return GUID_ContainerFormatPng;
}

void put16(std::string& s, unsigned v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& s, unsigned long v) {
  put16(s, v & 0xFFFF);
  put16(s, (v >> 16) & 0xFFFF);
}
void put32Big(std::string& s, unsigned long v) {
  for (int shift = 24; shift >= 0; shift -= 8) s.push_back(static_cast<char>((v >> shift) & 0xFF));
}

unsigned long crc32(const std::string& bytes) {
  unsigned long crc = 0xFFFFFFFFul;
  for (unsigned char b : bytes) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320ul & (0 - (crc & 1)));
  }
  return crc ^ 0xFFFFFFFFul;
}

}  // namespace

std::string encoded(Container container, int w, int h,
                    const std::function<COLORREF(int, int)>& colour,
                    const std::function<BYTE(int, int)>& alpha) {
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::string out;
  {
    Ref<IWICImagingFactory> factory;
    Ref<IStream> stream;
    Ref<IWICBitmapEncoder> encoder;
    Ref<IWICBitmapFrameEncode> frame;
    Ref<IPropertyBag2> options;
    // A GIF holds palette indices: the colours used become its palette.
    bool indexed = container == Container::Gif;
    WICPixelFormatGUID format = indexed ? GUID_WICPixelFormat8bppIndexed
                                : alpha ? GUID_WICPixelFormat32bppBGRA
                                        : GUID_WICPixelFormat24bppBGR;
    UINT bytes = indexed ? 1 : alpha ? 4 : 3, stride = (w * bytes + 3) / 4 * 4;
    std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * h);
    std::vector<WICColor> palette;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        BYTE* p =
            &pixels[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * bytes];
        COLORREF c = colour(x, y);
        if (indexed) {
          WICColor argb = 0xFF000000u | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
          auto at = std::find(palette.begin(), palette.end(), argb);
          if (at == palette.end() && palette.size() < 256) at = palette.insert(at, argb);
          *p = static_cast<BYTE>(at == palette.end() ? 0 : at - palette.begin());
          continue;
        }
        p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        if (alpha) p[3] = alpha(x, y);
      }
    Ref<IWICPalette> colours;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(factory.put()))) &&
        SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, stream.put())) &&
        SUCCEEDED(factory->CreateEncoder(containerGuid(container), nullptr, encoder.put())) &&
        SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(frame.put(), options.put())) &&
        SUCCEEDED(frame->Initialize(options.p)) &&
        SUCCEEDED(frame->SetSize(static_cast<UINT>(w), static_cast<UINT>(h))) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) &&
        (!indexed ||
         (SUCCEEDED(factory->CreatePalette(colours.put())) &&
          SUCCEEDED(colours->InitializeCustom(palette.data(), static_cast<UINT>(palette.size()))) &&
          SUCCEEDED(frame->SetPalette(colours.p)))) &&
        SUCCEEDED(frame->WritePixels(static_cast<UINT>(h), stride, static_cast<UINT>(pixels.size()),
                                     pixels.data())) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit())) {
      HGLOBAL memory = nullptr;
      if (SUCCEEDED(GetHGlobalFromStream(stream.p, &memory))) {
        STATSTG stat{};
        stream->Stat(&stat, STATFLAG_NONAME);
        const char* data = static_cast<const char*>(GlobalLock(memory));
        if (data) out.assign(data, static_cast<std::size_t>(stat.cbSize.QuadPart));
        GlobalUnlock(memory);
      }
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return out;
}

COLORREF quarter(int x, int y, int w, int h) {
  bool right = x >= w / 2, bottom = y >= h / 2;
  return bottom ? (right ? RGB(255, 255, 0) : RGB(0, 0, 255))
                : (right ? RGB(0, 255, 0) : RGB(255, 0, 0));
}

std::function<COLORREF(int, int)> storedFor(int orientation, int w, int h,
                                            std::function<COLORREF(int, int)> upright) {
  switch (orientation) {
    case 3:
      return [=](int sx, int sy) { return upright(w - 1 - sx, h - 1 - sy); };
    case 6:  // shown turned 90 degrees clockwise: its first row is the right edge
      return [=](int sx, int sy) { return upright(w - 1 - sy, sx); };
    case 8:  // shown turned counter-clockwise: its first row is the left edge
      return [=](int sx, int sy) { return upright(sy, h - 1 - sx); };
    default:
      return upright;
  }
}

std::string withExif(const std::string& jpeg, int orientation, const std::string& tiff) {
  std::string block = tiff;
  if (block.empty()) {
    block = "II";
    put16(block, 42);
    put32(block, 8);
    put16(block, 1);  // one entry: the orientation
    put16(block, 274);
    put16(block, 3);  // SHORT
    put32(block, 1);
    put16(block, static_cast<unsigned>(orientation));
    put16(block, 0);
    put32(block, 0);  // no next directory
  }
  std::string payload = std::string("Exif\0\0", 6) + block;
  std::string app1 = "\xFF\xE1";
  std::size_t length = payload.size() + 2;
  app1.push_back(static_cast<char>(length >> 8));
  app1.push_back(static_cast<char>(length & 0xFF));
  return jpeg.substr(0, 2) + app1 + payload + jpeg.substr(2);
}

std::string pngHeaderOnly(unsigned w, unsigned h) {
  std::string chunk = "IHDR";
  put32Big(chunk, w);
  put32Big(chunk, h);
  chunk += std::string("\x08\x02\0\0\0", 5);  // 8 bits, truecolour
  std::string png = "\x89PNG\r\n\x1A\n";
  put32Big(png, 13);
  png += chunk;
  put32Big(png, crc32(chunk));
  return png;
}

}  // namespace testpics
