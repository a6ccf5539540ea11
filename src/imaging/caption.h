// Captions: a picture's text rendered once into a small image of its own, with the place
// on the canvas where it goes. The hold phase of every effect fades it in.
#pragma once

#include <string>

#include "imaging/caption_margins.h"
#include "imaging/magick_handles.h"

namespace pictavo {

// A rendered caption. The dispatcher owns it; renderers only read it (the fade changes the
// caption image's opacity in place).
struct CaptionOverlay {
  WandPtr image;
  double x = 0;   // left edge on the canvas, pixels
  double y = 0;   // top edge on the canvas, pixels
  int keepAlpha = 0;  // band and text share one colour: text alone, its transparency kept
};

struct CaptionRequest {
  int canvasWidth = 0;
  int canvasHeight = 0;
  std::string text;        // GBK
  std::string bandColour;  // "#rrggbb"
  std::string textColour;  // "#rrggbb"
  std::string fontFile;    // file-system name of the font
  int fontSize = 36;       // points
  int location = 4;        // 0..8; any other value is placed like 4
};

// Renders the caption: the text on its band, or outlined on transparency when band and
// text share one colour. A font file the library cannot use gives way to the fallback font
// of caption_fonts.h. Null when no font can be used (the information log says so once), the
// image library fails or the font size is not positive.
std::unique_ptr<CaptionOverlay> renderCaption(const CaptionRequest& request,
                                              const CaptionMargins& margins = {});

}  // namespace pictavo
