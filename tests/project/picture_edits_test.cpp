#include "project/picture_edits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "effects/effect_names.h"
#include "project/effect_choice.h"

namespace pictavo {
namespace {

// Pictures "a", "b", "c"... with effects 10, 11, 12..., captions and angles of their own.
Project pictures(int count) {
  Project project;
  for (int i = 0; i < count; ++i) {
    ImageItem item;
    item.path = "/pictures/" + std::string(1, static_cast<char>('a' + i));
    item.fileName = std::string(1, static_cast<char>('a' + i));
    item.setEffect(10 + i);
    item.caption.mode = 1;
    item.caption.text = "caption " + item.fileName;
    item.turnAngle = 90 * (i % 4);
    project.pictures.push_back(item);
  }
  return project;
}

std::string order(const Project& project) {
  std::string names;
  for (const ImageItem& item : project.pictures) names += item.fileName;
  return names;
}

std::vector<int> effects(const Project& project) {
  std::vector<int> indices;
  for (const ImageItem& item : project.pictures) indices.push_back(item.animationIndex);
  return indices;
}

// A picture moves with its caption and angle; the effects stay where they were.
TEST(PictureEdits, MovingExchangesPicturesAndKeepsEffectsInPlace) {
  struct Case {
    bool left;
    std::vector<int> selected;
    std::string order;
    std::vector<int> selectedAfter;
  };
  const Case cases[] = {
      {true, {1}, "bacd", {0}},
      {true, {0}, "abcd", {0}},          // the first cannot go further left
      {true, {0, 2}, "abcd", {0, 2}},    // nothing moves when the first is among them
      {false, {3}, "abcd", {3}},         // the last cannot go further right
      {true, {2, 3}, "acdb", {1, 2}},    // a run moves as a block
      {false, {0, 1}, "cabd", {1, 2}},
      {false, {2, 0}, "badc", {1, 3}},   // any order, each to its neighbour
      {true, {7, -1}, "abcd", {}},       // positions outside the list are ignored
  };
  for (const Case& c : cases) {
    Project project = pictures(4);
    std::vector<int> after = c.left ? moveLeft(project, c.selected) : moveRight(project, c.selected);
    EXPECT_EQ(order(project), c.order);
    EXPECT_EQ(after, c.selectedAfter);
    EXPECT_EQ(effects(project), (std::vector<int>{10, 11, 12, 13}));
    for (const ImageItem& item : project.pictures) {
      EXPECT_EQ(item.caption.text, "caption " + item.fileName);
      EXPECT_EQ(item.turnAngle, 90 * (item.fileName[0] - 'a'));
      EXPECT_EQ(item.animationName, effectName(item.animationIndex));
    }
  }
}

TEST(PictureEdits, TurningStaysWithinAFullCircle) {
  EXPECT_EQ(turnedLeft(0), 270);
  EXPECT_EQ(turnedRight(270), 0);
  for (int start : {0, 90, 180, 270}) {
    int left = start, right = start;
    for (int turn = 0; turn < 4; ++turn) {
      left = turnedLeft(left);
      right = turnedRight(right);
      ASSERT_TRUE(left >= 0 && left < 360 && right >= 0 && right < 360);
    }
    EXPECT_EQ(left, start);
    EXPECT_EQ(right, start);
  }
  Project project = pictures(3);
  turnLeft(project, {0, 2});
  EXPECT_EQ(project.pictures[0].turnAngle, 270);
  EXPECT_EQ(project.pictures[1].turnAngle, 90);
  EXPECT_EQ(project.pictures[2].turnAngle, 90);
}

TEST(PictureEdits, RemovingTheFirstPictureLeavesTheNewFirstWithoutAnimation) {
  struct Case {
    int count;
    std::vector<int> selected;
    std::string order;
    std::vector<int> effects;
  };
  const Case cases[] = {
      {3, {0}, "bc", {kNoAnimation, 12}},
      {3, {1}, "ac", {10, 12}},
      {4, {2, 0}, "bd", {kNoAnimation, 13}},
      {3, {0, 1, 2}, "", {}},
  };
  for (const Case& c : cases) {
    Project project = pictures(c.count);
    removePictures(project, c.selected);
    EXPECT_EQ(order(project), c.order);
    EXPECT_EQ(effects(project), c.effects);
    if (!project.pictures.empty()) {
      EXPECT_EQ(project.pictures[0].animationName, effectName(project.pictures[0].animationIndex));
    }
  }
}

// Over many seeds: a shuffle is a permutation, and every position keeps its effect.
TEST(PictureEdits, RandomOrderKeepsEffectsWithPositions) {
  for (unsigned seed = 0; seed < 100; ++seed) {
    seedEffectChoice(seed);
    Project two = pictures(2);
    randomOrder(two);
    EXPECT_EQ(effects(two), (std::vector<int>{10, 11}));
    EXPECT_EQ(two.pictures[0].animationName, effectName(10));

    Project five = pictures(5);
    randomOrder(five);
    std::string shuffled = order(five);
    std::sort(shuffled.begin(), shuffled.end());
    EXPECT_EQ(shuffled, "abcde");
    EXPECT_EQ(effects(five), (std::vector<int>{10, 11, 12, 13, 14}));
  }
}

TEST(PictureEdits, EffectSetsStartWithoutAnimation) {
  for (unsigned seed = 0; seed < 100; ++seed) {
    seedEffectChoice(seed);
    Project project = pictures(6);
    newEffectSet(project);
    EXPECT_EQ(project.pictures[0].animationIndex, kNoAnimation);
    for (size_t p = 1; p < project.pictures.size(); ++p) {
      int effect = project.pictures[p].animationIndex;
      ASSERT_TRUE(effect >= 0 && effect <= kLastRandomEffect);
      ASSERT_NE(effect, project.pictures[p - 1].animationIndex);
      ASSERT_EQ(project.pictures[p].animationName, effectName(effect));
    }
  }
  Project project = pictures(3);
  sameEffectForAll(project, 96);
  EXPECT_EQ(effects(project), (std::vector<int>{kNoAnimation, 96, 96}));
  EXPECT_EQ(project.pictures[2].animationName, effectName(96));
}

TEST(PictureEdits, AutomaticCaptionPlacementSequences) {
  struct Case {
    CaptionPlacement placement;
    int firstLocation;
    std::vector<int> locations;
  };
  using P = CaptionPlacement;
  const Case cases[] = {
      {P::FlushDiagonal, 4, {1, 2, 1, 2, 1}},
      {P::FlushDiagonal, 7, {2, 1, 2, 1, 2}},
      {P::FlushDiagonal, 0, {0, 3, 0, 3, 0}},
      {P::FlushCrossing, 2, {2, 3, 0, 1, 2}},
      {P::FlushCrossing, 8, {3, 0, 1, 2, 3}},
      {P::InsetDiagonal, 4, {6, 7, 6, 7, 6}},
      {P::InsetDiagonal, 0, {5, 8, 5, 8, 5}},
      {P::InsetCrossing, 3, {8, 5, 6, 7, 8}},
      {P::InsetCrossing, 6, {6, 7, 8, 5, 6}},
      {P::MiddleBottom, 0, {4, 4, 4, 4, 4}},
      {P::FlushCrossing, 31, {1, 2, 3, 0, 1}},  // an unknown location counts as the middle
  };
  for (const Case& c : cases) {
    Project project = pictures(5);
    for (ImageItem& item : project.pictures) item.caption.location = 0;
    project.pictures[0].caption.location = c.firstLocation;
    placeCaptions(project, c.placement);
    std::vector<int> locations;
    for (const ImageItem& item : project.pictures) locations.push_back(item.caption.location);
    EXPECT_EQ(locations, c.locations) << "first " << c.firstLocation;
  }
}

}  // namespace
}  // namespace pictavo
