// The picture checks that stand before the system's readers and players.
// Input: any bytes, checked as every kind of picture file, and as the
// records of a Windows metafile and of an enhanced one behind a sound
// header, so that mutations reach the records at once. A check decides the
// same way twice, and an accepted bitmap's header is sound. The format the
// head names is the same for any longer file, and the size a file declares
// is read for every format alike.
#include <string>

#include "../common/put_bytes.h"
#include "fuzz.h"
#include "platform/picture_check.h"
#include "platform/picture_format.h"
#include "platform/picture_size.h"

namespace {

using testbytes::put16;
using testbytes::put32;

std::string metafileAround(std::string_view records, unsigned objects) {
  std::string s;
  for (unsigned v : {1u, 9u, 0x300u}) put16(s, v);
  put32(s, (18 + records.size()) / 2);
  put16(s, objects);
  put32(s, 64);
  put16(s, 0);
  return s.append(records);
}

std::string enhancedAround(std::string_view records, unsigned handles) {
  std::string s;
  put32(s, 1);
  put32(s, 88);
  for (unsigned long v : {0ul, 0ul, 99ul, 99ul, 0ul, 0ul, 2540ul, 2540ul}) put32(s, v);
  put32(s, 0x464D4520);
  put32(s, 0x10000);
  put32(s, 88 + records.size());
  put32(s, 2);
  put16(s, handles);
  s.resize(88, '\0');
  return s.append(records);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view b = fuzz::bytes(data, size);
  using vl::PictureFault;
  PictureFault bitmap = vl::checkBitmapFile(b);
  FUZZ_CHECK(bitmap == vl::checkBitmapFile(b));
  if (bitmap == PictureFault::None) {
    vl::DibLayout d;
    FUZZ_CHECK(vl::readDibHeader(b.substr(14), d) == PictureFault::None);
    FUZZ_CHECK(d.width > 0 && d.width <= vl::kLargestSide && d.height != 0);
  }
  (void)vl::checkIconFile(b);
  (void)vl::checkPackedDib(b);
  (void)vl::checkPackedDib(b, 2, 3);
  PictureFault wmf = vl::checkWindowsMetafile(b);
  FUZZ_CHECK(wmf == vl::checkWindowsMetafile(b));
  (void)vl::checkEnhancedMetafile(b);
  unsigned slots = size ? data[0] % 8 : 1;
  (void)vl::checkWindowsMetafile(metafileAround(b.substr(size ? 1 : 0), slots));
  (void)vl::checkEnhancedMetafile(enhancedAround(b.substr(size ? 1 : 0), slots));
  vl::PictureFormat format = vl::pictureFormatOf(b);
  FUZZ_CHECK(vl::pictureFormatOf(std::string(b) + "tail") == format ||
             b.size() < vl::kPictureHeadBytes);
  for (vl::PictureFormat as :
       {vl::PictureFormat::Png, vl::PictureFormat::Gif, vl::PictureFormat::Jpeg,
        vl::PictureFormat::Tiff, vl::PictureFormat::WebP}) {
    std::optional<vl::DeclaredSize> declared = vl::declaredSize(b, as);
    PictureFault fault = vl::checkDeclaredSize(b, as);
    FUZZ_CHECK(fault == PictureFault::None || fault == PictureFault::TooLarge);
    FUZZ_CHECK(fault == PictureFault::None || declared);
  }
  return 0;
}
