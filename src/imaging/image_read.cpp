// Reading pictures safely and normalising them for frames.
#include <cctype>
#include <cstring>

#include "imaging/image.h"
#include "imaging/image_library.h"
#include "platform/files.h"
#include "platform/user_file.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

std::string conversionError() { return localText("iconvStr() 字符转码时发生错误"); }

bool sizeAcceptable(long long w, long long h, std::string* error) {
  if (w <= kMaxPictureSide && h <= kMaxPictureSide && w * h <= kMaxPicturePixels) return true;
  if (error)
    *error = localFormat("图片尺寸过大(%lld x %lld)，无法处理。", w, h);
  return false;
}

// The library's reason for a failed read; some coders (a PNG cut short, for one) fail
// without giving any.
std::string readFailureText(MagickWand* wand) {
  std::string why = takeWandError(wand);
  return why.empty() ? localText("无法识别的图片格式，或图片已损坏、不完整。") : why;
}

// Reads only the headers of the open file (the image library's ping), after our own probe
// of the first bytes, and refuses a file whose declared size is beyond what the program
// accepts. Null when the file is refused or cannot be pinged.
WandPtr pingWithinLimits(const std::string& path, std::FILE* file, std::string* error) {
  PictureHeader header;
  if (probePictureHeader(path, &header) && !sizeAcceptable(header.width, header.height, error))
    return nullptr;
  WandPtr ping(NewMagickWand());
  if (MagickPingImageFile(ping.get(), file) == MagickFalse) {
    if (error) *error = readFailureText(ping.get());
    return nullptr;
  }
  MagickResetIterator(ping.get());
  while (MagickNextImage(ping.get()) != MagickFalse) {
    if (!sizeAcceptable(static_cast<long long>(MagickGetImageWidth(ping.get())),
                        static_cast<long long>(MagickGetImageHeight(ping.get())), error))
      return nullptr;
  }
  return ping;
}

// The picture's file, refused when it is not a regular file of a size the library could
// take (a FIFO or a device would otherwise hang the read or fill the disk).
FilePtr openPicture(const std::string& path, std::string* error) {
  if (!toFsName(path)) {
    if (error) *error = conversionError();
    return nullptr;
  }
  UserFileOpening opening = openUserFile(path, kMaxPictureFileBytes);
  if (!opening.file && error) *error = opening.error;
  return std::move(opening.file);
}

// Keeps only the current image of a multi-image wand (the first one after a reset).
WandPtr firstImageOnly(WandPtr wand) {
  if (MagickGetNumberImages(wand.get()) <= 1) return wand;
  MagickResetIterator(wand.get());
  MagickNextImage(wand.get());
  WandPtr first(MagickGetImage(wand.get()));
  return first ? std::move(first) : std::move(wand);
}

void flattenAlpha(MagickWand* wand, const char* background, const std::string& format) {
  if (MagickGetImageAlphaChannel(wand) == MagickFalse) return;
  PixelPtr colour = makePixel(background);
  MagickSetImageBackgroundColor(wand, colour.get());
  MagickSetImageAlphaChannel(wand, format == "BMP" ? DeactivateAlphaChannel : RemoveAlphaChannel);
}

WandPtr normalise(WandPtr wand, const char* background) {
  std::string format = imageFormat(wand.get());
  MagickStripImage(wand.get());
  wand = firstImageOnly(std::move(wand));
  flattenAlpha(wand.get(), background, format);
  convertCmykToSrgb(wand.get());
  return wand;
}

const char* formatForExtension(const std::string& path) {
  std::string ext = extensionOf(path);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "jpg" || ext == "jpeg") return "JPEG";
  if (ext == "png") return "PNG";
  if (ext == "bmp") return "BMP";
  if (ext == "gif") return "GIF";
  if (ext == "ico") return "ICO";
  return nullptr;
}

// The first bytes of the picture formats the program reads.
bool hasKnownSignature(const std::string& path) {
  FilePtr file = openPicture(path, nullptr);
  if (!file) return false;
  unsigned char head[12] = {};
  size_t n = std::fread(head, 1, sizeof head, file.get());
  auto starts = [&](const char* magic, size_t len) {
    return n >= len && std::memcmp(head, magic, len) == 0;
  };
  return starts("\xFF\xD8\xFF", 3) || starts("\x89PNG", 4) || starts("GIF8", 4) ||
         starts("BM", 2) || starts("8BPS", 4) ||
         (starts("RIFF", 4) && n >= 12 && std::memcmp(head + 8, "WEBP", 4) == 0);
}

}  // namespace

bool readImageFile(MagickWand* wand, const std::string& path, std::string* error) {
  FilePtr file = openPicture(path, error);
  if (!file || !pingWithinLimits(path, file.get(), error)) return false;
  std::rewind(file.get());
  if (MagickReadImageFile(wand, file.get()) == MagickFalse) {
    if (error) *error = readFailureText(wand);
    return false;
  }
  return true;
}

