// How far captions keep from the edges of the video. The preferences hold the user's values;
// the caption layout reads them.
#pragma once

namespace pictavo {

struct CaptionMargins {
  // Fractions of the video size; 0.06001 rather than 0.06 so that trunc(x * 400) gives 24.
  float top = 0.06001f;
  float bottom = 0.06001f;
  float left = 0.06001f;
  float right = 0.06001f;
  float centreBottom = 0.15001f;
};

}  // namespace pictavo
