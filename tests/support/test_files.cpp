#include "support/test_files.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "util/charset.h"

namespace pictavo::test {

TempDir::TempDir(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void writeBytes(const std::string& fsPath, const std::string& bytes) {
  std::ofstream out(fsPath, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::string& fsPath) {
  std::ifstream in(fsPath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

WandPtr solidPicture(int width, int height, const char* colour) {
  WandPtr wand(NewMagickWand());
  PixelPtr fill = makePixel(colour);
  MagickNewImage(wand.get(), width, height, fill.get());
  return wand;
}

void writeSolidPicture(const std::string& fsPath, int width, int height, const char* colour,
                       const char* format) {
  WandPtr wand = solidPicture(width, height, colour);
  MagickSetImageFormat(wand.get(), format);
  std::string target = std::string(format) + ":" + fsPath;
  if (MagickWriteImage(wand.get(), target.c_str()) == MagickFalse)
    throw std::runtime_error("cannot write " + fsPath + ": " + takeWandError(wand.get()));
}

void writeGif(const std::string& fsPath, int frames, size_t delay) {
  WandPtr gif = solidPicture(8, 8, "#ff0000");
  for (int i = 1; i < frames; ++i) {
    WandPtr next = solidPicture(8, 8, i % 2 ? "#0000ff" : "#ff0000");
    MagickSetLastIterator(gif.get());
    MagickAddImage(gif.get(), next.get());
  }
  MagickResetIterator(gif.get());
  while (MagickNextImage(gif.get()) != MagickFalse) MagickSetImageDelay(gif.get(), delay);
  std::string target = "GIF:" + fsPath;
  if (MagickWriteImages(gif.get(), target.c_str(), MagickTrue) == MagickFalse)
    throw std::runtime_error("cannot write " + fsPath);
}

WandPtr coordinatePicture(int width, int height) {
  std::string pixels(static_cast<size_t>(width) * height * 3, '\0');
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      size_t at = (static_cast<size_t>(y) * width + x) * 3;
      pixels[at] = static_cast<char>(x % 256);
      pixels[at + 1] = static_cast<char>(y % 256);
    }
  WandPtr wand = solidPicture(width, height, "#000000");
  MagickImportImagePixels(wand.get(), 0, 0, width, height, "RGB", CharPixel, pixels.data());
  return wand;
}

Rgb pixelAt(MagickWand* wand, long x, long y) {
  unsigned char rgb[3] = {};
  MagickExportImagePixels(wand, x, y, 1, 1, "RGB", CharPixel, rgb);
  return {rgb[0], rgb[1], rgb[2]};
}

bool near(const Rgb& a, const Rgb& b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance;
}

WandPtr decode(const unsigned char* bytes, size_t length) {
  WandPtr wand(NewMagickWand());
  if (MagickReadImageBlob(wand.get(), bytes, length) == MagickFalse) return nullptr;
  return wand;
}

std::string g(const char* utf8Literal) { return gbk(utf8Literal); }

}  // namespace pictavo::test
