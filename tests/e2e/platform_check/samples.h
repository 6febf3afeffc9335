// Sample files made in code. Every picture shows its top-left quarter red and
// the rest blue, so a drawing can be checked at its corners.
#pragma once

#include <string>

namespace pc {

std::string bmp24BottomUp(int width, int height);
std::string bmp32TopDown(int width, int height);
std::string bmpRle8(int width, int height);
std::string bmpRle4(int width, int height);
std::string bmp16Bitfields(int width, int height);
// One 32x32 entry of 32 bits a pixel; a clear corner leaves the bottom-right
// quarter transparent.
std::string iconFile(bool cursor, bool clearCorner = false);
// Drawn in a 64x32 window; the placeable one says 48 units to the inch.
std::string windowsMetafile(bool placeable);
// One inch by half an inch.
std::string enhancedMetafile();

}  // namespace pc
