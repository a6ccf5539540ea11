// The one dispatch table: every effect's index, name, constants and renderer in one row.
// Rows are grouped by effect family; the user interface and the timeline read them here.
#pragma once

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
  const char* name;  // UTF-8 literal; effect_names.h gives the GBK text
  ParamRule rule;
  EffectRenderer renderer;
  const char* family;  // ASCII name of the effect's family, e.g. "edge_flip"
};

// Every row, in family order.
const std::vector<EffectRow>& effectRows();

// The row of an index, or null for 93, 94, 99 and every other index without an effect.
const EffectRow* findEffectRow(int animationIndex);

// The renderer of an index: its family's, or the no-animation renderer for any index
// without an effect.
EffectRenderer rendererFor(int animationIndex);

// The constants passed to the renderer of `animationIndex` on a W x H canvas.
EffectParams effectParams(int animationIndex, int canvasWidth, int canvasHeight);

}  // namespace pictavo
