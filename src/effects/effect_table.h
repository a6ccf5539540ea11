// The one dispatch table: every effect's index, id, name, constants, family function and
// variant in one row. Rows are grouped by effect family; the user interface and the timeline
// read them here.
#pragma once

#include <string_view>
#include <vector>

#include "effects/effect_renderer.h"

namespace pictavo {

// How an effect's constants follow from the canvas size.
struct ParamRule {
  enum Kind { None, Zoom, WidthOver, HeightOver, Fixed, Angle };
  Kind kind = None;
  double value = 0;  // the divisor, the fixed step or the angle step
};

struct EffectRow {
  int index;
  const char* id;    // stable ASCII name in snake_case, e.g. "staircase_right"
  const char* name;  // UTF-8 literal; effect_names.h gives the GBK text
  ParamRule rule;
  EffectRenderer family;
  EffectVariant variant;
};

// Every row, in family order.
const std::vector<EffectRow>& effectRows();

// The row of an index, or null for 93, 94, 99 and every other index without an effect.
const EffectRow* findEffectRow(int animationIndex);

// The row with the given id, or null.
const EffectRow* findEffectRow(std::string_view id);

// The ASCII name of the family a variant belongs to, e.g. "edge_flip".
const char* familyName(const EffectVariant& variant);

// The constants passed to the effect of `animationIndex` on a W x H canvas.
EffectParams effectParams(int animationIndex, int canvasWidth, int canvasHeight);

// Brings `picture` in with the effect of `animationIndex`, or with a hard cut for an index
// without an effect, rendering or counting as `out` was built to. In render mode previous is
// taken and the final frame returned (null when a frame could not be handed on).
WandPtr runEffect(int animationIndex, int canvasWidth, int canvasHeight, MagickWand* picture,
                  WandPtr previous, FrameHandOn& out);

// The frames one picture takes with the effect of `animationIndex`: its transition frames and
// then holdFrames.
int countEffectFrames(int animationIndex, int canvasWidth, int canvasHeight, int holdFrames);

}  // namespace pictavo
