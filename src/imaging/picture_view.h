// A picture's frame for any moment of its stay when it is filled, fitted over a blurred
// copy of itself, or moves: the picture is read and turned once, kept at the few pixels the
// view needs, and each frame resamples the view's part of it (sub-pixel, Lanczos) onto a
// backdrop made once. The plain still fit does not come here: it keeps pictureOnCanvas.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "imaging/argb_frame.h"
#include "imaging/motion_path.h"

namespace pictavo {

// How one picture is framed and moves.
struct ViewChoice {
  Motion motion = Motion::Off;  // Auto is resolved to a zoom before it comes here
  int strength = kDefaultMotionStrength;  // percent of the view travelled over the stay
  Framing framing = Framing::Fit;

  // Today's still, fitted picture.
  bool plain() const { return framing == Framing::Fit && motion == Motion::Off; }
};

class PictureView {
 public:
  // The picture file on a width x height frame of `background` ("#000000" or "#ffffff"),
  // turned clockwise by `turnAngle` degrees when above 0. `faces` are in the turned
  // picture's fractions. Null when the file cannot be read; `error` says why.
  static std::unique_ptr<PictureView> open(const std::string& path, int width, int height,
                                           const char* background, int turnAngle,
                                           const ViewChoice& choice, const std::vector<FaceBox>& faces,
                                           std::string* error = nullptr);

  // The same from a picture already read and turned, which stands for a picture of
  // fullWidth x fullHeight (its size when it was decoded smaller).
  static std::unique_ptr<PictureView> fromSurface(SurfacePtr picture, long fullWidth, long fullHeight,
                                                  int width, int height, const char* background,
                                                  const ViewChoice& choice,
                                                  const std::vector<FaceBox>& faces);

  int width() const { return width_; }
  int height() const { return height_; }
  bool moves() const { return path_.moves(); }

  // The frame at moment t of the stay (0 its start, 1 its end) drawn over the whole of
  // `frame`, a width() x height() surface.
  void drawAt(double t, cairo_surface_t* frame) const;
  SurfacePtr frameAt(double t) const;

  // Where the picture lands on the frame (the whole frame when it is filled).
  int pictureX() const { return x_; }
  int pictureY() const { return y_; }
  int pictureWidth() const { return w_; }
  int pictureHeight() const { return h_; }

  // The part of the kept picture shown at moment t, and that picture's size.
  ViewRect viewAt(double t) const { return path_.at(t); }
  int keptWidth() const;
  int keptHeight() const;

 private:
  PictureView() = default;

  int width_ = 0, height_ = 0;
  int x_ = 0, y_ = 0, w_ = 0, h_ = 0;
  SurfacePtr picture_;   // at the size the view needs
  SurfacePtr backdrop_;  // the frame around the picture; null when the picture fills it
  MotionPath path_;      // in picture_'s pixels
};

}  // namespace pictavo
