#include "project/picture_edits.h"

#include <algorithm>
#include <utility>

#include "effects/effect_names.h"
#include "project/effect_choice.h"

namespace pictavo {
namespace {

// The valid positions of `selected`, ascending, each once.
std::vector<int> validPositions(const Project& project, std::vector<int> selected) {
  int count = static_cast<int>(project.pictures.size());
  std::erase_if(selected, [count](int p) { return p < 0 || p >= count; });
  std::sort(selected.begin(), selected.end());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  return selected;
}

template <typename Turn>
void turnSelected(Project& project, const std::vector<int>& selected, Turn turn) {
  for (int p : validPositions(project, selected)) {
    int& angle = project.pictures[static_cast<size_t>(p)].turnAngle;
    angle = turn(angle);
  }
}

// The picture changes places; the effect stays with the position.
void exchangePictures(ImageItem& a, ImageItem& b) {
  std::swap(a.path, b.path);
  std::swap(a.fileName, b.fileName);
  std::swap(a.caption, b.caption);
  std::swap(a.turnAngle, b.turnAngle);
}

int firstPictureLocation(int location, bool inset) {
  if (location < 0 || location >= kCaptionLocationCount) location = kDefaultCaptionLocation;
  if (location == kDefaultCaptionLocation) return inset ? 6 : 1;
  if (inset) return location < 4 ? location + 5 : location;
  return location > 4 ? location - 5 : location;
}

// The location that follows `previous` in a placement: diagonal corners are 0/3 and 1/2
// (5/8 and 6/7 inset); crossing goes round the four corners.
int nextLocation(int previous, CaptionPlacement placement) {
  switch (placement) {
    case CaptionPlacement::FlushDiagonal: return 3 - previous;
    case CaptionPlacement::FlushCrossing: return (previous + 1) % 4;
    case CaptionPlacement::InsetDiagonal: return 13 - previous;
    case CaptionPlacement::InsetCrossing: return previous == 8 ? 5 : previous + 1;
    case CaptionPlacement::MiddleBottom: break;
  }
  return kDefaultCaptionLocation;
}

}  // namespace

int turnedLeft(int angle) { return angle + 270 > 359 ? angle - 90 : angle + 270; }
int turnedRight(int angle) { return angle + 90 > 359 ? angle - 270 : angle + 90; }

void turnLeft(Project& project, const std::vector<int>& selected) {
  turnSelected(project, selected, turnedLeft);
}

void turnRight(Project& project, const std::vector<int>& selected) {
  turnSelected(project, selected, turnedRight);
}

std::vector<int> moveLeft(Project& project, const std::vector<int>& selected) {
  std::vector<int> positions = validPositions(project, selected);
  if (positions.empty() || positions.front() == 0) return positions;
  for (int& p : positions) {
    exchangePictures(project.pictures[static_cast<size_t>(p)],
                     project.pictures[static_cast<size_t>(p - 1)]);
    --p;
  }
  return positions;
}

std::vector<int> moveRight(Project& project, const std::vector<int>& selected) {
  std::vector<int> positions = validPositions(project, selected);
  int last = static_cast<int>(project.pictures.size()) - 1;
  if (positions.empty() || positions.back() == last) return positions;
  for (auto p = positions.rbegin(); p != positions.rend(); ++p) {
    exchangePictures(project.pictures[static_cast<size_t>(*p)],
                     project.pictures[static_cast<size_t>(*p + 1)]);
    ++*p;
  }
  return positions;
}

// Positions 0..N-2 draw a picture not drawn before; the one left over goes last.
void randomOrder(Project& project) {
  int count = static_cast<int>(project.pictures.size());
  if (count < 2) return;
  std::vector<bool> drawn(static_cast<size_t>(count), false);
  std::vector<ImageItem> shuffled;
  shuffled.reserve(static_cast<size_t>(count));
  for (int position = 0; position < count - 1; ++position) {
    int picture;
    do picture = randomInRange(0, count - 1);
    while (drawn[static_cast<size_t>(picture)]);
    drawn[static_cast<size_t>(picture)] = true;
    shuffled.push_back(project.pictures[static_cast<size_t>(picture)]);
  }
  auto left = std::find(drawn.begin(), drawn.end(), false);
  shuffled.push_back(project.pictures[static_cast<size_t>(left - drawn.begin())]);

  for (size_t p = 0; p < shuffled.size(); ++p) {
    shuffled[p].animationIndex = project.pictures[p].animationIndex;
    shuffled[p].animationName = project.pictures[p].animationName;
  }
  project.pictures = std::move(shuffled);
}

void newEffectSet(Project& project) {
  std::vector<ImageItem>& pictures = project.pictures;
  for (size_t p = 0; p < pictures.size(); ++p) {
    if (p == 0) {
      pictures[p].setEffect(kNoAnimation);
    } else {
      int before = pictures[p - 1].animationIndex;
      pictures[p].setEffect(randomEffectExcept(before, before));
    }
  }
}

void sameEffectForAll(Project& project, int effect) {
  for (size_t p = 0; p < project.pictures.size(); ++p)
    project.pictures[p].setEffect(p == 0 ? kNoAnimation : effect);
}

void placeCaptions(Project& project, CaptionPlacement placement) {
  bool inset = placement == CaptionPlacement::InsetDiagonal ||
               placement == CaptionPlacement::InsetCrossing;
  int previous = kDefaultCaptionLocation;
  for (size_t p = 0; p < project.pictures.size(); ++p) {
    int& location = project.pictures[p].caption.location;
    if (placement == CaptionPlacement::MiddleBottom)
      location = kDefaultCaptionLocation;
    else
      location = p == 0 ? firstPictureLocation(location, inset) : nextLocation(previous, placement);
    previous = location;
  }
}

void removePictures(Project& project, const std::vector<int>& selected) {
  std::vector<int> positions = validPositions(project, selected);
  if (positions.size() == project.pictures.size()) {
    project.pictures.clear();
    return;
  }
  for (auto p = positions.rbegin(); p != positions.rend(); ++p)
    project.pictures.erase(project.pictures.begin() + *p);
  if (!positions.empty() && positions.front() == 0) project.pictures.front().setEffect(kNoAnimation);
}

bool captionShown(const CaptionSpec& caption) {
  return caption.mode != 0 &&
         caption.text.find_first_not_of(" \t\r\n") != std::string::npos;
}

}  // namespace pictavo
