// Temporary folders and files for tests, and pictures made with the image library.
#pragma once

#include <filesystem>
#include <string>

#include "imaging/magick_handles.h"

namespace pictavo::test {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
 public:
  explicit TempDir(const std::string& prefix = "pictavo-test");
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path/name (file-system name, UTF-8).
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void writeBytes(const std::string& fsPath, const std::string& bytes);
std::string readBytes(const std::string& fsPath);

// A width x height picture of one colour written in `format` ("PNG", "JPEG", "BMP", ...).
void writeSolidPicture(const std::string& fsPath, int width, int height, const char* colour,
                       const char* format);

// A GIF of `frames` alternating red and blue 8 x 8 frames, each with `delay`.
void writeGif(const std::string& fsPath, int frames, size_t delay);

// A picture whose pixel (x, y) has red = x mod 256 and green = y mod 256 (blue 0): any
// sample tells where it came from.
WandPtr coordinatePicture(int width, int height);

// A plain canvas of one colour.
WandPtr solidPicture(int width, int height, const char* colour);

struct Rgb {
  int r, g, b;
};

// The 8-bit colour of pixel (x, y).
Rgb pixelAt(MagickWand* wand, long x, long y);

// True when every channel differs by at most `tolerance` (8-bit units).
bool near(const Rgb& a, const Rgb& b, int tolerance = 8);

// Decodes JPEG (or other) bytes into a wand.
WandPtr decode(const unsigned char* bytes, size_t length);

// The GBK form of a UTF-8 test literal.
std::string g(const char* utf8Literal);

}  // namespace pictavo::test
