// The size a picture file says it has, read from its header before any
// decoder sees it: a decoder asked for a frame of 60000 x 60000 pixels may
// fail late, or take the memory it needs first.
#pragma once

#include <optional>
#include <string_view>

#include "platform/picture_check.h"
#include "platform/picture_format.h"

namespace vl {

struct DeclaredSize {
  unsigned long width = 0, height = 0;
};

// What the header of a PNG, GIF, JPEG, TIFF or WebP file says; nothing for
// the other formats, or when the header cannot be read.
std::optional<DeclaredSize> declaredSize(std::string_view file, PictureFormat format);

// TooLarge when the declared size is over the largest side or would take
// more than the largest image once drawn; None otherwise (the decoder
// judges the rest).
PictureFault checkDeclaredSize(std::string_view file, PictureFormat format);

}  // namespace vl
