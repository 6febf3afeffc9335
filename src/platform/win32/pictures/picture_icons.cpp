// Icon and cursor files.
#include <memory>

#include "platform/win32/pictures/picture_decoder.h"
#include "platform/win32/pictures/picture_kinds.h"
#include "platform/win32/system/system_services.h"

namespace vl::win32 {

namespace {

class IconPicture : public Win32Picture {
 public:
  IconPicture(HICON icon, bool cursor, int width, int height, int dpi)
      : icon_(icon), cursor_(cursor), width_(width), height_(height), dpi_(dpi) {}
  ~IconPicture() override {
    if (cursor_)
      DestroyCursor(icon_);
    else
      DestroyIcon(icon_);
  }
  IconPicture(const IconPicture&) = delete;
  IconPicture& operator=(const IconPicture&) = delete;
  int widthTwips() const override { return MulDiv(width_, 1440, dpi_); }
  int heightTwips() const override { return MulDiv(height_, 1440, dpi_); }
  // The mask keeps what lies under the icon's transparent parts.
  void draw(HDC dc, const RECT& to) const override {
    DrawIconEx(dc, to.left, to.top, icon_, to.right - to.left, to.bottom - to.top, 0, nullptr,
               DI_NORMAL);
  }

 private:
  HICON icon_;
  bool cursor_;
  int width_, height_, dpi_;
};

}  // namespace

PictureLoad loadIconFile(const std::string& path, std::string_view b, int dpi, ComApartment& com) {
  bool cursor = readU16(b, 2) == 2;
  // The first entry's own size; 0 there stands for 256.
  int width = static_cast<unsigned char>(b[6]);
  int height = static_cast<unsigned char>(b[7]);
  if (width == 0) width = 256;
  if (height == 0) height = 256;
  unsigned long dataSize = readU32(b, 14), dataOffset = readU32(b, 18);
  if (dataSize == 0 || dataOffset < 6 + 16ul * readU16(b, 4) || dataOffset > b.size() ||
      dataSize > b.size() - dataOffset)
    return {nullptr, damagedPicture()};
  // An image stored as PNG: the system's loader swaps its colours under Wine.
  if (b.substr(dataOffset).starts_with("\x89PNG"))
    return decodeWithImagingComponent(b.substr(dataOffset, dataSize), PictureFormat::Png, dpi, com);
  HANDLE loaded = LoadImageW(nullptr, filePath(path).c_str(), cursor ? IMAGE_CURSOR : IMAGE_ICON,
                             width, height, LR_LOADFROMFILE);
  if (!loaded) return pictureFailure(damagedPicture());
  return {std::make_shared<IconPicture>(static_cast<HICON>(loaded), cursor, width, height, dpi),
          {}};
}

}  // namespace vl::win32
