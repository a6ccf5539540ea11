#include "effects/pattern_origin.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace pictavo {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Half the default stroke width plus one: how far the library widens a shape's bounds.
constexpr double kWidening = 1.5;

struct Bounds {
  double minX = HUGE_VAL;
  double minY = HUGE_VAL;
  bool exact = true;

  void add(double x, double y) {
    minX = std::min(minX, x);
    minY = std::min(minY, y);
  }
  // An extreme the library reaches only approximately; it matters when it would move the
  // anchor somewhere inside the canvas.
  void addApproximate(double x, double y) {
    if (x < minX && x - kWidening > 0) exact = false;
    if (y < minY && y - kWidening > 0) exact = false;
    add(x, y);
  }
};

// Reads numbers and command letters of an MVG path.
class PathReader {
 public:
  explicit PathReader(std::string_view text) : text_(text) {}

  // The next command letter, or the last one again when a number follows (an implicit
  // repeat). 0 at the end.
  char command(char last) {
    skipSeparators();
    if (at_ >= text_.size()) return 0;
    char c = text_[at_];
    if (std::isalpha(static_cast<unsigned char>(c))) {
      ++at_;
      return c;
    }
    return last;
  }

  bool number(double* value) {
    skipSeparators();
    std::string rest(text_.substr(at_, 40));
    char* end = nullptr;
    *value = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str()) return false;
    at_ += static_cast<size_t>(end - rest.c_str());
    return true;
  }

 private:
  void skipSeparators() {
    while (at_ < text_.size() && (std::isspace(static_cast<unsigned char>(text_[at_])) || text_[at_] == ','))
      ++at_;
  }

  std::string_view text_;
  size_t at_ = 0;
};

bool angleWithin(double angle, double start, double sweep) {
  double from = sweep >= 0 ? start : start + sweep;
  double span = std::fabs(sweep);
  double offset = std::fmod(angle - from, 2 * kPi);
  if (offset < 0) offset += 2 * kPi;
  return offset <= span;
}

// The extremes of a circular arc (rx = ry, no rotation) from (x1, y1) to (x2, y2), found by
// the usual conversion from end points to centre and angles.
void addArcExtremes(Bounds& bounds, double x1, double y1, double r, bool largeArc, bool sweep,
                    double x2, double y2) {
  double hx = (x1 - x2) / 2, hy = (y1 - y2) / 2;
  double d2 = hx * hx + hy * hy;
  if (d2 == 0 || r == 0) return;
  if (d2 > r * r) r = std::sqrt(d2);  // radius too small: scaled up to reach
  double coef = std::sqrt(std::max(0.0, (r * r - d2) / d2)) * (largeArc == sweep ? -1 : 1);
  double cx = coef * hy + (x1 + x2) / 2;
  double cy = -coef * hx + (y1 + y2) / 2;
  double start = std::atan2(y1 - cy, x1 - cx);
  double delta = std::atan2(y2 - cy, x2 - cx) - start;
  if (sweep && delta < 0) delta += 2 * kPi;
  if (!sweep && delta > 0) delta -= 2 * kPi;
  if (angleWithin(kPi, start, delta)) bounds.addApproximate(cx - r, cy);
  if (angleWithin(1.5 * kPi, start, delta)) bounds.addApproximate(cx, cy - r);
}

long anchor(double minimum) {
  double widened = minimum - kWidening;
  return static_cast<long>(std::ceil((widened < 0 ? 0 : widened) - 0.5));
}

}  // namespace

std::optional<PatternOrigin> patternOrigin(std::string_view pathData) {
  PathReader reader(pathData);
  Bounds bounds;
  double x = 0, y = 0, v[7];
  char last = 0;
  while (char c = reader.command(last)) {
    last = c;
    if (c == 'Z' || c == 'z') continue;
    int count = c == 'A' ? 7 : (c == 'M' || c == 'L') ? 2 : -1;
    if (count < 0) return std::nullopt;
    for (int i = 0; i < count; ++i)
      if (!reader.number(&v[i])) return std::nullopt;
    double nx = v[count - 2], ny = v[count - 1];
    if (c == 'A') {
      if (v[0] != v[1] || v[2] != 0) return std::nullopt;  // only circles are drawn here
      addArcExtremes(bounds, x, y, v[0], v[3] != 0, v[4] != 0, nx, ny);
    }
    bounds.add(nx, ny);
    x = nx;
    y = ny;
  }
  if (!bounds.exact || bounds.minX == HUGE_VAL) return std::nullopt;
  return PatternOrigin{anchor(bounds.minX), anchor(bounds.minY)};
}

}  // namespace pictavo
