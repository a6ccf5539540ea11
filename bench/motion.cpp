// The cost of moving pictures and of finding faces, one core. Prints one figure per line:
//   motion_<W>x<H>_prepare_ms      reading a 4000 x 3000 JPEG photo and keeping what the view needs
//   motion_<W>x<H>_resample_ms     one frame of a moving crop, resampled (mean of the frames)
//   motion_<W>x<H>_raw_ms          the same plus the raw (yuv420p) frame the encoder reads
//   motion_<W>x<H>_jpeg_ms         the same plus a JPEG frame instead
//   faces_4000x3000_ms             finding the faces of one 4000 x 3000 JPEG photo (mean)
// Usage: bench_motion [PHOTO]  (default: OpenCV's sample photo of two men, enlarged)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "imaging/face_finder.h"
#include "imaging/image.h"
#include "imaging/image_library.h"
#include "imaging/jpeg_frame.h"
#include "imaging/picture_view.h"
#include "imaging/raw_frame.h"

using namespace pictavo;
using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The photo enlarged to 4000 x 3000 and written as JPEG `count` times (distinct files, so the
// face memory does not answer for them).
bool writePhotos(const std::string& photo, const std::string& folder, int count) {
  WandPtr picture = readPicture(photo, "#ffffff");
  if (!picture) return false;
  MagickResizeImage(picture.get(), 4000, 3000, LanczosFilter, 1.0);
  MagickSetImageCompressionQuality(picture.get(), 90);
  for (int i = 0; i < count; ++i)
    if (!writeImageFile(picture.get(), folder + "/photo" + std::to_string(i) + ".jpg")) return false;
  return true;
}

void benchMotion(const std::string& photo, int width, int height) {
  ViewChoice choice;
  choice.motion = Motion::ZoomIn;
  choice.framing = Framing::Fill;
  auto start = Clock::now();
  auto view = PictureView::open(photo, width, height, "#000000", 0, choice, {});
  const double prepare = msSince(start);
  if (!view) return;
  SurfacePtr frame = newSurface(width, height);
  const int frames = 100;
  double resample = 0, raw = 0, jpeg = 0;
  for (int i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i + 1) / frames;
    start = Clock::now();
    view->drawAt(t, frame.get());
    resample += msSince(start);
    start = Clock::now();
    ImageBlob rawBytes = rawFromSurface(frame.get());
    raw += msSince(start);
    start = Clock::now();
    ImageBlob jpegBytes = encodeSurface(frame.get());
    jpeg += msSince(start);
  }
  std::printf("motion_%dx%d_prepare_ms %.2f\n", width, height, prepare);
  std::printf("motion_%dx%d_resample_ms %.2f\n", width, height, resample / frames);
  std::printf("motion_%dx%d_raw_ms %.2f\n", width, height, (resample + raw) / frames);
  std::printf("motion_%dx%d_jpeg_ms %.2f\n", width, height, (resample + jpeg) / frames);
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  if (!startImageLibrary(&error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const std::string photo = argc > 1 ? argv[1] : "/usr/share/doc/opencv-doc/examples/data/basketball1.png";
  const std::string folder = (std::filesystem::temp_directory_path() / "pictavo-bench-motion").string();
  std::filesystem::create_directories(folder);
  const int photos = 8;
  if (!writePhotos(photo, folder, photos)) {
    std::fprintf(stderr, "cannot read %s\n", photo.c_str());
    return 1;
  }
  benchMotion(folder + "/photo0.jpg", 1280, 720);
  benchMotion(folder + "/photo0.jpg", 1920, 1080);
  pictureFaces(folder + "/photo0.jpg", 0);  // loads the detector
  double faces = 0;
  size_t found = 0;
  for (int i = 1; i < photos; ++i) {
    auto start = Clock::now();
    found += pictureFaces(folder + "/photo" + std::to_string(i) + ".jpg", 0).size();
    faces += msSince(start);
  }
  std::printf("faces_4000x3000_ms %.2f\n", faces / (photos - 1));
  std::printf("faces_found_per_photo %.1f\n", static_cast<double>(found) / (photos - 1));
  std::filesystem::remove_all(folder);
  return 0;
}
