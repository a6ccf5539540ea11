// An axis-aligned rectangle of a shape, in canvas coordinates.
#pragma once

namespace pictavo {

struct Rectangle {
  double x1, y1, x2, y2;  // two opposite corners, in any order
};

}  // namespace pictavo
