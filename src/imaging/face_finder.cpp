#include "imaging/face_finder.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>

#include "imaging/image.h"
#include "imaging/jpeg_on_canvas.h"
#include "platform/file_identity.h"

namespace pictavo {
namespace {

// The Haar frontal face cascade of the opencv-data package. On OpenCV's own sample photos
// it found the faces the LBP cascades missed, and the "alt2" one missed a face it found.
constexpr const char* kCascadeFile = "/usr/share/opencv4/haarcascades/haarcascade_frontalface_default.xml";
// How the detector searches: the step between window sizes and how many overlapping hits
// make a face. On those samples, at 400 pixels a side, a step of 1.25 with 2 hits found both
// men of each basketball photo where 1.2 with 4 found one or none, and took a fifth less time.
constexpr double kScaleStep = 1.25;
constexpr int kNeighbours = 2;
// Faces smaller than this (in the copy's pixels) are too small to frame for.
constexpr int kSmallestFace = 20;
// Remembered answers; beyond this many the memory starts again.
constexpr size_t kMaxRemembered = 4096;

using Key = std::pair<FileIdentity, int>;  // the file and its turn

struct Memory {
  std::mutex lock;
  std::map<Key, std::vector<FaceBox>> answers;
};

Memory& memory() {
  static Memory m;
  return m;
}

std::optional<Key> keyOf(const std::string& path, int turnAngle) {
  std::optional<FileIdentity> id = fileIdentity(path);
  if (!id) return std::nullopt;
  return Key{*id, turnAngle > 0 ? turnAngle % 360 : 0};
}

// The detector, loaded once; it is used by one thread at a time.
struct Detector {
  std::mutex lock;
  cv::CascadeClassifier cascade;
  bool loaded = false;
};

Detector& detector() {
  static Detector* d = [] {
    auto* made = new Detector();
    try {
      made->loaded = made->cascade.load(kCascadeFile);
    } catch (const cv::Exception&) {
      made->loaded = false;
    }
    return made;
  }();
  return *d;
}

// The picture as a reduced surface, turned: JPEG through the scaled decoder, the rest
// through the image library.
SurfacePtr reducedPicture(const std::string& path, int turnAngle) {
  const int turn = turnAngle > 0 ? turnAngle % 360 : 0;
  PictureHeader header;
  if (turn % 90 == 0 && probePictureHeader(path, &header)) {
    int side = std::max(header.width, header.height);
    double scale = std::min(1.0, static_cast<double>(kFaceSearchSide) / std::max(side, 1));
    if (auto jpeg = quickJpeg(path, header, static_cast<int>(header.width * scale),
                              static_cast<int>(header.height * scale)))
      return turnedByQuarters(std::move(jpeg->pixels), turn / 90);
  }
  long fullWidth = 0, fullHeight = 0;
  WandPtr read = readPictureForCanvas(path, "#ffffff", kFaceSearchSide, kFaceSearchSide, &fullWidth,
                                      &fullHeight);
  if (!read) return nullptr;
  if (turn > 0) {
    PixelPtr fill(NewPixelWand());
    MagickRotateImage(read.get(), fill.get(), turn);
  }
  return surfaceFromWand(read.get());
}

// The surface's grey levels at most kFaceSearchSide pixels a side.
cv::Mat greyCopy(cairo_surface_t* picture) {
  cairo_surface_flush(picture);
  const int width = cairo_image_surface_get_width(picture);
  const int height = cairo_image_surface_get_height(picture);
  cv::Mat bgra(height, width, CV_8UC4, cairo_image_surface_get_data(picture),
               static_cast<size_t>(cairo_image_surface_get_stride(picture)));
  cv::Mat grey;
  cv::cvtColor(bgra, grey, cv::COLOR_BGRA2GRAY);
  const int side = std::max(width, height);
  if (side > kFaceSearchSide) {
    double scale = static_cast<double>(kFaceSearchSide) / side;
    cv::resize(grey, grey, cv::Size(), scale, scale, cv::INTER_AREA);
  }
  return grey;
}

std::vector<FaceBox> detectInFile(const std::string& path, int turnAngle) {
  SurfacePtr picture = reducedPicture(path, turnAngle);
  if (!picture) return {};
  cv::Mat grey = greyCopy(picture.get());
  return findFaces(grey.data, grey.cols, grey.rows, static_cast<int>(grey.step));
}

}  // namespace

std::vector<FaceBox> findFaces(const uint8_t* grey, int width, int height, int stride) {
  Detector& d = detector();
  if (!d.loaded || width < kSmallestFace || height < kSmallestFace) return {};
  cv::Mat image(height, width, CV_8UC1, const_cast<uint8_t*>(grey), static_cast<size_t>(stride));
  cv::Mat equalised;
  cv::equalizeHist(image, equalised);
  std::vector<cv::Rect> found;
  {
    std::lock_guard<std::mutex> hold(d.lock);
    try {
      d.cascade.detectMultiScale(equalised, found, kScaleStep, kNeighbours, 0,
                                 cv::Size(kSmallestFace, kSmallestFace));
    } catch (const cv::Exception&) {
      return {};
    }
  }
  std::sort(found.begin(), found.end(), [](const cv::Rect& a, const cv::Rect& b) { return a.area() > b.area(); });
  std::vector<FaceBox> faces;
  for (const cv::Rect& r : found)
    faces.push_back({static_cast<double>(r.x) / width, static_cast<double>(r.y) / height,
                     static_cast<double>(r.width) / width, static_cast<double>(r.height) / height});
  return faces;
}

std::vector<FaceBox> pictureFaces(const std::string& path, int turnAngle) {
  std::optional<Key> key = keyOf(path, turnAngle);
  if (!key) return {};
  Memory& m = memory();
  {
    std::lock_guard<std::mutex> hold(m.lock);
    auto found = m.answers.find(*key);
    if (found != m.answers.end()) return found->second;
  }
  std::vector<FaceBox> faces = detectInFile(path, turnAngle);
  std::lock_guard<std::mutex> hold(m.lock);
  if (m.answers.size() >= kMaxRemembered) m.answers.clear();
  m.answers[*key] = faces;
  return faces;
}

bool facesRemembered(const std::string& path, int turnAngle) {
  std::optional<Key> key = keyOf(path, turnAngle);
  if (!key) return false;
  Memory& m = memory();
  std::lock_guard<std::mutex> hold(m.lock);
  return m.answers.count(*key) > 0;
}

}  // namespace pictavo
