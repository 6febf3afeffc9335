// Damaged and crafted pictures, previewed, viewed and named on the command
// line: the program stays alive, shows nothing of them, says why, and shows
// a good picture afterwards.
#include <cstdio>

#include "../../common/put_bytes.h"
#include "common.h"

namespace e2e {

namespace {

using testbytes::put16;
using testbytes::put32;

std::string wmfRecord(unsigned function, std::initializer_list<unsigned> words,
                      std::size_t extraBytes = 0) {
  std::string s;
  put32(s, 3 + words.size() + extraBytes / 2);
  put16(s, function);
  for (unsigned w : words) put16(s, w);
  return s + std::string(extraBytes, '\x55');
}

// A metafile without the placeable header, with one object slot.
std::string wmf(const std::string& records) {
  std::string body = records + wmfRecord(0, {});
  std::string s;
  for (unsigned v : {1u, 9u, 0x300u}) put16(s, v);
  put32(s, (18 + body.size()) / 2);
  put16(s, 1);
  put32(s, 64);
  put16(s, 0);
  return s + body;
}

// A bitmap file's first bytes with the given header fields and `bits` bytes after.
std::string bitmap(long w, long h, unsigned bitCount, unsigned long compression, std::size_t bits,
                   unsigned long headerSize = 40) {
  std::string s = "BM";
  put32(s, 14 + headerSize + bits);
  put32(s, 0);
  put32(s, 14 + headerSize);
  put32(s, headerSize);
  put32(s, static_cast<unsigned long>(w));
  put32(s, static_cast<unsigned long>(h));
  put16(s, 1);
  put16(s, bitCount);
  put32(s, compression);
  put32(s, static_cast<unsigned long>(bits));
  s.resize(14 + headerSize, '\0');
  return s + std::string(bits, '\x11');
}

struct Hostile {
  const char* name;
  std::string bytes;
};

std::vector<Hostile> hostileFiles() {
  const std::string brush = wmfRecord(0x02FC, {0, 0xFF, 0, 0});
  // The bitmap header of the stretched record claims 8000 x 8000, then 60 bytes follow.
  std::string header;
  put32(header, 40);
  put32(header, 8000);
  put32(header, 8000);
  put16(header, 1);
  put16(header, 24);
  header.resize(40, '\0');
  std::string stretched;
  put32(stretched, 3 + 11 + (40 + 60) / 2);
  put16(stretched, 0x0F43);
  for (unsigned w : {0x20u, 0xCCu, 0u, 8000u, 8000u, 0u, 0u, 8000u, 8000u, 0u, 0u})
    put16(stretched, w);
  stretched += header + std::string(60, '\x22');
  std::string emf;
  put32(emf, 1);
  put32(emf, 88);
  for (long v : {0L, 0L, 99L, 99L, 0L, 0L, 0x7FFFFFFFL, 0x7FFFFFFFL})
    put32(emf, static_cast<unsigned long>(v));
  put32(emf, 0x464D4520);
  put32(emf, 0x10000);
  put32(emf, 108);
  put32(emf, 2);
  put16(emf, 1);
  emf.resize(88, '\0');
  emf += std::string("\x0E\0\0\0\x14\0\0\0\0\0\0\0\x10\0\0\0\x14\0\0\0", 20);
  return {
      {"select.wmf", wmf(wmfRecord(0x012D, {7}))},
      {"delete.wmf", wmf(brush + wmfRecord(0x01F0, {4000}))},
      {"stretch.wmf", wmf(stretched)},
      {"polygon.wmf", wmf(wmfRecord(0x0324, {30000, 1, 1}))},
      {"noend.wmf", wmf(brush).substr(0, 18 + 14)},
      {"empty.bmp", ""},
      {"header.bmp", bitmap(64, 64, 24, 0, 0)},
      {"rledown.bmp", bitmap(8, -8, 8, 1, 40)},
      {"alpha.bmp", bitmap(8, 8, 32, 6, 256 + 16)},
      {"huge.bmp", bitmap(40000, 40000, 1, 0, 64)},
      {"fields.bmp", bitmap(8, 8, 32, 3, 256 + 12, 44)},
      {"entry.ico", std::string("\0\0\1\0\1\0\x10\x10\0\0\1\0\x20\0\xFF\xFF\0\0\x16\0\0\0", 22)},
      {"frame.emf", emf},
      {"notes.bmp", "These are notes, not a picture.\r\n"},
  };
}

const COLORREF kGood = RGB(255, 0, 0);

}  // namespace

SCENARIO(hostile_pictures) {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(writeFile("C:\\res.cfg", "1\r\n"));  // High-Res: the view beside the page
  makeDirectory("C:\\HOSTILE");
  REQUIRE(writeFile("C:\\HOSTILE\\good.bmp",
                    testpics::bitmapFile(60, 60, [](int, int) { return kGood; })));
  std::vector<Hostile> files = hostileFiles();
  for (const Hostile& f : files) REQUIRE(writeFile(std::string("C:\\HOSTILE\\") + f.name, f.bytes));

  Program p;
  REQUIRE(p.start("", "C:\\HOSTILE"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND list = control(main, "File1"), preview = control(main, "Image2");
  HWND status = control(main, "StatusBar1");
  HWND view = control(main, "Image3");
  auto red = [](HWND w) { return rgb(pixelAt(w, 10, 10)) == rgb(kGood); };

  for (const Hostile& f : files) {
    // The good picture first, so that what follows cannot hide behind it.
    REQUIRE(doubleClickItem(list, "good.bmp"));
    CHECK(waitFor([&] { return red(preview) && red(view); }));
    std::string said = std::string(f.name) + " cannot be shown: ";
    REQUIRE(clickItem(list, f.name));
    CHECK_MSG(waitFor([&] { return p.statusText(status).rfind(said, 0) == 0; }),
              std::string("the status bar names ") + f.name, p.statusText(status));
    CHECK(p.idle());
    CHECK_MSG(p.running() && !red(preview), std::string("the preview is cleared for ") + f.name,
              rgb(pixelAt(preview, 10, 10)));
    REQUIRE(doubleClickItem(list, f.name));
    CHECK(p.idle());
    CHECK_MSG(p.running() && !red(view), std::string("the view is cleared for ") + f.name,
              rgb(pixelAt(view, 10, 10)));
    CHECK(!p.messageBoxOpen());
    std::printf("  %s: %s\n", f.name, p.statusText(status).c_str());
    REQUIRE(p.running());
  }
  REQUIRE(doubleClickItem(list, "good.bmp"));
  CHECK(waitFor([&] { return red(preview) && red(view); }));

  // Named on the command line, as "Open with" does. The pointer stays off the
  // window, whose controls' help would take the status bar.
  SetCursorPos(0, 0);
  for (const char* name : {"delete.wmf", "stretch.wmf"}) {
    p.kill();
    REQUIRE(p.start(std::string("C:\\HOSTILE\\") + name, "C:\\HOSTILE"));
    main = p.form("Form1");
    REQUIRE(main != nullptr);
    CHECK(waitFor([&] {
      return p.statusText(control(main, "StatusBar1")).rfind(std::string(name) + " cannot", 0) == 0;
    }));
    CHECK(p.idle());
    CHECK(p.running());
  }
  keys(main, {VK_CONTROL, 'Q'});
  CHECK(p.waitExit(kPatience));
  CHECK_EQ(p.exitCode(), DWORD{0});
}

}  // namespace e2e
