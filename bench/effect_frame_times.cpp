// Time per transition frame (composition and conversion for the frame pipe, frames
// discarded) of each effect at one canvas size: wall clock and this process's CPU time, so a
// busy machine shows as the gap between them. Arguments: [--pipe mjpeg] [WxH] [index ...];
// by default raw frames (the default pipe), 1280x720 and every effect. Prints one line per
// effect.
#include <time.h>

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

}  // namespace

int main(int argc, char** argv) {
  int width = 1280, height = 720;
  int first = 1;
  bool raw = true;
  if (argc > 2 && std::string(argv[1]) == "--pipe") {
    raw = std::string(argv[2]) != "mjpeg";
    first = 3;
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
  std::printf("size %dx%d  pipe %s\n", width, height, raw ? "raw" : "mjpeg");
  // One untimed run first, so that the first effect timed does not pay for the process's
  // first touches of its frame memory.
  {
    DiscardingSink sink(raw);
    FrameHandOn out(sink, nullptr, 0);
    runEffect(indices.front(), width, height, picture.get(),
              builtinOnCanvas("netscape:", width, height), out);
  }
  for (int index : indices) {
    const int frames = countEffectFrames(index, width, height, 0);
    WandPtr previous = builtinOnCanvas("netscape:", width, height);
    DiscardingSink sink(raw);
    const double cpuStart = cpuMs();
    const auto wallStart = std::chrono::steady_clock::now();
    FrameHandOn out(sink, nullptr, 0);
    WandPtr last = runEffect(index, width, height, picture.get(), std::move(previous), out);
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart)
            .count();
    const double cpu = cpuMs() - cpuStart;
    const int transition = frames;  // with no hold: the transition and its final frame
    std::printf("effect %2d  frames %2d  wall_ms_per_transition_frame %6.1f  "
                "cpu_ms_per_transition_frame %6.1f  %s\n",
                index, transition, transition > 0 ? wall / transition : 0.0,
                transition > 0 ? cpu / transition : 0.0, utf8(effectName(index)).c_str());
  }
  return 0;
}
