#include "support/effect_probe.h"

#include "effects/effect_table.h"
#include "effects/frame_handoff.h"
#include "support/test_files.h"

namespace pictavo::test {
namespace {

constexpr int kJpegTolerance = 12;

const char* describe(Shows shows) {
  switch (shows) {
    case Shows::Incoming: return "incoming";
    case Shows::Outgoing: return "outgoing";
    case Shows::Black: return "black";
  }
  return "?";
}

Rgb expected(const MarkProbe& p) {
  if (p.shows == Shows::Black) return {0, 0, 0};
  int blue = p.shows == Shows::Incoming ? kIncomingBlue : kOutgoingBlue;
  auto mod256 = [](int v) { return ((v % 256) + 256) % 256; };
  return {mod256(p.x - p.dx), mod256(p.y - p.dy), blue};
}

}  // namespace

WandPtr markedPicture(int width, int height, int blue) {
  std::string pixels(static_cast<size_t>(width) * height * 3, '\0');
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      size_t at = (static_cast<size_t>(y) * width + x) * 3;
      pixels[at] = static_cast<char>(x % 256);
      pixels[at + 1] = static_cast<char>(y % 256);
      pixels[at + 2] = static_cast<char>(blue);
    }
  WandPtr wand = solidPicture(width, height, "#000000");
  MagickImportImagePixels(wand.get(), 0, 0, width, height, "RGB", CharPixel, pixels.data());
  return wand;
}

int countedFrames(int index, int width, int height, int holdFrames) {
  return countEffectFrames(index, width, height, holdFrames);
}

RenderedEffect::RenderedEffect(int index, MagickWand* incoming, WandPtr previous,
                               int holdFrames) {
  int width = static_cast<int>(MagickGetImageWidth(incoming));
  int height = static_cast<int>(MagickGetImageHeight(incoming));
  FrameHandOn out(sink_, nullptr, holdFrames);
  last_ = runEffect(index, width, height, incoming, std::move(previous), out);
}

MagickWand* RenderedEffect::frame(int n) {
  if (n < 0) n += frames();
  WandPtr& slot = decoded_[n];
  if (!slot) slot = sink_.decoded(n);
  return slot.get();
}

testing::AssertionResult matchesProbes(RenderedEffect& effect,
                                       const std::vector<MarkProbe>& probes) {
  for (const MarkProbe& p : probes) {
    int n = p.frame < 0 ? p.frame + effect.frames() : p.frame;
    if (n < 0 || n >= effect.frames())
      return testing::AssertionFailure() << "no frame " << p.frame << " of " << effect.frames();
    Rgb seen = pixelAt(effect.frame(n), p.x, p.y);
    Rgb want = expected(p);
    if (!near(seen, want, kJpegTolerance))
      return testing::AssertionFailure()
             << "frame " << n << " at (" << p.x << ", " << p.y << ") shows (" << seen.r << ", "
             << seen.g << ", " << seen.b << "), expected " << describe(p.shows) << " ("
             << want.r << ", " << want.g << ", " << want.b << ")";
  }
  return testing::AssertionSuccess();
}

void checkProbeCases(const std::vector<ProbeCase>& cases) {
  for (const ProbeCase& c : cases) {
    WandPtr incoming = markedPicture(c.width, c.height, kIncomingBlue);
    RenderedEffect effect(c.index, incoming.get(),
                          c.firstPicture ? nullptr
                                         : markedPicture(c.width, c.height, kOutgoingBlue));
    ASSERT_TRUE(effect.last()) << c.name;
    EXPECT_EQ(effect.frames(), countedFrames(c.index, c.width, c.height)) << c.name;
    EXPECT_TRUE(matchesProbes(effect, c.probes)) << c.name;
    std::vector<MarkProbe> finalGrid;
    for (int y = 5; y < c.height; y += c.height / 7)
      for (int x = 5; x < c.width; x += c.width / 9) {
        // Stay clear of the steps where the marks wrap from 255 to 0.
        if (x % 256 < 8 || x % 256 > 247 || y % 256 < 8 || y % 256 > 247) continue;
        finalGrid.push_back({-1, x, y, Shows::Incoming});
      }
    EXPECT_TRUE(matchesProbes(effect, finalGrid)) << c.name << ": final frame";
  }
}

void checkCounts(const std::vector<CountCase>& counts) {
  for (const CountCase& c : counts)
    EXPECT_EQ(countedFrames(c.index, c.width, c.height, 7), c.frames + 7)
        << c.index << " on " << c.width << "x" << c.height;
}

testing::AssertionResult stopsWhenTheSinkFails(int index, int width, int height) {
  const int hold = 4;
  const int transition = countedFrames(index, width, height, 0);
  WandPtr incoming = markedPicture(width, height, kIncomingBlue);
  for (int failFrom : {transition / 2, transition + 1}) {
    RecordingSink sink(failFrom, /*keepBytes=*/false);
    FrameHandOn out(sink, nullptr, hold);
    WandPtr last = runEffect(index, width, height, incoming.get(),
                             markedPicture(width, height, kOutgoingBlue), out);
    if (last)
      return testing::AssertionFailure() << "a final frame despite a refused frame " << failFrom;
    if (sink.attempts() != failFrom + 1)
      return testing::AssertionFailure()
             << sink.attempts() << " frames tried after frame " << failFrom << " was refused";
  }
  return testing::AssertionSuccess();
}

testing::AssertionResult copesWithTinyCanvases(int index) {
  const int sizes[][2] = {{2, 2}, {6, 4}, {18, 10}, {40, 4}, {4, 40}};
  for (const auto& size : sizes) {
    const int width = size[0], height = size[1];
    WandPtr incoming = markedPicture(width, height, kIncomingBlue);
    RecordingSink sink(-1, /*keepBytes=*/false);
    FrameHandOn out(sink, nullptr, 1);
    WandPtr last = runEffect(index, width, height, incoming.get(),
                             markedPicture(width, height, kOutgoingBlue), out);
    if (!last || MagickGetImageWidth(last.get()) != static_cast<size_t>(width) ||
        MagickGetImageHeight(last.get()) != static_cast<size_t>(height))
      return testing::AssertionFailure() << "no proper final frame on " << width << "x" << height;
    if (sink.count() != countedFrames(index, width, height, 1))
      return testing::AssertionFailure() << sink.count() << " frames handed on, "
                                         << countedFrames(index, width, height, 1)
                                         << " counted on " << width << "x" << height;
  }
  return testing::AssertionSuccess();
}

}  // namespace pictavo::test
