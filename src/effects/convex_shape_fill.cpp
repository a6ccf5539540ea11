#include "effects/convex_shape_fill.h"

#include <algorithm>
#include <cmath>

namespace pictavo {
namespace {

// Rows the library draws at a time; shorter bands hug slanted edges more closely, longer
// ones need fewer calls.
constexpr long kBandRows = 16;

// A pixel this far inside a piece on its own row lies inside the shape, where the fill
// replaces it with the source pixel whatever it was; antialiasing only touches pixels
// outside the shape, within one pixel of an edge, which this margin keeps clear of too.
constexpr double kMargin = 2;

struct Columns {
  long from, to;  // inclusive
};

// The piece's furthest-out ends over the rows ya..yb; false when it reaches none of them.
bool extentOver(const ConvexPiece& piece, double ya, double yb, double* left, double* right) {
  ya = std::max(ya, piece.top);
  yb = std::min(yb, piece.bottom);
  if (ya > yb) return false;
  std::vector<double> rows = {ya, yb};
  for (double turn : piece.turningRows)
    if (turn > ya && turn < yb) rows.push_back(turn);
  bool reached = false;
  for (double y : rows) {
    double l, r;
    if (!piece.span(y, &l, &r)) continue;
    *left = reached ? std::min(*left, l) : l;
    *right = reached ? std::max(*right, r) : r;
    reached = true;
  }
  return reached;
}

// The columns inside the piece, with the margin, on every row y0..y1. A convex piece is
// narrowest within a band at one of its ends.
bool interiorOver(const ConvexPiece& piece, long y0, long y1, Columns* inside) {
  double l0, r0, l1, r1;
  if (!piece.span(y0, &l0, &r0) || !piece.span(y1, &l1, &r1)) return false;
  inside->from = static_cast<long>(std::ceil(std::max(l0, l1) + kMargin));
  inside->to = static_cast<long>(std::floor(std::min(r0, r1) - kMargin));
  return inside->from <= inside->to;
}

std::vector<Columns> merged(std::vector<Columns> spans) {
  std::sort(spans.begin(), spans.end(), [](Columns a, Columns b) { return a.from < b.from; });
  std::vector<Columns> out;
  for (Columns c : spans) {
    if (!out.empty() && c.from <= out.back().to + 1)
      out.back().to = std::max(out.back().to, c.to);
    else
      out.push_back(c);
  }
  return out;
}

// The parts of `outer` that no interval of `holes` (sorted, disjoint) covers.
std::vector<Columns> without(const std::vector<Columns>& outer, const std::vector<Columns>& holes) {
  std::vector<Columns> out;
  for (Columns c : outer) {
    long from = c.from;
    for (Columns h : holes) {
      if (h.to < from || h.from > c.to) continue;
      if (h.from > from) out.push_back({from, h.from - 1});
      from = std::max(from, h.to + 1);
    }
    if (from <= c.to) out.push_back({from, c.to});
  }
  return out;
}

void copyRegion(MagickWand* target, MagickWand* source, long x, long y, long width, long height) {
  WandPtr part(MagickGetImageRegion(source, static_cast<size_t>(width),
                                    static_cast<size_t>(height), x, y));
  if (part) MagickCompositeImage(target, part.get(), CopyCompositeOp, x, y);
}

}  // namespace

ConvexPiece polygonPiece(std::vector<ShapePoint> corners) {
  ConvexPiece piece;
  piece.top = piece.bottom = corners.front().y;
  for (const ShapePoint& p : corners) {
    piece.top = std::min(piece.top, p.y);
    piece.bottom = std::max(piece.bottom, p.y);
    piece.turningRows.push_back(p.y);
  }
  piece.span = [corners = std::move(corners)](double y, double* left, double* right) {
    bool reached = false;
    auto take = [&](double x) {
      *left = reached ? std::min(*left, x) : x;
      *right = reached ? std::max(*right, x) : x;
      reached = true;
    };
    for (size_t i = 0; i < corners.size(); ++i) {
      const ShapePoint& a = corners[i];
      const ShapePoint& b = corners[(i + 1) % corners.size()];
      if (y < std::min(a.y, b.y) || y > std::max(a.y, b.y)) continue;
      if (a.y == b.y) {
        take(a.x);
        take(b.x);
      } else {
        take(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
      }
    }
    return reached;
  };
  return piece;
}

ConvexPiece circlePiece(double cx, double cy, double radius) {
  ConvexPiece piece;
  piece.top = cy - radius;
  piece.bottom = cy + radius;
  piece.turningRows = {cy};
  piece.span = [=](double y, double* left, double* right) {
    double dy = y - cy;
    if (std::abs(dy) > radius) return false;
    double dx = std::sqrt(radius * radius - dy * dy);
    *left = cx - dx;
    *right = cx + dx;
    return true;
  };
  return piece;
}

void fillConvexShape(MagickWand* target, MagickWand* source,
                     const std::vector<ConvexPiece>& pieces,
                     const std::function<void(WindowPath&)>& addPath) {
  if (pieces.empty()) return;
  const long width = static_cast<long>(MagickGetImageWidth(target));
  const long height = static_cast<long>(MagickGetImageHeight(target));
  double top = pieces.front().top, bottom = pieces.front().bottom;
  for (const ConvexPiece& p : pieces) {
    top = std::min(top, p.top);
    bottom = std::max(bottom, p.bottom);
  }
  const long firstRow = std::max(0L, static_cast<long>(std::floor(top - kMargin)));
  const long lastRow = std::min(height - 1, static_cast<long>(std::ceil(bottom + kMargin)));
  for (long y0 = firstRow; y0 <= lastRow; y0 += kBandRows) {
    const long y1 = std::min(y0 + kBandRows - 1, lastRow);
    std::vector<Columns> reach, inside;
    for (const ConvexPiece& p : pieces) {
      double left, right;
      // Pixels within one pixel of the piece, on these rows, lie within its extent over one
      // row more on either side.
      if (extentOver(p, y0 - 1.0, y1 + 1.0, &left, &right) && right + kMargin >= 0 &&
          left - kMargin < width)
        reach.push_back({std::max(0L, static_cast<long>(std::floor(left - kMargin))),
                         std::min(width - 1, static_cast<long>(std::ceil(right + kMargin)))});
      Columns in;
      if (interiorOver(p, y0, y1, &in) && in.to >= 0 && in.from < width)
        inside.push_back({std::max(0L, in.from), std::min(width - 1, in.to)});
    }
    std::vector<Columns> holes = merged(inside);
    for (Columns c : without(merged(reach), holes)) {
      fillShapeInWindow(target, source, {c.from, y0, c.to - c.from + 1, y1 - y0 + 1}, addPath);
    }
    for (Columns c : holes) copyRegion(target, source, c.from, y0, c.to - c.from + 1, y1 - y0 + 1);
  }
}

}  // namespace pictavo
