// Where the image library anchors a fill pattern for one path: the top-left corner of the
// path's bounds, widened by a pixel and a half for antialiasing and kept on the canvas.
// Setting the pattern's tile offset to that corner makes every pixel of the shape take the
// pattern pixel at its own position.
#pragma once

#include <optional>
#include <string_view>

namespace pictavo {

struct PatternOrigin {
  long x = 0;
  long y = 0;
};

// The anchor of the path drawn from `pathData` (the text of one MVG path primitive: absolute
// M, L, A and Z commands). Nothing when it cannot be known exactly: an arc whose extreme
// decides the bounds inside the canvas, where the library's traced arc may fall short of
// the true extreme, or a path it cannot read.
std::optional<PatternOrigin> patternOrigin(std::string_view pathData);

}  // namespace pictavo
