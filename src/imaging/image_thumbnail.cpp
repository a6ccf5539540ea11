// List icons, picture descriptions and proportional resizes for the user interface.
#include <algorithm>
#include <cmath>

#include "imaging/image.h"
#include "platform/files.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

// The thumbnail size of a w x h picture that does not fit a bw x bh box. A picture at least
// as wide as high is fitted by its width only.
void thumbnailSize(long w, long h, long bw, long bh, long* tw, long* th) {
  if (w / h >= 1) {
    *tw = bw;
    *th = std::max(1L, h * bw / w);
  } else {
    *tw = std::max(1L, w * bh / h);
    *th = bh;
  }
}

bool exportRgba(MagickWand* wand, ListIcon* icon) {
  icon->width = static_cast<int>(MagickGetImageWidth(wand));
  icon->height = static_cast<int>(MagickGetImageHeight(wand));
  icon->rgba.assign(static_cast<size_t>(icon->width) * icon->height * 4, 0);
  return MagickExportImagePixels(wand, 0, 0, icon->width, icon->height, "RGBA", CharPixel,
                                 icon->rgba.data()) != MagickFalse;
}

// A JPEG at least twice the icon box both ways is decoded at a reduced scale that is still
// no smaller than the box (a 6000 x 4000 picture takes 190 MB decoded in full, 3 MB so). The
// thumbnail keeps the size it would have from the full picture: *fullWidth and *fullHeight
// receive the header's size, turned with the picture. False (no hint set) for any other
// picture and for turns that are not right angles.
bool hintReducedDecode(MagickWand* wand, const std::string& path, long boxSide, int rotation,
                       long* fullWidth, long* fullHeight) {
  PictureHeader header;
  if (rotation % 90 != 0 || !probePictureHeader(path, &header) || header.type != "JPEG" ||
      header.width < 2 * boxSide || header.height < 2 * boxSide)
    return false;
  MagickSetOption(wand, "jpeg:size", strprintf("%ldx%ld", boxSide, boxSide).c_str());
  bool quarter = rotation % 180 == 90;
  *fullWidth = quarter ? header.height : header.width;
  *fullHeight = quarter ? header.width : header.height;
  return true;
}

std::string sizeText(int64_t size, bool singlePrecisionMb) {
  if (size < 1024) return localFormat(" %lld 字节", static_cast<long long>(size));
  if (size < 1048576) return strprintf(" %0.1f KB", static_cast<double>(size) / 1024.0);
  double mb = static_cast<double>(size) / 1024.0 / 1024.0;
  if (singlePrecisionMb) mb = static_cast<float>(mb);
  return strprintf(" %0.1f MB", mb);
}

std::string infoLine(int width, int height, const std::string& type, int64_t size, bool singleMb) {
  return localFormat("尺寸: %d x %d, 类型: %s 图片, 大小:%s", width, height, type.c_str(),
                     sizeText(size, singleMb).c_str());
}

}  // namespace

int makeListIcon(const std::string& path, int iconWidth, int iconHeight, int rotation,
                 ListIcon* icon, std::string* error) {
  long boxW = iconWidth - 2, boxH = iconHeight - 2;
  WandPtr wand(NewMagickWand());
  long fullW = 0, fullH = 0;
  bool reduced = hintReducedDecode(wand.get(), path, std::max(boxW, boxH), std::max(rotation, 0),
                                   &fullW, &fullH);
  if (!readImageFile(wand.get(), path, error)) return kIconFailed;
  if (!isStillImage(wand.get())) return kIconAnimated;
  reportDamagedPicture(wand.get(), path);
  std::string format = imageFormat(wand.get());
  if (format == "PSD") MagickResetIterator(wand.get());
  if (MagickGetImageAlphaChannel(wand.get()) != MagickFalse && format == "BMP")
    MagickSetImageAlphaChannel(wand.get(), DeactivateAlphaChannel);
  convertCmykToSrgb(wand.get());
  if (rotation > 0) {
    PixelPtr background(NewPixelWand());
    MagickRotateImage(wand.get(), background.get(), rotation);
  }
  long w = reduced ? fullW : static_cast<long>(MagickGetImageWidth(wand.get()));
  long h = reduced ? fullH : static_cast<long>(MagickGetImageHeight(wand.get()));
  if (w > boxW || h > boxH) {
    long tw, th;
    thumbnailSize(w, h, boxW, boxH, &tw, &th);
    MagickThumbnailImage(wand.get(), static_cast<size_t>(tw), static_cast<size_t>(th));
    w = tw;
    h = th;
  }
  WandPtr field = newCanvas(static_cast<int>(boxW), static_cast<int>(boxH), "#FFFFFF");
  MagickCompositeImage(field.get(), wand.get(), OverCompositeOp, (iconWidth - w - 2) / 2,
                       (iconHeight - h - 2) / 2);
  PixelPtr border = makePixel("#d4d0c8");
  MagickBorderImage(field.get(), border.get(), 1, 1);
  if (!exportRgba(field.get(), icon)) {
    if (error) *error = takeWandError(field.get());
    return kIconFailed;
  }
  return kIconMade;
}

int describePicture(const std::string& path, std::string* text) {
  WandPtr wand(NewMagickWand());
  if (!readImageFile(wand.get(), path)) {
    *text = localText("注意: 这不是一个有效的图片");
    return 0;
  }
  MagickResetIterator(wand.get());
  MagickNextImage(wand.get());
  int64_t size = static_cast<int64_t>(fileSize(path).value_or(0));
  *text = infoLine(static_cast<int>(MagickGetImageWidth(wand.get())),
                   static_cast<int>(MagickGetImageHeight(wand.get())), imageFormat(wand.get()), size,
                   true);
  return 1;
}

int resizeToEdge(MagickWand* wand, int mode, bool fitHeight, int edge, bool keep) {
  double w = static_cast<double>(MagickGetImageWidth(wand));
  double h = static_cast<double>(MagickGetImageHeight(wand));
  double fitted = fitHeight ? h : w;
  bool shrink = edge < fitted && (mode == 0 || mode == 2);
  bool enlarge = edge > fitted && (mode == 1 || mode == 2);
  if (!shrink && !enlarge) return 1;
  double other = fitHeight ? w : h;
  double scaled = keep ? std::floor(edge * other / fitted + 0.5) : other;
  if (scaled < 1) scaled = 1;
  size_t newW = static_cast<size_t>(fitHeight ? scaled : edge);
  size_t newH = static_cast<size_t>(fitHeight ? edge : scaled);
  MagickResizeImage(wand, newW, newH, LanczosFilter, 1.0);
  return 1;
}

std::string pictureInfoLine(const PictureHeader& header) {
  return infoLine(header.width, header.height, header.type, header.size, false);
}

std::string pictureInformation(const std::string& path) {
  PictureHeader header;
  if (probePictureHeader(path, &header)) return pictureInfoLine(header);
  std::string text;
  return describePicture(path, &text) ? text : std::string();
}

}  // namespace pictavo
