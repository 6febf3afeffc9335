// The picture decoder on every kind of file it reads, and on files it must refuse.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../encoded_pictures.h"
#include "canvas.h"
#include "platform/win32/pictures/picture_decoder.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/text.h"
#include "samples.h"
#include "services.h"

namespace pc {

namespace {

using vl::win32::Win32Picture;

constexpr int kDpi = 96;  // 15 twips a pixel

struct Sample {
  std::string file;
  std::string bytes;
  int widthTwips, heightTwips;
};

std::string twips(int width, int height) {
  return std::to_string(width) + "x" + std::to_string(height) + " twips";
}

std::string sizeText(const vl::Picture& p) {
  return twips(p.widthTwips(), p.heightTwips());
}

// What a decode gave, for messages.
std::string seen(const vl::PictureLoad& load) {
  return std::string(load.picture ? "a picture" : "no picture") + " and " + reason(load.error);
}

// Draws at the given size and checks the red top-left and blue bottom-right.
void checkDrawing(const std::string& name, const Win32Picture& picture, int width, int height) {
  Canvas canvas(width, height);
  picture.draw(canvas.dc(), canvas.all());
  std::string where = name + " drawn at " + std::to_string(width) + "x" + std::to_string(height);
  CHECK_MSG(canvas.red(1, 1), where + " is red at the top left", canvas.describe(1, 1));
  CHECK_MSG(canvas.blue(width - 2, height - 2), where + " is blue at the bottom right",
            canvas.describe(width - 2, height - 2));
}

void checkSample(vl::PictureDecoder& decoder, const std::string& folder, const Sample& s) {
  std::string path = folder + s.file;
  if (!CHECK_EQ_MSG(writeFile(path, s.bytes), true, s.file + " written")) return;
  vl::PictureLoad load = decoder.decode(path);
  CHECK_MSG(load.picture != nullptr && load.error.empty(), s.file + " decodes", seen(load));
  if (!load.picture) return;
  CHECK_EQ_MSG(sizeText(*load.picture), twips(s.widthTwips, s.heightTwips), s.file + "'s size");
  auto* picture = dynamic_cast<const Win32Picture*>(load.picture.get());
  CHECK_MSG(picture != nullptr, s.file + " can draw itself", "it is no Win32Picture");
  if (!picture) return;
  int w = s.widthTwips / 15, h = s.heightTwips / 15;
  checkDrawing(s.file, *picture, w, h);
  checkDrawing(s.file, *picture, w * 2 + 3, h * 3);
}

void checkRefused(vl::PictureDecoder& decoder, const std::string& what, const std::string& path,
                  const std::string& expectedError = {}) {
  vl::PictureLoad load = decoder.decode(path);
  if (expectedError.empty())
    CHECK_MSG(!load.picture && !load.error.empty(), what + " is refused with a reason", seen(load));
  else
    CHECK_EQ_MSG(seen(load), seen({nullptr, expectedError}), what + " is refused with its reason");
}

// Damaged files must never crash the program: every sample cut short at
// twenty points decodes or is refused, and what decodes draws.
void checkCutShort(vl::PictureDecoder& decoder, const std::string& folder,
                   const std::vector<Sample>& samples) {
  int decoded = 0, refused = 0, silent = 0;
  for (const Sample& s : samples) {
    for (int i = 1; i <= 20; ++i) {
      std::string path = folder + "cut-" + s.file;
      writeFile(path, s.bytes.substr(0, s.bytes.size() * i / 21));
      vl::PictureLoad load = decoder.decode(path);
      if (!load.picture) {
        ++refused;
        if (load.error.empty()) ++silent;
        continue;
      }
      ++decoded;
      Canvas canvas(40, 30);
      dynamic_cast<const Win32Picture&>(*load.picture).draw(canvas.dc(), canvas.all());
    }
  }
  CHECK_MSG(silent == 0, "samples cut short decode or are refused with a reason",
            std::to_string(decoded) + " decoded, " + std::to_string(refused) + " refused, " +
                std::to_string(silent) + " of them without a reason");
}

// The mask lets what lies under the icon show through its clear corner.
void checkMask(vl::PictureDecoder& decoder, const std::string& folder) {
  writeFile(folder + "masked.ico", iconFile(false, true));
  vl::PictureLoad load = decoder.decode(folder + "masked.ico");
  CHECK_MSG(load.picture != nullptr, "masked.ico decodes", seen(load));
  if (!load.picture) return;
  Canvas canvas(32, 32);
  dynamic_cast<const Win32Picture&>(*load.picture).draw(canvas.dc(), canvas.all());
  CHECK_MSG(canvas.red(1, 1) && canvas.blue(30, 1), "masked.ico draws its opaque parts",
            canvas.describe(1, 1) + " and " + canvas.describe(30, 1));
  CHECK_MSG(canvas.green(30, 30), "masked.ico leaves its clear corner as it was",
            canvas.describe(30, 30));
}

void checkResource(HINSTANCE instance, vl::PictureDecoder& decoder) {
  vl::PictureLoad load = decoder.decode("res:BANNER");
  CHECK_MSG(load.picture != nullptr, "res:BANNER decodes", seen(load));
  auto bitmap = static_cast<HBITMAP>(LoadImageW(instance, L"BANNER", IMAGE_BITMAP, 0, 0, 0));
  BITMAP b{};
  GetObjectW(bitmap, sizeof b, &b);
  DeleteObject(bitmap);
  if (load.picture) {
    CHECK_EQ_MSG(sizeText(*load.picture), twips(b.bmWidth * 15, b.bmHeight * 15),
                 "res:BANNER has its bitmap's size");
    Canvas canvas(b.bmWidth, b.bmHeight);
    dynamic_cast<const Win32Picture&>(*load.picture).draw(canvas.dc(), canvas.all());
    int x = b.bmWidth / 2, y = b.bmHeight / 2;
    CHECK_MSG(!canvas.green(x, y), "res:BANNER draws", canvas.describe(x, y));
  }
  checkRefused(decoder, "res:NOSUCH", "res:NOSUCH");
}

void checkCache(vl::PictureDecoder& decoder, const std::string& folder) {
  vl::PictureCache cache(decoder);
  std::string path = folder + "red24.bmp", upper = path;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  vl::PictureLoad a = cache.load(path), b = cache.load(upper);
  CHECK_MSG(a.picture && a.picture == b.picture,
            "the cache hands out one picture for a path in either case",
            a.picture ? "another picture for " + upper : seen(a));
}

std::string readAll(const std::string& path) {
  HANDLE f = CreateFileW(vl::win32::widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(f, chunk, sizeof chunk, &got, nullptr) && got) bytes.append(chunk, got);
  CloseHandle(f);
  return bytes;
}

// Files made by ImageMagick before the check started ($PICTURE_SAMPLES, a
// Windows path): palette bitmaps of 1, 4 and 8 bits, the OS/2 header, an
// icon of several sizes, and one whose 256-pixel image is a PNG.
void checkMadeByTools(vl::PictureDecoder& decoder, const std::string& folder) {
  const char* made = std::getenv("PICTURE_SAMPLES");
  if (!made || !*made) return;
  struct Made {
    const char* file;
    int widthTwips, heightTwips;
  } files[] = {
      {"palette1.bmp", 240, 120}, {"palette4.bmp", 240, 120}, {"palette8.bmp", 240, 120},
      {"os2.bmp", 240, 120},      {"sizes.ico", 240, 240},    {"png256.ico", 3840, 3840},
  };
  for (const Made& m : files) {
    std::string path = std::string(made) + "\\" + m.file;
    std::string bytes = readAll(path);
    CHECK_MSG(!bytes.empty(), std::string(m.file) + " was made by the tools",
              "nothing read from " + path);
    if (!bytes.empty()) checkSample(decoder, folder, {m.file, bytes, m.widthTwips, m.heightTwips});
  }
}

// The four quarters of a picture drawn into w x h each show their colour.
void checkQuarters(const std::string& name, const Win32Picture& picture, int w, int h) {
  Canvas canvas(w, h);
  picture.draw(canvas.dc(), canvas.all());
  const struct {
    int x, y;
    const char* where;
  } points[] = {{w / 4, h / 4, "top left"},
                {w * 3 / 4, h / 4, "top right"},
                {w / 4, h * 3 / 4, "bottom left"},
                {w * 3 / 4, h * 3 / 4, "bottom right"}};
  for (const auto& at : points) {
    COLORREF wanted = testpics::quarter(at.x, at.y, w, h);
    CHECK_MSG(canvas.shows(at.x, at.y, wanted), name + "'s " + at.where + " quarter",
              canvas.describe(at.x, at.y));
  }
}

// Decodes the bytes as the file and checks the size and quarters it shows.
void checkEncoded(vl::PictureDecoder& decoder, const std::string& folder, const std::string& file,
                  const std::string& bytes, int w, int h) {
  if (!CHECK_MSG(!bytes.empty(), file + " was made by the imaging component", "nothing made"))
    return;
  writeFile(folder + file, bytes);
  vl::PictureLoad load = decoder.decode(folder + file);
  CHECK_MSG(load.picture != nullptr, file + " decodes", seen(load));
  if (!load.picture) return;
  CHECK_EQ_MSG(sizeText(*load.picture), twips(w * 15, h * 15), file + "'s size, upright");
  auto& picture = dynamic_cast<const Win32Picture&>(*load.picture);
  checkQuarters(file, picture, w, h);
  checkQuarters(file + " drawn a third of its size", picture, w / 3, h / 3);
}

// Today's formats through the system's imaging component: each quarter
// where it belongs, a photo turned upright by its Exif orientation, what is
// transparent showing what lies under it, and what cannot be shown told.
void checkImagingComponent(vl::PictureDecoder& decoder, const std::string& folder) {
  using testpics::Container;
  const int w = 48, h = 30;
  auto upright = [&](int x, int y) { return testpics::quarter(x, y, w, h); };
  const struct {
    Container container;
    const char* file;
  } formats[] = {{Container::Png, "quarters.png"},
                 {Container::Jpeg, "quarters.jpg"},
                 {Container::Gif, "quarters.gif"},
                 {Container::Tiff, "quarters.tif"}};
  for (const auto& f : formats)
    checkEncoded(decoder, folder, f.file, testpics::encoded(f.container, w, h, upright), w, h);
  for (int orientation : {3, 6, 8}) {
    bool turned = orientation != 3;
    std::string stored = testpics::encoded(Container::Jpeg, turned ? h : w, turned ? w : h,
                                           testpics::storedFor(orientation, w, h, upright));
    checkEncoded(decoder, folder, "turned" + std::to_string(orientation) + ".jpg",
                 stored.empty() ? stored : testpics::withExif(stored, orientation), w, h);
  }

  // Red on the left, clear on the right: the canvas's green shows there.
  std::string clear = testpics::encoded(
      Container::Png, w, h, [](int, int) { return RGB(255, 0, 0); },
      [&](int x, int) { return static_cast<BYTE>(x < w / 2 ? 255 : 0); });
  writeFile(folder + "clear.png", clear);
  vl::PictureLoad load = decoder.decode(folder + "clear.png");
  CHECK_MSG(load.picture != nullptr, "clear.png decodes", seen(load));
  if (load.picture) {
    for (int scale : {1, 3}) {
      Canvas canvas(w / scale, h / scale);
      dynamic_cast<const Win32Picture&>(*load.picture).draw(canvas.dc(), canvas.all());
      std::string how = scale == 1 ? "" : " drawn smaller";
      CHECK_MSG(canvas.red(w / scale / 4, h / scale / 2), "clear.png's opaque half" + how,
                canvas.describe(w / scale / 4, h / scale / 2));
      CHECK_MSG(canvas.green(w / scale * 3 / 4, h / scale / 2),
                "clear.png's clear half shows what lies under it" + how,
                canvas.describe(w / scale * 3 / 4, h / scale / 2));
    }
  }

  writeFile(folder + "huge.png", testpics::pngHeaderOnly(60000, 60000));
  checkRefused(decoder, "a PNG claiming 60000 x 60000", folder + "huge.png", "too large to show");
  std::string jpeg = testpics::encoded(Container::Jpeg, w, h, upright);
  writeFile(folder + "cut.jpg", jpeg.substr(0, jpeg.size() / 2));
  load = decoder.decode(folder + "cut.jpg");
  CHECK_MSG(load.picture != nullptr || load.error == "damaged picture",
            "a JPEG cut short shows what it holds or is damaged", seen(load));
  writeFile(folder + "notes.png", "These are notes, not a picture.\r\n");
  checkRefused(decoder, "a text file named .png", folder + "notes.png", "not a picture");
  writeFile(folder + "web.webp",
            std::string("RIFF\x1A\0\0\0WEBPVP8 \x0E\0\0\0", 20) + std::string(14, '\0'));
  load = decoder.decode(folder + "web.webp");
  CHECK_MSG(load.error == "Windows has no decoder for WebP pictures" ||
                load.error == "damaged picture" || load.picture,
            "a WebP picture without its codec is told so", seen(load));
  std::printf("  web.webp: %s\n", seen(load).c_str());
}

}  // namespace

void runPictureChecks(HINSTANCE instance, const std::string& folder) {
  vl::win32::SystemLibraries libraries;
  vl::win32::ComApartment com(libraries);
  vl::win32::Win32PictureDecoder decoder(instance, kDpi, com);
  const std::vector<Sample> samples = {
      {"red24.bmp", bmp24BottomUp(16, 8), 240, 120},
      {"topdown32.bmp", bmp32TopDown(16, 8), 240, 120},
      {"rle8.rle", bmpRle8(16, 8), 240, 120},
      {"rle4.bmp", bmpRle4(16, 8), 240, 120},
      {"bitfields16.dib", bmp16Bitfields(16, 8), 240, 120},
      {"odd24.bmp", bmp24BottomUp(13, 7), 195, 105},
      {"icon.ico", iconFile(false), 480, 480},
      {"cursor.cur", iconFile(true), 480, 480},
      {"placeable.wmf", windowsMetafile(true), 1920, 960},
      {"plain.wmf", windowsMetafile(false), 960, 480},
      {"drawing.emf", enhancedMetafile(), 1440, 720},
      // The content decides, whatever the name says.
      {"drawing-named.bmp", enhancedMetafile(), 1440, 720},
      {"bitmap-named.ico", bmp24BottomUp(16, 8), 240, 120},
  };
  for (const Sample& s : samples) checkSample(decoder, folder, s);
  checkCutShort(decoder, folder, samples);
  checkMadeByTools(decoder, folder);

  writeFile(folder + "empty.bmp", "");
  checkRefused(decoder, "a zero-byte file", folder + "empty.bmp", "empty file");
  writeFile(folder + "notes.bmp", "These are notes, not a picture.\r\n");
  checkRefused(decoder, "a text file", folder + "notes.bmp", "not a picture");
  checkRefused(decoder, "a missing file", folder + "missing.bmp");
  std::string cut = bmp24BottomUp(16, 8);
  writeFile(folder + "cut.bmp", cut.substr(0, cut.size() / 2));
  vl::PictureLoad load = decoder.decode(folder + "cut.bmp");
  CHECK_MSG(load.picture != nullptr, "a bitmap cut short still decodes", seen(load));
  if (load.picture) {
    Canvas canvas(16, 8);
    dynamic_cast<const Win32Picture&>(*load.picture).draw(canvas.dc(), canvas.all());
    CHECK_MSG(canvas.blue(14, 6), "a bitmap cut short draws the rows it has",
              canvas.describe(14, 6));
  }
  checkMask(decoder, folder);
  checkImagingComponent(decoder, folder);
  checkResource(instance, decoder);
  checkCache(decoder, folder);
}

}  // namespace pc
