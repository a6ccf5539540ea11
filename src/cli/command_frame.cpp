// pictavo-cli frame: one picture read, turned and fitted onto a canvas, written as the JPEG
// bytes of one video frame.
#include <cstdlib>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "imaging/image.h"
#include "platform/files.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo::cli {
namespace {

// The input fitted on the frame, or the built-in picture when none is given.
WandPtr frameOf(const std::optional<std::string>& input, int width, int height,
                const char* background, int turn, std::string* error) {
  if (input) return pictureOnCanvas(*input, width, height, background, turn, error);
  WandPtr picture = readBuiltinPicture("logo:", background);
  return picture ? fitToCanvas(width, height, picture.get(), background) : nullptr;
}

}  // namespace

int runFrame(const Args& args) {
  if (args.positional.size() != 0 && args.positional.size() != 2) {
    complain(localText("用法: pictavo-cli frame [输入图片 输出.jpg] [--size 宽x高] [--background black|white] [--turn 角度]"));
    return 2;
  }
  int width = 1280, height = 720;
  if (!parseCanvasSize(args.value("size").value_or("1280x720"), &width, &height)) return 2;
  std::string backgroundName = args.value("background").value_or("black");
  if (backgroundName != "black" && backgroundName != "white") {
    complain(localFormat("背景只能是 black 或 white: %s", backgroundName.c_str()));
    return 2;
  }
  const char* background = backgroundName == "black" ? "#000000" : "#ffffff";
  int turn = std::atoi(args.value("turn").value_or("0").c_str());

  std::optional<std::string> input, output = std::string("frame.jpg");
  if (args.positional.size() == 2) {
    input = pathArg(args.positional[0]);
    output = pathArg(args.positional[1]);
    if (!input || !output) return 2;
  }
  if (!startCore()) return 1;

  std::string error;
  WandPtr frame = frameOf(input, width, height, background, turn, &error);
  if (!frame) {
    complain(error.empty() ? localText("图片读取失败") : error);
    return 1;
  }
  ImageBlob jpeg = encodeFrame(frame.get());
  if (jpeg.empty() ||
      !writeWholeFile(*output, std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.length))) {
    complain(localFormat("写入文件时出错: %s", output->c_str()));
    return 1;
  }
  say(strprintf("%s: %dx%d, %zu bytes", output->c_str(), width, height, jpeg.length));
  return 0;
}

}  // namespace pictavo::cli
