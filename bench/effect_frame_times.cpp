// Time per transition frame (composition and conversion for the frame pipe, frames
// discarded) of each effect at one canvas size: wall clock and this process's CPU time, so a
// busy machine shows as the gap between them. Arguments:
//   [--pipe mjpeg] [--repeat N] [WxH] [index ...]
// by default raw frames (the default pipe), one run, 1280x720 and every effect. With
// --repeat each effect runs N times and its fastest run is printed: on a shared machine the
// fastest is the one least disturbed. Prints one line per effect.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "effects/effect_names.h"
#include "effects/effect_table.h"
#include "effects/frame_handoff.h"
#include "imaging/image.h"
#include "imaging/image_library.h"
#include "util/charset.h"

using namespace pictavo;

namespace {

struct Timing {
  double wallMs, cpuMs;
};

class DiscardingSink : public FrameSink {
 public:
  explicit DiscardingSink(bool raw) : raw_(raw) {}
  bool rawFrames() const override { return raw_; }
  bool writeFrame(const unsigned char*, size_t) override { return true; }
  bool repeatFrame(const unsigned char*, size_t) override { return true; }

 private:
  bool raw_;
};

double cpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

WandPtr builtinOnCanvas(const char* name, int width, int height) {
  WandPtr picture = readBuiltinPicture(name, "#000000");
  return picture ? fitToCanvas(width, height, picture.get(), "#000000")
                 : newCanvas(width, height, "#000000");
}

// One run of the effect over a fresh previous picture.
Timing timeEffect(int index, int width, int height, MagickWand* picture, bool raw) {
  WandPtr previous = builtinOnCanvas("netscape:", width, height);
  DiscardingSink sink(raw);
  const double cpuStart = cpuMs();
  const auto wallStart = std::chrono::steady_clock::now();
  FrameHandOn out(sink, nullptr, 0);
  WandPtr last = runEffect(index, width, height, picture, std::move(previous), out);
  const double wall =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart)
          .count();
  return {wall, cpuMs() - cpuStart};
}

}  // namespace

int main(int argc, char** argv) {
  int width = 1280, height = 720;
  int first = 1, repeat = 1;
  bool raw = true;
  for (bool option = true; option && argc > first + 1;) {
    const std::string name = argv[first];
    option = name == "--pipe" || name == "--repeat";
    if (name == "--pipe") raw = std::string(argv[first + 1]) != "mjpeg";
    if (name == "--repeat") repeat = std::max(1, std::atoi(argv[first + 1]));
    if (option) first += 2;
  }
  if (argc > first && std::sscanf(argv[first], "%dx%d", &width, &height) == 2) ++first;
  std::vector<int> indices;
  for (int i = first; i < argc; ++i) indices.push_back(std::atoi(argv[i]));
  if (indices.empty()) indices = effectIndices();
  std::string error;
  if (!startImageLibrary(&error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  WandPtr picture = builtinOnCanvas("logo:", width, height);
  std::printf("size %dx%d  pipe %s  runs %d (fastest printed)\n", width, height,
              raw ? "raw" : "mjpeg", repeat);
  // One untimed run first, so that the first effect timed does not pay for the process's
  // first touches of its frame memory.
  timeEffect(indices.front(), width, height, picture.get(), raw);
  for (int index : indices) {
    const int frames = countEffectFrames(index, width, height, 0);
    Timing best = timeEffect(index, width, height, picture.get(), raw);
    for (int run = 1; run < repeat; ++run) {
      const Timing next = timeEffect(index, width, height, picture.get(), raw);
      best = {std::min(best.wallMs, next.wallMs), std::min(best.cpuMs, next.cpuMs)};
    }
    const double wall = best.wallMs, cpu = best.cpuMs;
    const int transition = frames;  // with no hold: the transition and its final frame
    std::printf("effect %2d  frames %2d  wall_ms_per_transition_frame %6.1f  "
                "cpu_ms_per_transition_frame %6.1f  %s\n",
                index, transition, transition > 0 ? wall / transition : 0.0,
                transition > 0 ? cpu / transition : 0.0, utf8(effectName(index)).c_str());
  }
  return 0;
}
