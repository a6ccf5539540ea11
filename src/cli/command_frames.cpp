// pictavo-cli frames: one effect rendered between two built-in pictures, every frame written
// as a numbered PNG; with --count only the counting-mode figure, with --time the time per
// transition frame (composition and JPEG) with the frames discarded.
#include <chrono>
#include <cstdlib>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "effects/effect_names.h"
#include "effects/effect_table.h"
#include "effects/frame_handoff.h"
#include "imaging/caption.h"
#include "imaging/caption_fonts.h"
#include "platform/files.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo::cli {
namespace {

// Writes each frame it receives as frame_NNNN.png in a folder (or discards it).
class FolderFrameSink : public FrameSink {
 public:
  explicit FolderFrameSink(std::string folder) : folder_(std::move(folder)) {}

  bool writeFrame(const unsigned char* bytes, size_t length) override { return save(bytes, length); }
  bool repeatFrame(const unsigned char* bytes, size_t length) override { return save(bytes, length); }
  int frames() const { return frames_; }

 private:
  bool save(const unsigned char* bytes, size_t length) {
    ++frames_;
    if (folder_.empty()) return true;
    WandPtr frame(NewMagickWand());
    if (MagickReadImageBlob(frame.get(), bytes, length) == MagickFalse) return false;
    return writeImageFile(frame.get(), joinPath(folder_, strprintf("frame_%04d.png", frames_)));
  }

  std::string folder_;
  int frames_ = 0;
};

WandPtr builtinOnCanvas(const char* name, int width, int height) {
  WandPtr picture = readBuiltinPicture(name, "#000000");
  return picture ? fitToCanvas(width, height, picture.get(), "#000000") : nullptr;
}

std::unique_ptr<CaptionOverlay> captionFor(const std::string& text, int width, int height) {
  std::string fontFile = captionFontFile("");
  if (text.empty() || fontFile.empty()) return nullptr;
  CaptionRequest request;
  request.canvasWidth = width;
  request.canvasHeight = height;
  request.text = text;
  request.bandColour = "#000000";
  request.textColour = "#ffffff";
  request.fontFile = fontFile;
  return renderCaption(request);
}

}  // namespace

int runFrames(const Args& args) {
  auto effect = args.value("effect");
  if (!effect) {
    complain(localText("用法: pictavo-cli frames --effect N [--size 宽x高] [--hold H] [--caption 文字] [--out 文件夹] [--count] [--time]"));
    return 2;
  }
  int index = std::atoi(effect->c_str());
  int width = 1280, height = 720;
  if (!parseCanvasSize(args.value("size").value_or("1280x720"), &width, &height)) return 2;
  int hold = std::atoi(args.value("hold").value_or("0").c_str());
  const int counted = countEffectFrames(index, width, height, hold);
  if (args.has("count")) {
    say(strprintf("%d", counted));
    return 0;
  }
  if (!startCore()) return 1;
  std::string folder;
  if (!args.has("time")) {
    auto out = pathArg(args.value("out").value_or("frames"));
    if (!out) return 2;
    folder = *out;
    if (!makeFolders(folder)) {
      complain(localFormat("无法创建文件夹: %s", folder.c_str()));
      return 1;
    }
  }
  auto captionText = utf8ToGb18030(args.value("caption").value_or(""));
  WandPtr previous = builtinOnCanvas("netscape:", width, height);
  WandPtr picture = builtinOnCanvas("logo:", width, height);
  auto caption = captionFor(captionText.value_or(""), width, height);
  FolderFrameSink sink(folder);
  auto started = std::chrono::steady_clock::now();
  FrameHandOn out(sink, caption.get(), hold);
  WandPtr last = runEffect(index, width, height, picture.get(), std::move(previous), out);
  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  if (!last) {
    complain(localText("写入帧时出错"));
    return 1;
  }
  say(strprintf("effect %d ", index) + effectName(index) +
      strprintf(": %d frames (counting mode %d)", sink.frames(), counted));
  if (args.has("time")) {
    int transition = counted - hold;
    say(strprintf("ms_per_transition_frame %.1f", transition > 0 ? ms / transition : 0.0));
  }
  return 0;
}

int runEffects(const Args&) {
  for (int index : effectIndices())
    say(strprintf("%2d ", index) + effectShownName(effectName(index)));
  say(strprintf("%2d ", 99) + effectShownName(effectName(99)));
  return 0;
}

}  // namespace pictavo::cli
