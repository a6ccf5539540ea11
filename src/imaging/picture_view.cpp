#include "imaging/picture_view.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "imaging/fit_geometry.h"
#include "imaging/image.h"
#include "imaging/jpeg_on_canvas.h"
#include "imaging/lanczos_scale.h"

namespace pictavo {
namespace {

// The blurred backdrop is made at this fraction of the frame and spread back over it.
constexpr int kBlurReduction = 24;
// How much the blurred backdrop is darkened, so that the picture stands out from it.
constexpr double kBlurDarkening = 0.45;
// A picture kept larger than this share of what the closest view needs is reduced once.
constexpr double kKeepHeadroom = 1.05;

double fraction(int percent) {
  return std::clamp(percent, kMinMotionStrength, kMaxMotionStrength) / 100.0;
}

ViewRect scaled(const ViewRect& r, double sx, double sy) {
  return {r.x * sx, r.y * sy, r.width * sx, r.height * sy};
}

// Three passes of a 3-pixel box across and down: close to a Gaussian, enough on a small copy.
void boxBlur(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  uint8_t* data = cairo_image_surface_get_data(surface);
  std::vector<uint8_t> line(static_cast<size_t>(std::max(width, height)) * 4);
  auto pass = [&](int count, int length, auto at) {
    for (int c = 0; c < count; ++c) {
      for (int i = 0; i < length; ++i) std::memcpy(&line[static_cast<size_t>(i) * 4], at(c, i), 4);
      for (int i = 0; i < length; ++i) {
        const uint8_t* a = &line[static_cast<size_t>(std::max(i - 1, 0)) * 4];
        const uint8_t* b = &line[static_cast<size_t>(i) * 4];
        const uint8_t* d = &line[static_cast<size_t>(std::min(i + 1, length - 1)) * 4];
        uint8_t* out = at(c, i);
        for (int k = 0; k < 4; ++k) out[k] = static_cast<uint8_t>((a[k] + b[k] + d[k] + 1) / 3);
      }
    }
  };
  auto pixel = [&](int x, int y) { return data + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4; };
  for (int round = 0; round < 3; ++round) {
    pass(height, width, [&](int y, int x) { return pixel(x, y); });
    pass(width, height, [&](int x, int y) { return pixel(x, y); });
  }
  cairo_surface_mark_dirty(surface);
}

// A darkened, blurred copy of the picture covering the whole frame.
SurfacePtr blurredBackdrop(cairo_surface_t* picture, int width, int height) {
  const int pw = cairo_image_surface_get_width(picture);
  const int ph = cairo_image_surface_get_height(picture);
  const int smallWidth = std::max(1, width / kBlurReduction);
  const int smallHeight = std::max(1, height / kBlurReduction);
  SurfacePtr small = newSurface(smallWidth, smallHeight);
  drawLanczosView(small.get(), picture, restView(Framing::Fill, pw, ph, width, height, {}), 0, 0,
                  smallWidth, smallHeight);
  boxBlur(small.get());
  SurfacePtr backdrop = newSurface(width, height);
  CairoPtr cr = drawOn(backdrop.get());
  cairo_scale(cr.get(), static_cast<double>(width) / smallWidth,
              static_cast<double>(height) / smallHeight);
  cairo_set_source_surface(cr.get(), small.get(), 0, 0);
  cairo_pattern_set_extend(cairo_get_source(cr.get()), CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_GOOD);
  cairo_paint(cr.get());
  cairo_identity_matrix(cr.get());
  cairo_set_source_rgba(cr.get(), 0, 0, 0, kBlurDarkening);
  cairo_paint(cr.get());
  return backdrop;
}

}  // namespace

std::unique_ptr<PictureView> PictureView::open(const std::string& path, int width, int height,
                                               const char* background, int turnAngle,
                                               const ViewChoice& choice,
                                               const std::vector<FaceBox>& faces,
                                               std::string* error) {
  const int turn = turnAngle > 0 ? turnAngle : 0;
  const bool scalable = turn % 90 == 0;
  const bool quarter = turn % 180 == 90;
  // Decoded no smaller than the closest view can need: the frame, enlarged by the zoom.
  const double zoom = 1 / (1 - fraction(choice.strength));
  const int needWidth = static_cast<int>(std::ceil(width * zoom));
  const int needHeight = static_cast<int>(std::ceil(height * zoom));
  PictureHeader header;
  if (scalable && probePictureHeader(path, &header)) {
    if (auto quick = quickJpeg(path, header, quarter ? needHeight : needWidth,
                               quarter ? needWidth : needHeight)) {
      long fullWidth = quick->fullWidth, fullHeight = quick->fullHeight;
      if (quarter) std::swap(fullWidth, fullHeight);
      return fromSurface(turnedByQuarters(std::move(quick->pixels), turn / 90), fullWidth, fullHeight,
                         width, height, background, choice, faces);
    }
  }
  long fullWidth = 0, fullHeight = 0;
  WandPtr read = readPictureForCanvas(path, background, !scalable ? 0 : quarter ? needHeight : needWidth,
                                      !scalable ? 0 : quarter ? needWidth : needHeight, &fullWidth,
                                      &fullHeight, error);
  if (!read) return nullptr;
  if (turn > 0) {
    PixelPtr fill(NewPixelWand());
    MagickRotateImage(read.get(), fill.get(), turn);
  }
  if (!scalable) {
    fullWidth = static_cast<long>(MagickGetImageWidth(read.get()));
    fullHeight = static_cast<long>(MagickGetImageHeight(read.get()));
  } else if (quarter) {
    std::swap(fullWidth, fullHeight);
  }
  return fromSurface(surfaceFromWand(read.get()), fullWidth, fullHeight, width, height, background,
                     choice, faces);
}

std::unique_ptr<PictureView> PictureView::fromSurface(SurfacePtr picture, long fullWidth,
                                                      long fullHeight, int width, int height,
                                                      const char* background,
                                                      const ViewChoice& choice,
                                                      const std::vector<FaceBox>& faces) {
  std::unique_ptr<PictureView> view(new PictureView());
  view->width_ = width;
  view->height_ = height;
  if (choice.framing == Framing::Fill) {
    view->w_ = width;
    view->h_ = height;
  } else {
    FitPlacement place = fitPlacement(width, height, fullWidth, fullHeight);
    view->x_ = static_cast<int>(place.x);
    view->y_ = static_cast<int>(place.y);
    view->w_ = static_cast<int>(place.width);
    view->h_ = static_cast<int>(place.height);
  }
  double pw = cairo_image_surface_get_width(picture.get());
  double ph = cairo_image_surface_get_height(picture.get());
  const double strength = choice.motion == Motion::Off ? 0.0 : fraction(choice.strength);
  // Frame the faces the closest view can hold together.
  const ViewRect cut = restView(choice.framing, pw, ph, view->w_, view->h_, {});
  const std::vector<FaceBox> framed =
      facesThatFit(faces, cut.width * (1 - strength) / pw, cut.height * (1 - strength) / ph);
  ViewRect rest = restView(choice.framing, pw, ph, view->w_, view->h_, framed);
  // Keep only the pixels the closest view shows at full size.
  const double needed = view->w_ / (rest.width * (1 - strength)) * kKeepHeadroom;
  if (needed < 1 / kKeepHeadroom) {
    const int keptW = std::max(1, static_cast<int>(std::lround(pw * needed)));
    const int keptH = std::max(1, static_cast<int>(std::lround(ph * needed)));
    SurfacePtr kept = newSurface(keptW, keptH);
    drawLanczosScaled(kept.get(), picture.get(), 0, 0, keptW, keptH);
    picture = std::move(kept);
    rest = scaled(rest, keptW / pw, keptH / ph);
    pw = keptW;
    ph = keptH;
  }
  double fx = 0, fy = 0;
  focusPoint(framed, pw, ph, &fx, &fy);
  view->path_ = motionPath(choice.motion, strength, rest, pw, ph, fx, fy);
  if (choice.framing == Framing::Blur)
    view->backdrop_ = blurredBackdrop(picture.get(), width, height);
  else if (choice.framing == Framing::Fit)
    view->backdrop_ = filledSurface(width, height, background);
  view->picture_ = std::move(picture);
  return view;
}

int PictureView::keptWidth() const { return cairo_image_surface_get_width(picture_.get()); }
int PictureView::keptHeight() const { return cairo_image_surface_get_height(picture_.get()); }

void PictureView::drawAt(double t, cairo_surface_t* frame) const {
  bool covers = x_ <= 0 && y_ <= 0 && w_ >= width_ && h_ >= height_;
  if (backdrop_ && !covers) copySurface(frame, backdrop_.get());
  drawLanczosView(frame, picture_.get(), path_.at(t), x_, y_, w_, h_);
}

SurfacePtr PictureView::frameAt(double t) const {
  SurfacePtr frame = newSurface(width_, height_);
  drawAt(t, frame.get());
  return frame;
}

}  // namespace pictavo
