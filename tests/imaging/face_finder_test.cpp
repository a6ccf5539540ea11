// Faces in real photos (OpenCV's sample pictures from the opencv-doc package): found, kept
// in view in every frame of a picture cut to fill a tall show and zooming on them, and a
// picture without faces or one that cannot be read falls back to the centre.
#include <gtest/gtest.h>

#include <filesystem>

#include "imaging/face_finder.h"
#include "imaging/picture_view.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

const std::string kSamples = "/usr/share/doc/opencv-doc/examples/data/";

// A photo of a footballer among a crowd, and one of two men in a room.
const char* kPeople[] = {"messi5.jpg", "basketball1.png"};

TEST(FaceFinder, FacesOfRealPhotosStayInEveryFrameOfATallFilledShow) {
  for (const char* name : kPeople) {
    SCOPED_TRACE(name);
    const std::string path = kSamples + name;
    ASSERT_TRUE(std::filesystem::exists(path)) << "opencv-doc is not installed (scripts/setup.sh --tests)";
    std::vector<FaceBox> faces = pictureFaces(path, 0);
    ASSERT_FALSE(faces.empty());
    EXPECT_TRUE(facesRemembered(path, 0));
    EXPECT_FALSE(facesRemembered(path, 90)) << "each turn is its own picture";
    for (Motion motion : {Motion::ZoomIn, Motion::ZoomOut, Motion::Off}) {
      ViewChoice choice;
      choice.motion = motion;
      choice.framing = Framing::Fill;
      choice.strength = kMaxMotionStrength;
      auto view = PictureView::open(path, 180, 320, "#000000", 0, choice, faces);
      ASSERT_TRUE(view);
      const double w = view->keptWidth(), h = view->keptHeight();
      // The largest face, at least, whatever else the narrow cut can hold.
      const FaceBox& f = faces.front();
      for (int i = 0; i <= 10; ++i) {
        ViewRect shown = view->viewAt(i / 10.0);
        EXPECT_GE(f.x * w, shown.x - 1e-6);
        EXPECT_LE((f.x + f.width) * w, shown.x + shown.width + 1e-6);
        EXPECT_GE(f.y * h, shown.y - 1e-6);
        EXPECT_LE((f.y + f.height) * h, shown.y + shown.height + 1e-6);
      }
    }
  }
}

TEST(FaceFinder, NoFacesOrAnUnreadablePictureMeanTheCentre) {
  test::TempDir dir;
  test::writeBytes(dir.file("broken.jpg"), "\xff\xd8\xff not really a JPEG");
  for (const std::string& path : {kSamples + "fruits.jpg", dir.file("broken.jpg"), dir.file("gone.jpg")}) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(pictureFaces(path, 0).empty());
  }
  ViewChoice choice;
  choice.framing = Framing::Fill;
  choice.motion = Motion::ZoomIn;
  auto view = PictureView::open(kSamples + "fruits.jpg", 180, 320, "#000000", 0, choice, {});
  ASSERT_TRUE(view);
  ViewRect end = view->viewAt(1);
  EXPECT_NEAR(end.x + end.width / 2, view->keptWidth() / 2.0, 1.0);
  EXPECT_NEAR(end.y + end.height / 2, view->keptHeight() / 2.0, 1.0);
}

}  // namespace
}  // namespace pictavo
