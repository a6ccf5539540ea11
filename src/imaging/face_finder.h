// Faces in pictures, so that filled and moving frames keep people in view. One small seam:
// a grey copy of the picture, reduced to a few hundred pixels a side, goes to OpenCV's
// cascade detector with the frontal-face cascade of the opencv-data package; nothing is
// downloaded. Each picture is looked at once: the answer is remembered by the file's
// identity and the turn, so generation and preview ask again for free.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/motion_path.h"

namespace pictavo {

// The faces of the picture file turned clockwise by `turnAngle` degrees, as fractions of
// the turned picture, largest first. Empty when there are none, when the file cannot be read
// or when the detector is missing: callers then centre the view. Safe from any thread.
std::vector<FaceBox> pictureFaces(const std::string& path, int turnAngle);

// True when pictureFaces already knows this file (as it is now) at this turn.
bool facesRemembered(const std::string& path, int turnAngle);

// The faces in an 8-bit grey picture (`stride` bytes a row), as fractions of its size.
std::vector<FaceBox> findFaces(const uint8_t* grey, int width, int height, int stride);

// The longest side of the grey copy the detector sees.
inline constexpr int kFaceSearchSide = 400;

}  // namespace pictavo
