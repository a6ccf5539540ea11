// Rotating zooms: the spinning picture's size, turn, opacity and transparent corners.
#include <gtest/gtest.h>

#include "effects/effect_table.h"
#include "effects/frame_handoff.h"
#include "support/effect_probe.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

using test::near;
using test::pixelAt;
using test::Rgb;

const Rgb kGreen{0, 255, 0}, kBlue{0, 0, 255}, kBlack{0, 0, 0};

// share of the incoming green over the outgoing blue
Rgb greenOverBlue(double green) {
  return {0, static_cast<int>(255 * green + 0.5), static_cast<int>(255 * (1 - green) + 0.5)};
}

struct Sample {
  int frame;
  int x, y;
  Rgb colour;
};

struct SpinCase {
  const char* name;
  int index;
  int width, height;
  bool firstPicture;  // no previous frame: black takes the outgoing picture's place
  std::vector<Sample> samples;
};

// The incoming picture is green, the outgoing one blue.
// 1280 x 720, frame 0: the incoming picture 64 x 36 at opacity 0.10, turned 18 degrees
// clockwise, so that (659, 379) lies inside it and (659, 341) does not.
// 640 x 360, frame 1 of the growing spins: 64 x 36 at opacity 0.15 turned 36 degrees, so that
// (332, 204) lies inside it when it turns clockwise, (332, 156) when it turns the other way.
// Frame 0 of the shrinking spins: the outgoing picture 608 x 342 at opacity 0.95, turned 18
// degrees, so that (190, 10) lies inside it when turned clockwise, (450, 10) when turned
// counter-clockwise.
const SpinCase kCases[] = {
    {"grow clockwise", 45, 1280, 720, false,
     {{0, 640, 360, greenOverBlue(0.10)}, {0, 659, 379, greenOverBlue(0.10)},
      {0, 659, 341, kBlue}, {0, 300, 300, kBlue}}},
    {"grow clockwise", 45, 640, 360, false,
     {{1, 332, 204, greenOverBlue(0.15)}, {1, 332, 156, kBlue},
      // Frame 18: 19/20 of the canvas, opaque, turned 342 degrees; the corners the turn adds
      // are transparent, so the canvas corner still shows the outgoing picture.
      {18, 320, 180, kGreen}, {18, 3, 3, kBlue}}},
    {"grow counter-clockwise", 46, 640, 360, false,
     {{1, 332, 156, greenOverBlue(0.15)}, {1, 332, 204, kBlue}, {18, 320, 180, kGreen}}},
    {"shrink clockwise", 47, 640, 360, false,
     {{0, 320, 180, greenOverBlue(0.05)}, {0, 190, 10, greenOverBlue(0.05)},
      {0, 450, 10, kGreen}, {0, 3, 3, kGreen}, {18, 320, 180, greenOverBlue(0.95)},
      {18, 350, 180, kGreen}}},
    {"shrink counter-clockwise", 48, 640, 360, false,
     {{0, 320, 180, greenOverBlue(0.05)}, {0, 450, 10, greenOverBlue(0.05)},
      {0, 190, 10, kGreen}}},
    {"first picture grows over black", 45, 640, 360, true,
     {{1, 100, 100, kBlack}, {1, 320, 180, {0, 38, 0}}}},
    {"black spins away", 47, 640, 360, true, {{0, 320, 180, {0, 13, 0}}, {0, 3, 3, kGreen}}},
};

TEST(RotatingZooms, SizeTurnAndOpacityOfTheSpinningPicture) {
  for (const SpinCase& c : kCases) {
    WandPtr incoming = test::solidPicture(c.width, c.height, "#00ff00");
    test::RecordingSink sink;
    WandPtr previous = c.firstPicture ? nullptr : test::solidPicture(c.width, c.height, "#0000ff");
    FrameHandOn out(sink, nullptr, 0);
    WandPtr last = runEffect(c.index, c.width, c.height, incoming.get(), std::move(previous), out);
    ASSERT_TRUE(last) << c.name;
    ASSERT_EQ(sink.count(), 20) << c.name;
    for (const Sample& s : c.samples) {
      WandPtr frame = sink.decoded(s.frame);
      Rgb seen = pixelAt(frame.get(), s.x, s.y);
      EXPECT_TRUE(near(seen, s.colour, 10))
          << c.name << " frame " << s.frame << " at (" << s.x << ", " << s.y << "): (" << seen.r
          << ", " << seen.g << ", " << seen.b << ")";
    }
    WandPtr final = sink.decoded(19);
    EXPECT_TRUE(near(pixelAt(final.get(), 3, 3), kGreen, 6)) << c.name;
    EXPECT_TRUE(near(pixelAt(final.get(), c.width / 2, c.height / 2), kGreen, 6)) << c.name;
  }
}

TEST(RotatingZooms, CountingGivesTwentyFramesOnEveryCanvas) {
  for (int index : {45, 46, 47, 48})
    for (auto [w, h] : {std::pair{1280, 720}, {720, 1280}, {96, 54}})
      EXPECT_EQ(test::countedFrames(index, w, h, 3), 23) << index;
}

TEST(RotatingZooms, SinkFailuresAndTinyCanvases) {
  for (int index : {45, 46, 47, 48}) {
    EXPECT_TRUE(test::stopsWhenTheSinkFails(index, 320, 180)) << index;
    EXPECT_TRUE(test::copesWithTinyCanvases(index)) << index;
  }
}

}  // namespace
}  // namespace pictavo
