// The edits of the picture list that the window's commands make: turning, moving, shuffling,
// effect assignment, automatic caption placement and removal. Each works on the project in
// place; `selected` holds list positions in any order (positions outside the list are
// ignored).
#pragma once

#include <vector>

#include "project/project_model.h"

namespace pictavo {

// The angle a quarter turn gives: left adds 270, right 90, staying within 0..359.
int turnedLeft(int angle);
int turnedRight(int angle);

void turnLeft(Project& project, const std::vector<int>& selected);
void turnRight(Project& project, const std::vector<int>& selected);

// Each selected picture changes places with its neighbour: path, file name, caption and
// angle move, the effects stay with the positions. Nothing moves when the first position
// (left) or the last (right) is selected. Returns the positions the selection has now,
// ascending.
std::vector<int> moveLeft(Project& project, const std::vector<int>& selected);
std::vector<int> moveRight(Project& project, const std::vector<int>& selected);

// Shuffles the pictures with the C library generator; each position keeps its effect.
void randomOrder(Project& project);

// "无动画" for the first picture, a random effect in 0..92 for each later one, different
// from the one before it.
void newEffectSet(Project& project);

// "无动画" for the first picture and `effect` for every other one.
void sameEffectForAll(Project& project, int effect);

// The automatic caption placements, over all pictures in order.
enum class CaptionPlacement {
  FlushDiagonal,   // corners at the edge, each picture diagonally opposite the one before
  FlushCrossing,   // corners at the edge, going round 0, 1, 2, 3
  InsetDiagonal,   // corners away from the edge, diagonally opposite
  InsetCrossing,   // corners away from the edge, going round 5, 6, 7, 8
  MiddleBottom,    // every picture in the middle at the bottom
};
void placeCaptions(Project& project, CaptionPlacement placement);

// Removes the selected pictures; when the first picture goes, the new first one gets
// "无动画" (a video starts without a transition).
void removePictures(Project& project, const std::vector<int>& selected);

// Whether the caption shows: a caption mode and a text that is not only blanks.
bool captionShown(const CaptionSpec& caption);

}  // namespace pictavo
