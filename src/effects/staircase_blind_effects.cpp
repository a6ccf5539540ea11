#include "effects/staircase_blind_effects.h"

#include <algorithm>
#include <cmath>

#include "effects/frame_handoff.h"
#include "effects/pattern_fill.h"
#include "effects/windowed_fill.h"

namespace pictavo {
namespace {

// The way every strip opens.
enum class Opening { Rightward, Leftward, Downward, Upward };

// The part of the strip starting `start` pixels from the edge the strips are counted from
// that is `extent` pixels open.
Rectangle openPart(Opening o, int W, int H, double start, double extent) {
  switch (o) {
    case Opening::Rightward: return {start, 0, start + extent, 1.0 * H};
    case Opening::Leftward: return {W - start, 0, W - start - extent, 1.0 * H};
    case Opening::Downward: return {0, start, 1.0 * W, start + extent};
    case Opening::Upward: return {0, H - start, 1.0 * W, H - start - extent};
  }
  return {};
}

bool overlap(const PixelWindow& a, const PixelWindow& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
         b.y < a.y + a.height;
}

// One strip's open part in a frame: it starts `start` pixels from the edge the strips are
// counted from, is `extent` open now and was `before` open in the frame before (0 when it
// starts opening now).
struct StripPart {
  double start, extent, before;
};

// Draws the parts onto the outgoing picture as rectangles filled with the incoming picture,
// one shape each and in order, so that where a part reaches into the next strip the overlap
// is filled like the rest. Pixels well inside what a part had opened before already show the
// incoming picture and drawing over them changes nothing, so only the strip's fixed edge
// (whose antialiased pixels take a little more of the picture every frame) and the newly
// opened stretch are handed to the image library.
void revealParts(MagickWand* target, MagickWand* incoming, Opening o, int W, int H,
                 const std::vector<StripPart>& parts) {
  auto windowOf = [&](double from, double length) {
    Rectangle r = openPart(o, W, H, from, length);
    return windowAround(r.x1, r.y1, r.x2, r.y2, W, H);
  };
  for (const StripPart& part : parts) {
    const Rectangle r = openPart(o, W, H, part.start, part.extent);
    PixelWindow whole = windowOf(part.start, part.extent);
    PixelWindow fixedEdge = windowOf(part.start, 0);
    PixelWindow opened = windowOf(part.start + part.before, part.extent - part.before);
    if (part.before <= 0 || overlap(fixedEdge, opened)) {
      fillRectangleInWindow(target, incoming, whole, r.x1, r.y1, r.x2, r.y2);
    } else {
      fillRectangleInWindow(target, incoming, fixedEdge, r.x1, r.y1, r.x2, r.y2);
      fillRectangleInWindow(target, incoming, opened, r.x1, r.y1, r.x2, r.y2);
    }
  }
}

// Draws the strips onto the outgoing picture frame after frame; frame `frames` is the plain
// incoming picture. partsOf(i) gives the strip parts of frame i.
template <class PartsOf>
WandPtr revealInStrips(Opening o, int W, int H, MagickWand* picture, CaptionOverlay* caption,
                       int holdFrames, WandPtr previous, FrameSink* sink, int* countOut,
                       int frames, PartsOf&& partsOf) {
  FrameHandOn out(sink, countOut, caption, holdFrames);
  WandPtr black;
  for (int i = 1; i < frames; ++i) {
    if (!out.frameInPlace([&] {
          MagickWand* target = outgoingOrBlack(previous, black, W, H);
          revealParts(target, picture, o, W, H, partsOf(i));
          return target;
        }))
      return nullptr;
  }
  return out.finish([&] { return cloneWand(picture); }, std::move(previous));
}

// Strip j starts opening in frame j + 1 and opens by 3/n of its size a frame.
WandPtr renderStaircase(Opening o, int W, int H, MagickWand* picture, CaptionOverlay* caption,
                        const EffectParams& params, int holdFrames, WandPtr previous,
                        FrameSink* sink, int* countOut) {
  const int n = std::max(params.step, 1);
  const bool across = o == Opening::Rightward || o == Opening::Leftward;
  const double u = static_cast<double>(across ? W : std::max(W, H)) / n;
  const double v = u / n * 3;
  const int frames = static_cast<int>(std::trunc(n + u / v));
  return revealInStrips(o, W, H, picture, caption, holdFrames, std::move(previous), sink,
                        countOut, frames, [&](int i) {
                          std::vector<StripPart> parts;
                          for (int j = 0; j < i; ++j)
                            parts.push_back({j * u, (i - j) * v, (i - 1 - j) * v});
                          return parts;
                        });
}

// Every strip opens by 1/18 of its size a frame; the last drawn frame has them 17/18 open.
WandPtr renderBlinds(Opening o, int W, int H, MagickWand* picture, CaptionOverlay* caption,
                     const EffectParams& params, int holdFrames, WandPtr previous,
                     FrameSink* sink, int* countOut) {
  const int n = std::max(params.step, 1);
  const double u = static_cast<double>(o == Opening::Rightward ? W : H) / n;
  const double v = u / 18;
  return revealInStrips(o, W, H, picture, caption, holdFrames, std::move(previous), sink,
                        countOut, 18, [&](int i) {
                          std::vector<StripPart> parts;
                          for (int j = 0; j < n; ++j) parts.push_back({j * u, i * v, (i - 1) * v});
                          return parts;
                        });
}

}  // namespace

WandPtr renderStaircaseRightward(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                 const EffectParams& params, int holdFrames, WandPtr previous,
                                 FrameSink* sink, int* countOut) {
  return renderStaircase(Opening::Rightward, W, H, picture, caption, params, holdFrames,
                         std::move(previous), sink, countOut);
}

WandPtr renderStaircaseLeftward(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                const EffectParams& params, int holdFrames, WandPtr previous,
                                FrameSink* sink, int* countOut) {
  return renderStaircase(Opening::Leftward, W, H, picture, caption, params, holdFrames,
                         std::move(previous), sink, countOut);
}

WandPtr renderStaircaseDownward(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                                const EffectParams& params, int holdFrames, WandPtr previous,
                                FrameSink* sink, int* countOut) {
  return renderStaircase(Opening::Downward, W, H, picture, caption, params, holdFrames,
                         std::move(previous), sink, countOut);
}

WandPtr renderStaircaseUpward(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                              const EffectParams& params, int holdFrames, WandPtr previous,
                              FrameSink* sink, int* countOut) {
  return renderStaircase(Opening::Upward, W, H, picture, caption, params, holdFrames,
                         std::move(previous), sink, countOut);
}

WandPtr renderBlindsRightward(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                              const EffectParams& params, int holdFrames, WandPtr previous,
                              FrameSink* sink, int* countOut) {
  return renderBlinds(Opening::Rightward, W, H, picture, caption, params, holdFrames,
                      std::move(previous), sink, countOut);
}

WandPtr renderBlindsDownward(int W, int H, MagickWand* picture, CaptionOverlay* caption,
                             const EffectParams& params, int holdFrames, WandPtr previous,
                             FrameSink* sink, int* countOut) {
  return renderBlinds(Opening::Downward, W, H, picture, caption, params, holdFrames,
                      std::move(previous), sink, countOut);
}

}  // namespace pictavo
