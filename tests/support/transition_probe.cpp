#include "support/transition_probe.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace pictavo::test {
namespace {

constexpr int kInset = 4;
constexpr int kTolerance = 12;
constexpr const char* kPreviousColour = "#ff00ff";

std::vector<Probe> insidePoints(const Box& b, Probe (*probe)(int, int)) {
  const int left = b.x + kInset, right = b.x + b.width - 1 - kInset;
  const int top = b.y + kInset, bottom = b.y + b.height - 1 - kInset;
  return {probe(b.x + b.width / 2, b.y + b.height / 2), probe(left, top), probe(right, top),
          probe(left, bottom), probe(right, bottom)};
}

std::vector<Probe> outsidePoints(const Box& b, int W, int H, Probe (*probe)(int, int)) {
  const int midX = b.x + b.width / 2, midY = b.y + b.height / 2;
  const int points[4][2] = {{b.x - kInset, midY},
                            {b.x + b.width - 1 + kInset, midY},
                            {midX, b.y - kInset},
                            {midX, b.y + b.height - 1 + kInset}};
  std::vector<Probe> probes;
  for (const auto& p : points)
    if (p[0] >= 0 && p[0] < W && p[1] >= 0 && p[1] < H) probes.push_back(probe(p[0], p[1]));
  return probes;
}

unsigned long long liveImageBytes() { return MagickGetResource(MemoryResource); }

std::string describe(const Probe& p, const Rgb& expect, const Rgb& got) {
  std::ostringstream text;
  text << "  (" << p.x << ", " << p.y << ") should show " << p.what << " (" << expect.r << ", "
       << expect.g << ", " << expect.b << ") but shows (" << got.r << ", " << got.g << ", "
       << got.b << ")\n";
  return text.str();
}

std::string failedProbes(MagickWand* shown, const std::vector<Probe>& probes,
                         bool firstPicture) {
  const Rgb outgoing = firstPicture ? Rgb{0, 0, 0} : Rgb{255, 0, 255};
  std::string failures;
  for (const Probe& p : probes) {
    const Rgb expect = p.showsOutgoing ? outgoing : p.expect;
    const Rgb got = pixelAt(shown, p.x, p.y);
    if (!near(got, expect, p.tolerance)) failures += describe(p, expect, got);
  }
  return failures;
}

std::vector<Probe> everywhere(int W, int H) {
  std::vector<Probe> probes;
  for (int y = kInset; y < H; y += H / 5)
    for (int x = kInset; x < W; x += W / 7) probes.push_back(incomingAt(x, y));
  return probes;
}

void expectFinalState(const Transition& t, int index, int W, int H, const char* variant) {
  ASSERT_TRUE(t.last) << "effect " << index << variant;
  EXPECT_EQ(t.sink.count(), countFrames(index, W, H, 0)) << "effect " << index << variant;
  WandPtr lastWritten = t.sink.decoded(t.sink.count() - 1);
  EXPECT_EQ(failedProbes(lastWritten.get(), everywhere(W, H), false), "")
      << "last frame of effect " << index << variant;
  std::vector<Probe> exact = everywhere(W, H);
  for (Probe& p : exact) p.tolerance = 0;
  EXPECT_EQ(failedProbes(t.last.get(), exact, false), "")
      << "returned frame of effect " << index << variant;
}

}  // namespace

Probe outgoingAt(int x, int y) { return {x, y, {}, kTolerance, "the outgoing picture", true}; }
Probe incomingAt(int x, int y) {
  return {x, y, {x % 256, y % 256, 0}, kTolerance, "incoming in place"};
}
Probe sourceAt(int x, int y, int sx, int sy, int tolerance) {
  return {x, y, {sx % 256, sy % 256, 0}, tolerance, "a part of the incoming picture"};
}

std::vector<Probe> incomingInside(const Box& box) { return insidePoints(box, incomingAt); }
std::vector<Probe> outgoingInside(const Box& box) { return insidePoints(box, outgoingAt); }

std::vector<Probe> scaledInside(const Box& box, int W, int H) {
  std::vector<Probe> probes = insidePoints(box, incomingAt);
  for (Probe& p : probes) {
    // Pixel centres map onto pixel centres of the whole picture.
    const double sx = (p.x - box.x + 0.5) * W / box.width - 0.5;
    const double sy = (p.y - box.y + 0.5) * H / box.height - 0.5;
    p = sourceAt(p.x, p.y, static_cast<int>(sx + 0.5), static_cast<int>(sy + 0.5), 14);
    p.what = "the incoming picture scaled into the box";
  }
  return probes;
}

std::vector<Probe> outgoingOutside(const Box& box, int W, int H) {
  return outsidePoints(box, W, H, outgoingAt);
}
std::vector<Probe> incomingOutside(const Box& box, int W, int H) {
  return outsidePoints(box, W, H, incomingAt);
}

std::vector<Probe> operator+(std::vector<Probe> a, const std::vector<Probe>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

void expectTransitions(const std::vector<FrameCheck>& checks, int W, int H) {
  for (bool firstPicture : {false, true}) {
    const char* variant = firstPicture ? " (first picture)" : "";
    std::map<int, Transition> rendered;
    const unsigned long long before = liveImageBytes();
    for (const FrameCheck& check : checks) {
      auto [at, isNew] = rendered.try_emplace(check.index);
      if (isNew) {
        at->second = renderTransition(check.index, W, H, firstPicture);
        expectFinalState(at->second, check.index, W, H, variant);
      }
      const Transition& t = at->second;
      if (!t.last || check.frame >= t.sink.count()) {
        ADD_FAILURE() << "effect " << check.index << " has no frame " << check.frame << variant;
        continue;
      }
      WandPtr shown = t.sink.decoded(check.frame);
      EXPECT_EQ(failedProbes(shown.get(), check.probes, firstPicture), "")
          << "effect " << check.index << ", frame " << check.frame << variant;
    }
    rendered.clear();
    EXPECT_EQ(liveImageBytes(), before) << "images left behind" << variant;
  }
}

void expectCleanFailure(int index, int W, int H, int failFrom, int holdFrames) {
  WandPtr picture = coordinatePicture(W, H);
  for (bool firstPicture : {false, true}) {
    const unsigned long long before = liveImageBytes();
    {
      WandPtr previous = firstPicture ? nullptr : solidPicture(W, H, kPreviousColour);
      RecordingSink sink(failFrom, /*keepBytes=*/false);
      FrameHandOn out(sink, nullptr, holdFrames);
      WandPtr last = runEffect(index, W, H, picture.get(), std::move(previous), out);
      EXPECT_EQ(last, nullptr) << "effect " << index << " refused at " << failFrom;
      EXPECT_EQ(sink.attempts(), failFrom + 1) << "effect " << index << " went on writing";
    }
    EXPECT_EQ(liveImageBytes(), before)
        << "effect " << index << " refused at " << failFrom << " left images behind"
        << (firstPicture ? " (first picture)" : "");
  }
}

Transition renderTransition(int index, int W, int H, bool firstPicture) {
  Transition t;
  WandPtr picture = coordinatePicture(W, H);
  WandPtr previous = firstPicture ? nullptr : solidPicture(W, H, kPreviousColour);
  FrameHandOn out(t.sink, nullptr, 0);
  t.last = runEffect(index, W, H, picture.get(), std::move(previous), out);
  return t;
}

int countFrames(int index, int W, int H, int holdFrames) {
  return countEffectFrames(index, W, H, holdFrames);
}

}  // namespace pictavo::test
