// A point of a shape's outline, in canvas coordinates.
#pragma once

namespace pictavo {

struct ShapePoint {
  double x, y;
};

}  // namespace pictavo
