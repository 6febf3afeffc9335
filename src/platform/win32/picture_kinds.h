// The kinds of picture the decoder makes, each from a file's bytes (or the
// program's resources) once the content has told which kind it is.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/bytes.h"
#include "platform/picture.h"
#include "platform/win32/com_apartment.h"

namespace vl::win32 {

// Bitmap files ("BM"): the packed DIB is kept and drawn as it is.
// An image in PNG form, as icons of 256 pixels store theirs; read through COM.
PictureLoad decodePngImage(std::string_view png, int pixelsPerInch, ComApartment& com);
// Keeps the file's bytes as the picture: no second copy of a large bitmap.
PictureLoad decodeBitmapFile(std::string&& bytes, int pixelsPerInch);
// A bitmap resource of the module.
PictureLoad loadBitmapResource(HINSTANCE instance, const std::wstring& name, int pixelsPerInch);
// Icon and cursor files, loaded by the system from the path.
PictureLoad loadIconFile(const std::string& path, std::string_view bytes, int pixelsPerInch,
                         ComApartment& com);
// Windows metafiles, with or without the placeable header, and enhanced ones.
PictureLoad decodeWindowsMetafile(std::string_view bytes, int pixelsPerInch);
PictureLoad decodeEnhancedMetafile(std::string_view bytes, int pixelsPerInch);

using vl::readI16;
using vl::readI32;
using vl::readU16;
using vl::readU32;

// A failed load: the system's last error when it gave one, else the fallback.
PictureLoad pictureFailure(const std::string& fallback);
// The words for a file whose content does not hold together.
std::string damagedPicture();

}  // namespace vl::win32
