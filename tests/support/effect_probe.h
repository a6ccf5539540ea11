// Rendering one effect between two marked pictures and probing its frames: each pixel of a
// marked picture tells which picture it belongs to (blue 0 for the incoming picture, 255 for
// the outgoing one) and where in it it came from (red = x mod 256, green = y mod 256).
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "effects/effect_renderer.h"
#include "support/recording_sink.h"

namespace pictavo::test {

inline constexpr int kIncomingBlue = 0;
inline constexpr int kOutgoingBlue = 255;

// A picture whose pixel (x, y) is (x mod 256, y mod 256, blue).
WandPtr markedPicture(int width, int height, int blue);

// The figure counting mode gives for effect `index` on a width x height canvas.
int countedFrames(int index, int width, int height, int holdFrames = 0);

// Every frame effect `index` hands on, bringing `incoming` in over `previous` (null for the
// first picture of a project).
class RenderedEffect {
 public:
  RenderedEffect(int index, MagickWand* incoming, WandPtr previous, int holdFrames = 0);

  const RecordingSink& sink() const { return sink_; }
  int frames() const { return sink_.count(); }
  const WandPtr& last() const { return last_; }
  // Frame `n` decoded (kept for further probes); a negative n counts from the end.
  MagickWand* frame(int n);

 private:
  RecordingSink sink_;
  WandPtr last_;
  std::map<int, WandPtr> decoded_;
};

// What a probe expects at a pixel: the incoming or the outgoing picture, moved by (dx, dy)
// (the pixel shows the picture's own pixel (x - dx, y - dy)), or black.
enum class Shows { Incoming, Outgoing, Black };

struct MarkProbe {
  int frame;  // negative: counted from the end (-1 is the final frame)
  int x, y;
  Shows shows;
  int dx = 0, dy = 0;
};

// Checks every probe, allowing for JPEG with half-resolution chroma.
testing::AssertionResult matchesProbes(RenderedEffect& effect,
                                       const std::vector<MarkProbe>& probes);

// One effect between a marked outgoing picture (or none: the first picture of a project) and
// a marked incoming one, and what chosen frames must show.
struct ProbeCase {
  const char* name;
  int index;
  int width, height;
  bool firstPicture;
  std::vector<MarkProbe> probes;
};

// Renders each case: the frames handed on are those counted, every probe matches, and the
// final frame shows only the incoming picture.
void checkProbeCases(const std::vector<ProbeCase>& cases);

// Counting-mode figures (transition frames, hold frames not included).
struct CountCase {
  int index, width, height, frames;
};
void checkCounts(const std::vector<CountCase>& counts);

// A sink that refuses a frame in the middle of the transition, and one that refuses a hold
// frame: the renderer returns null at once, without trying another frame.
testing::AssertionResult stopsWhenTheSinkFails(int index, int width, int height);

// On canvases down to 2 x 2 the renderer ends, hands on the frames it counts and returns a
// final frame of the canvas size.
testing::AssertionResult copesWithTinyCanvases(int index);

}  // namespace pictavo::test
