// Checks of a picture file's bytes before the system's readers and players
// see them: those trust counts, sizes and object numbers that a damaged or
// crafted file can set to anything.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vl {

enum class PictureFault { None, Damaged, NotAPicture, TooLarge };

// The words a status-bar line uses for the fault.
std::string faultWords(PictureFault fault);

// The largest picture shown: a side in pixels, and the bytes it may take
// once drawn at 32 bits a pixel.
inline constexpr long kLargestSide = 32767;
inline constexpr unsigned long long kLargestImageBytes = 256ULL << 20;

// How a bitmap's rows are stored (its header's compression).
enum : unsigned long { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

// What a bitmap's header says, once it has been found sound.
struct DibLayout {
  long width = 0, height = 0;  // height < 0: rows run top-down
  unsigned bitCount = 0;
  unsigned long compression = 0;
  std::size_t headerSize = 0;
  std::size_t infoSize = 0;  // header, masks and colour table
  unsigned long imageSize = 0;
  std::size_t rowsBytes() const;  // the bits of an uncompressed bitmap
};

// A bitmap header with its masks and colour table at the start of `dib`;
// `entrySize` is that of a colour-table entry (2 for palette indices).
PictureFault readDibHeader(std::string_view dib, DibLayout& layout, std::size_t entrySize = 4);
// A header and the bits after it, all in `dib`, as metafile records carry them;
// `rows`, when not negative, is how many rows of the picture they carry.
PictureFault checkPackedDib(std::string_view dib, std::size_t entrySize = 4, long rows = -1);

// Whole files, by kind.
PictureFault checkBitmapFile(std::string_view file);
PictureFault checkIconFile(std::string_view file);
// With or without the placeable header.
PictureFault checkWindowsMetafile(std::string_view file);
PictureFault checkEnhancedMetafile(std::string_view file);

}  // namespace vl