bool writeImageFile(MagickWand* wand, const std::string& path, std::string* error) {
  if (!toFsName(path)) {
    if (error) *error = conversionError();
    return false;
  }
  if (const char* format = formatForExtension(path)) MagickSetImageFormat(wand, format);
  FilePtr file = openFile(path, "wb");
  bool ok = file && MagickWriteImageFile(wand, file.get()) != MagickFalse;
  if (file) ok = std::fflush(file.get()) == 0 && ok;
  if (!ok && error) *error = localFormat("写入图片文件时出错: %s %s", path.c_str(), takeWandError(wand).c_str());
  return ok;
}

WandPtr readPicture(const std::string& path, const char* background, std::string* error) {
  WandPtr wand(NewMagickWand());
  std::string why;
  if (!readImageFile(wand.get(), path, &why)) {
    if (error) *error = localText("MagickReadImage() 发生错误：\n\n") + "image.cpp unknown 185 " + why;
    return nullptr;
  }
  reportDamagedPicture(wand.get(), path);
  return normalise(std::move(wand), background);
}

WandPtr readPictureForCanvas(const std::string& path, const char* background, int canvasWidth,
                             int canvasHeight, long* fullWidth, long* fullHeight, std::string* error) {
  PictureHeader header;
  bool large = canvasWidth > 0 && canvasHeight > 0 && probePictureHeader(path, &header) &&
               header.type == "JPEG" && header.width >= 2L * canvasWidth &&
               header.height >= 2L * canvasHeight;
  WandPtr wand;
  if (large) {
    // The decoder scales by the whole ratio of this size (at least 2 here) or by the nearest
    // eighth above it, so the result is never smaller than the canvas.
    wand.reset(NewMagickWand());
    MagickSetOption(wand.get(), "jpeg:size", strprintf("%dx%d", canvasWidth, canvasHeight).c_str());
    std::string why;
    if (!readImageFile(wand.get(), path, &why)) {
      if (error) *error = localText("MagickReadImage() 发生错误：\n\n") + "image.cpp unknown 185 " + why;
      return nullptr;
    }
    reportDamagedPicture(wand.get(), path);
    wand = normalise(std::move(wand), background);
  } else {
    wand = readPicture(path, background, error);
  }
  if (!wand) return nullptr;
  // A scaled decode keeps the header's size as the picture's true size.
  *fullWidth = large ? header.width : static_cast<long>(MagickGetImageWidth(wand.get()));
  *fullHeight = large ? header.height : static_cast<long>(MagickGetImageHeight(wand.get()));
  return wand;
}

bool reportDamagedPicture(MagickWand* wand, const std::string& path) {
  // Decoders record such warnings on the image rather than on the wand.
  ExceptionInfo* found = AcquireExceptionInfo();
  GetImageException(GetImageFromMagickWand(wand), found);
  bool damaged = found->severity == CorruptImageWarning;
  DestroyExceptionInfo(found);
  if (!damaged) return false;
  infoLog(localFormat("图片数据不完整，缺失的部分将显示为灰色:\r\n%s", path.c_str()));
  return true;
}

WandPtr readBuiltinPicture(const std::string& name, const char* background) {
  static const char* const kBuiltins[] = {"logo:", "wizard:", "granite:", "netscape:"};
  bool known = false;
  for (const char* builtin : kBuiltins) known = known || name == builtin;
  if (!known) return nullptr;
  WandPtr wand(NewMagickWand());
  if (MagickReadImage(wand.get(), name.c_str()) == MagickFalse) return nullptr;
  return normalise(std::move(wand), background);
}

void convertCmykToSrgb(MagickWand* wand) {
  if (MagickGetImageColorspace(wand) == CMYKColorspace)
    MagickTransformImageColorspace(wand, sRGBColorspace);
}

void markAsSrgb(MagickWand* wand) {
  if (MagickGetImageColorspace(wand) != sRGBColorspace)
    MagickSetImageColorspace(wand, sRGBColorspace);
}

bool isCmykFile(const std::string& path) {
  WandPtr wand(NewMagickWand());
  return readImageFile(wand.get(), path) && MagickGetImageColorspace(wand.get()) == CMYKColorspace;
}

bool isStillImage(MagickWand* wand) {
  if (MagickGetImageDelay(wand) == 0) return true;
  return MagickGetNumberImages(wand) == 1;
}

PictureKind classifyPicture(const std::string& path, std::string* error) {
  if (!fileExists(path)) {
    // A FIFO or a device is there, not nothing: say so, as opening it would.
    std::string notRegular = notRegularSourceMessage(path);
    if (error) *error = notRegular.empty() ? localFormat("文件不存在: %s", path.c_str()) : notRegular;
    return PictureKind::Unreadable;
  }
  if (!hasKnownSignature(path)) return PictureKind::Unknown;
  FilePtr file = openPicture(path, error);
  WandPtr ping = file ? pingWithinLimits(path, file.get(), error) : nullptr;
  if (!ping) return PictureKind::Unreadable;
  MagickResetIterator(ping.get());
  MagickNextImage(ping.get());
  return isStillImage(ping.get()) ? PictureKind::Still : PictureKind::Animated;
}

}  // namespace pictavo
