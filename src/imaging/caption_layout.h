// Where a caption goes on the canvas: the margins in pixels, the caption's place for each
// location and the gravity of its text, and the widened band of the flush locations.
#pragma once

#include <wand/MagickWand.h>

#include "imaging/caption_margins.h"

namespace pictavo {

// A margin fraction in margin units, 1/400 of the canvas side: trunc(fraction x 400).
// Fractions outside 0..1 (or not numbers) are taken as the nearest end of that range.
int marginUnits(float fraction);

// The margin in pixels along a canvas side of `side` pixels (single precision).
float marginPixels(float fraction, int side);

struct CaptionPlacement {
  int width = 0;   // caption image width, widened for a flush location with a band
  double x = 0;    // left edge on the canvas
  double y = 0;    // top edge on the canvas
  GravityType gravity = CenterGravity;  // of the text inside the caption
  bool flush = false;  // locations 0..3: the text is offset by the band's padding
};

// The place of a w x h caption on a W x H canvas. Locations outside 0..8 are placed like 4.
CaptionPlacement placeCaption(int location, int canvasWidth, int canvasHeight, int w, int h,
                              bool band, const CaptionMargins& margins);

}  // namespace pictavo
