// The view's travel over a stay: inside the picture at every moment, in equal steps, as far
// as the strength says, and keeping faces in view when the picture is cut to fill.
#include <gtest/gtest.h>

#include <cmath>

#include "imaging/motion_path.h"

namespace pictavo {
namespace {

bool inside(const ViewRect& r, double width, double height) {
  const double slack = 1e-9;
  return r.x >= -slack && r.y >= -slack && r.x + r.width <= width + slack &&
         r.y + r.height <= height + slack && r.width > 0 && r.height > 0;
}

double centreX(const ViewRect& r) { return r.x + r.width / 2; }
double centreY(const ViewRect& r) { return r.y + r.height / 2; }

struct PathCase {
  Motion motion;
  Framing framing;
  double pictureW, pictureH, viewW, viewH;
  std::vector<FaceBox> faces;
};

TEST(MotionPath, EveryMotionStaysInsideThePictureInEqualSteps) {
  const FaceBox corner{0.85, 0.05, 0.1, 0.1};  // a face near the top right
  const std::vector<PathCase> cases = {
      {Motion::ZoomIn, Framing::Fit, 4000, 3000, 1280, 720, {}},
      {Motion::ZoomOut, Framing::Fill, 4000, 3000, 1080, 1920, {corner}},
      {Motion::ZoomIn, Framing::Fill, 3000, 4000, 1280, 720, {corner}},
      {Motion::PanLeft, Framing::Fit, 640, 480, 1280, 720, {}},
      {Motion::PanRight, Framing::Fill, 4000, 3000, 1080, 1920, {}},
      {Motion::PanUp, Framing::Blur, 3000, 4000, 1280, 720, {}},
      {Motion::PanDown, Framing::Fill, 1000, 1000, 1080, 1350, {corner}},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.motion));
    ViewRect rest = restView(c.framing, c.pictureW, c.pictureH, c.viewW, c.viewH, c.faces);
    double fx = 0, fy = 0;
    focusPoint(c.faces, c.pictureW, c.pictureH, &fx, &fy);
    MotionPath path = motionPath(c.motion, 0.1, rest, c.pictureW, c.pictureH, fx, fy);
    ASSERT_TRUE(path.moves());
    const int steps = 50;
    ViewRect before = path.at(0);
    double firstStep = -1;
    for (int i = 1; i <= steps; ++i) {
      ViewRect now = path.at(static_cast<double>(i) / steps);
      EXPECT_TRUE(inside(now, c.pictureW, c.pictureH)) << i;
      // The view keeps the proportions of the area it is shown on.
      EXPECT_NEAR(now.width / now.height, rest.width / rest.height, 1e-9);
      double step = std::hypot(now.x - before.x, now.y - before.y) + std::fabs(now.width - before.width);
      if (firstStep < 0) firstStep = step;
      EXPECT_NEAR(step, firstStep, 1e-6) << "step " << i;
      before = now;
    }
    EXPECT_EQ(path.at(0), path.start);
    EXPECT_EQ(path.at(1), path.end);
  }
}

TEST(MotionPath, StrengthSetsHowFarTheViewTravels) {
  const ViewRect rest{0, 0, 1000, 500};
  for (double strength : {0.04, 0.1, 0.2}) {
    MotionPath zoom = motionPath(Motion::ZoomIn, strength, rest, 1000, 500, 500, 250);
    EXPECT_EQ(zoom.start, rest);
    EXPECT_NEAR(zoom.end.width, 1000 * (1 - strength), 1e-9);
    EXPECT_NEAR(centreX(zoom.end), 500, 1e-9) << "towards the centre without faces";
    MotionPath out = motionPath(Motion::ZoomOut, strength, rest, 1000, 500, 500, 250);
    EXPECT_EQ(out.start, zoom.end);
    EXPECT_EQ(out.end, rest);
    MotionPath left = motionPath(Motion::PanLeft, strength, rest, 1000, 500, 500, 250);
    EXPECT_NEAR(centreX(left.start) - centreX(left.end), 1000 * strength, 1e-9);
    EXPECT_NEAR(left.end.x, 0, 1e-9) << "the pan uses the whole room it has";
    MotionPath down = motionPath(Motion::PanDown, strength, rest, 1000, 500, 500, 250);
    EXPECT_NEAR(centreY(down.end) - centreY(down.start), 500 * strength, 1e-9);
  }
  EXPECT_FALSE(motionPath(Motion::Off, 0.1, rest, 1000, 500, 500, 250).moves());
}

TEST(MotionPath, ZoomGoesTowardsTheFacesWithoutLeavingThePicture) {
  const ViewRect rest{0, 0, 1000, 500};
  MotionPath zoom = motionPath(Motion::ZoomIn, 0.2, rest, 1000, 500, 990, 10);
  EXPECT_NEAR(zoom.end.x + zoom.end.width, 1000, 1e-9);
  EXPECT_NEAR(zoom.end.y, 0, 1e-9);
}

TEST(RestView, FillCutsToTheAreaAndKeepsTheFacesInside) {
  // A landscape picture in a tall show, the people on the far left.
  const std::vector<FaceBox> people = {{0.05, 0.3, 0.06, 0.08}, {0.15, 0.32, 0.06, 0.08}};
  ViewRect cut = restView(Framing::Fill, 4000, 3000, 1080, 1920, people);
  EXPECT_NEAR(cut.width / cut.height, 1080.0 / 1920.0, 1e-9);
  EXPECT_NEAR(cut.height, 3000, 1e-9);
  for (const FaceBox& f : people) {
    EXPECT_GE(f.x * 4000, cut.x);
    EXPECT_LE((f.x + f.width) * 4000, cut.x + cut.width);
  }
  ViewRect centred = restView(Framing::Fill, 4000, 3000, 1080, 1920, {});
  EXPECT_NEAR(centreX(centred), 2000, 1e-9);
  // Fit and blur show the whole picture.
  EXPECT_EQ(restView(Framing::Fit, 4000, 3000, 1080, 1920, people), (ViewRect{0, 0, 4000, 3000}));
  EXPECT_EQ(restView(Framing::Blur, 4000, 3000, 1080, 1920, people), (ViewRect{0, 0, 4000, 3000}));
}

// Which faces a view frames together: all that fit with their margin, else the largest and
// those near enough to it.
TEST(RestView, AViewTooNarrowForEveryFaceKeepsTheLargestAndItsNeighbours) {
  const FaceBox big{0.10, 0.30, 0.12, 0.16}, near{0.25, 0.32, 0.08, 0.10}, far{0.80, 0.30, 0.07, 0.09};
  struct Case {
    const char* name;
    std::vector<FaceBox> faces;
    double width, height;
    std::vector<FaceBox> framed;
  } cases[] = {
      {"none", {}, 0.5, 0.5, {}},
      {"all fit", {far, near, big}, 1.0, 1.0, {big, near, far}},
      {"the far one left out", {far, near, big}, 0.4, 1.0, {big, near}},
      {"only the largest", {near, big}, 0.15, 1.0, {big}},
      {"the largest even when too big", {big}, 0.05, 0.05, {big}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(facesThatFit(c.faces, c.width, c.height), c.framed);
  }
}

}  // namespace
}  // namespace pictavo
