// Pictures in today's formats, made in code by the system's imaging
// component, for the programs that check the real program from outside
// (driver, platform check, benchmarks).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace testpics {

enum class Container { Png, Jpeg, Gif, Tiff };

// A w x h picture of the colours, with the alpha when one is given (PNG
// only), encoded by the system; empty when it could not be.
std::string encoded(Container container, int w, int h,
                    const std::function<COLORREF(int, int)>& colour,
                    const std::function<BYTE(int, int)>& alpha = nullptr);

// Quarters of a w x h picture: red top-left, green top-right, blue
// bottom-left, yellow bottom-right.
COLORREF quarter(int x, int y, int w, int h);

// The colours of the picture a camera stores for one that shows upright as
// `upright` (w x h) once turned by the orientation 3, 6 or 8: the stored
// picture is h x w for 6 and 8.
std::function<COLORREF(int, int)> storedFor(int orientation, int w, int h,
                                            std::function<COLORREF(int, int)> upright);

// The JPEG with an Exif block after its start marker recording the
// orientation; `tiff` replaces the block's TIFF part when given.
std::string withExif(const std::string& jpeg, int orientation, const std::string& tiff = {});

// A PNG's signature and header chunk claiming w x h, with its checksum, and
// no pixels.
std::string pngHeaderOnly(unsigned w, unsigned h);

}  // namespace testpics
