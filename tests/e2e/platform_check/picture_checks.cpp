// The picture decoder on every kind of file it reads, and on files it must refuse.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "canvas.h"
#include "check.h"
#include "platform/win32/picture_decoder.h"
#include "platform/win32/text.h"
#include "samples.h"

namespace check {

namespace {

using vl::win32::Win32Picture;

constexpr int kDpi = 96;  // 15 twips a pixel

struct Sample {
  std::string file;
  std::string bytes;
  int widthTwips, heightTwips;
};

std::string sizeText(const vl::Picture& p) {
  return std::to_string(p.widthTwips()) + "x" + std::to_string(p.heightTwips()) + " twips";
}

// Draws at the given size and checks the red top-left and blue bottom-right.
void checkDrawing(Tally& t, const std::string& name, const Win32Picture& picture, int width,
                  int height) {
  Canvas canvas(width, height);
  picture.draw(canvas.dc(), canvas.all());
  std::string where = name + " drawn at " + std::to_string(width) + "x" + std::to_string(height);
  t.expect(canvas.red(1, 1), where + " is red at the top left", canvas.describe(1, 1));
  t.expect(canvas.blue(width - 2, height - 2), where + " is blue at the bottom right",
           canvas.describe(width - 2, height - 2));
}

void checkSample(Tally& t, vl::PictureDecoder& decoder, const std::string& folder,
                 const Sample& s) {
  std::string path = folder + s.file;
  if (!writeFile(path, s.bytes)) {
    t.expect(false, s.file + " written");
    return;
  }
  vl::PictureLoad load = decoder.decode(path);
  t.expect(load.picture != nullptr && load.error.empty(), s.file + " decodes", load.error);
  if (!load.picture) return;
  t.expect(
      load.picture->widthTwips() == s.widthTwips && load.picture->heightTwips() == s.heightTwips,
      s.file + " is " + std::to_string(s.widthTwips) + "x" + std::to_string(s.heightTwips) +
          " twips",
      sizeText(*load.picture));
  auto* picture = dynamic_cast<const Win32Picture*>(load.picture.get());
  t.expect(picture != nullptr, s.file + " can draw itself");
  if (!picture) return;
  int w = s.widthTwips / 15, h = s.heightTwips / 15;
  checkDrawing(t, s.file, *picture, w, h);
  checkDrawing(t, s.file, *picture, w * 2 + 3, h * 3);
}

void checkRefused(Tally& t, vl::PictureDecoder& decoder, const std::string& what,
                  const std::string& path, const std::string& expectedError = {}) {
  vl::PictureLoad load = decoder.decode(path);
  bool ok = !load.picture && !load.error.empty() &&
            (expectedError.empty() || load.error == expectedError);
  t.expect(ok, what + " is refused with a reason", "\"" + load.error + "\"");
}

// Damaged files must never crash the program: every sample cut short at
// twenty points decodes or is refused, and what decodes draws.
void checkCutShort(Tally& t, vl::PictureDecoder& decoder, const std::string& folder,
                   const std::vector<Sample>& samples) {
  int decoded = 0, refused = 0;
  bool reasons = true;
  for (const Sample& s : samples) {
    for (int i = 1; i <= 20; ++i) {
      std::string path = folder + "cut-" + s.file;
      writeFile(path, s.bytes.substr(0, s.bytes.size() * i / 21));
      vl::PictureLoad load = decoder.decode(path);
      if (!load.picture) {
        ++refused;
        reasons = reasons && !load.error.empty();
        continue;
      }
      ++decoded;
      Canvas canvas(40, 30);
      dynamic_cast<const Win32Picture&>(*load.picture).draw(canvas.dc(), canvas.all());
    }
  }
  t.expect(reasons, "samples cut short decode or are refused with a reason",
           std::to_string(decoded) + " decoded, " + std::to_string(refused) + " refused");
}

// The mask lets what lies under the icon show through its clear corner.
void checkMask(Tally& t, vl::PictureDecoder& decoder, const std::string& folder) {
  writeFile(folder + "masked.ico", iconFile(false, true));
  vl::PictureLoad load = decoder.decode(folder + "masked.ico");
  t.expect(load.picture != nullptr, "masked.ico decodes", load.error);
  if (!load.picture) return;
  Canvas canvas(32, 32);
  dynamic_cast<const Win32Picture&>(*load.picture).draw(canvas.dc(), canvas.all());
  t.expect(canvas.red(1, 1) && canvas.blue(30, 1), "masked.ico draws its opaque parts",
           canvas.describe(30, 1));
  t.expect(canvas.green(30, 30), "masked.ico leaves its clear corner as it was",
           canvas.describe(30, 30));
}

void checkResource(Tally& t, HINSTANCE instance, vl::PictureDecoder& decoder) {
  vl::PictureLoad load = decoder.decode("res:BANNER");
  t.expect(load.picture != nullptr, "res:BANNER decodes", load.error);
  auto bitmap = static_cast<HBITMAP>(LoadImageW(instance, L"BANNER", IMAGE_BITMAP, 0, 0, 0));
  BITMAP b{};
  GetObjectW(bitmap, sizeof b, &b);
  DeleteObject(bitmap);
  if (load.picture) {
    t.expect(load.picture->widthTwips() == b.bmWidth * 15 &&
                 load.picture->heightTwips() == b.bmHeight * 15,
             "res:BANNER has its bitmap's size", sizeText(*load.picture));
    Canvas canvas(b.bmWidth, b.bmHeight);
    dynamic_cast<const Win32Picture&>(*load.picture).draw(canvas.dc(), canvas.all());
    int x = b.bmWidth / 2, y = b.bmHeight / 2;
    t.expect(!canvas.green(x, y), "res:BANNER draws", canvas.describe(x, y));
  }
  checkRefused(t, decoder, "res:NOSUCH", "res:NOSUCH");
}

void checkCache(Tally& t, vl::PictureDecoder& decoder, const std::string& folder) {
  vl::PictureCache cache(decoder);
  std::string path = folder + "red24.bmp", upper = path;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  vl::PictureLoad a = cache.load(path), b = cache.load(upper);
  t.expect(a.picture && a.picture == b.picture,
           "the cache hands out one picture for a path in either case");
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
void checkMadeByTools(Tally& t, vl::PictureDecoder& decoder, const std::string& folder) {
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
    std::string bytes = readAll(std::string(made) + "\\" + m.file);
    t.expect(!bytes.empty(), std::string(m.file) + " was made by the tools");
    if (!bytes.empty())
      checkSample(t, decoder, folder, {m.file, bytes, m.widthTwips, m.heightTwips});
  }
}

}  // namespace

void runPictureChecks(Tally& t, HINSTANCE instance, const std::string& folder) {
  vl::win32::Win32PictureDecoder decoder(instance, kDpi);
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
  for (const Sample& s : samples) checkSample(t, decoder, folder, s);
  checkCutShort(t, decoder, folder, samples);
  checkMadeByTools(t, decoder, folder);

  writeFile(folder + "empty.bmp", "");
  checkRefused(t, decoder, "a zero-byte file", folder + "empty.bmp", "The file is empty.");
  writeFile(folder + "notes.bmp", "These are notes, not a picture.\r\n");
  checkRefused(t, decoder, "a text file", folder + "notes.bmp",
               "The file is not a picture this program can show.");
  checkRefused(t, decoder, "a missing file", folder + "missing.bmp");
  std::string cut = bmp24BottomUp(16, 8);
  writeFile(folder + "cut.bmp", cut.substr(0, cut.size() / 2));
  vl::PictureLoad load = decoder.decode(folder + "cut.bmp");
  t.expect(load.picture != nullptr, "a bitmap cut short still decodes", load.error);
  if (load.picture) {
    Canvas canvas(16, 8);
    dynamic_cast<const Win32Picture&>(*load.picture).draw(canvas.dc(), canvas.all());
    t.expect(canvas.blue(14, 6), "a bitmap cut short draws the rows it has",
             canvas.describe(14, 6));
  }
  checkMask(t, decoder, folder);
  checkResource(t, instance, decoder);
  checkCache(t, decoder, folder);
}

}  // namespace check
