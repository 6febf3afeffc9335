// Exif orientation. Both readers give 1..8 whatever the bytes. A found
// orientation rests only on bytes inside the data, so bytes appended keep it
// and a cut end gives it or 1. The input made the Exif block of a sound JPEG
// reads as the bare block, whatever bytes follow the start of scan.
#include <string>

#include "fuzz.h"
#include "platform/exif.h"

namespace {

using namespace std::string_literals;

// The most an APP1 segment can carry after its length and "Exif\0\0".
constexpr std::size_t kLargestBlock = 65535 - 2 - 6;

std::string jpegAround(std::string_view block, std::string_view scan) {
  std::size_t length = 2 + 6 + block.size();
  std::string s = "\xFF\xD8"s + "\xFF\xE0\0\x10JFIF\0\x01\x02\0\0\x01\0\x01\0\0"s;
  s += "\xFF\xE1"s + static_cast<char>(length >> 8) + static_cast<char>(length & 0xFF);
  s += "Exif\0\0"s;
  s.append(block);
  s += "\xFF\xDA\0\x08\x01\x01\0\0\x3F\0"s;
  return s.append(scan);
}

bool isOrientation(int v) {
  return v >= 1 && v <= 8;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input = fuzz::bytes(data, size);
  int jpeg = vl::jpegOrientation(input);
  int tiff = vl::tiffOrientation(input);
  FUZZ_CHECK(isOrientation(jpeg));
  FUZZ_CHECK(isOrientation(tiff));

  std::string longer = std::string(input) + "\xFF\xE1\xFF\xFF"s + std::string(input);
  if (jpeg != 1) FUZZ_CHECK(vl::jpegOrientation(longer) == jpeg);
  if (tiff != 1) FUZZ_CHECK(vl::tiffOrientation(longer) == tiff);
  if (!input.empty()) {
    int cutJpeg = vl::jpegOrientation(input.substr(0, size - 1));
    int cutTiff = vl::tiffOrientation(input.substr(0, size - 1));
    FUZZ_CHECK(cutJpeg == 1 || cutJpeg == jpeg);
    FUZZ_CHECK(cutTiff == 1 || cutTiff == tiff);
  }

  std::string_view block = input.substr(0, kLargestBlock);
  FUZZ_CHECK(vl::jpegOrientation(jpegAround(block, input)) == vl::tiffOrientation(block));
  return 0;
}
