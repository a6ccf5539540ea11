#include "video/dispatch.h"

#include <cstdio>
#include <utility>

#include "effects/effect_table.h"
#include "effects/frame_handoff.h"
#include "imaging/caption.h"
#include "imaging/caption_fonts.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/translate.h"
#include "video/picture_preparation.h"

namespace pictavo {
namespace {

std::unique_ptr<CaptionOverlay> prepareCaption(const DispatchContext& context, const ImageItem& item) {
  const CaptionSpec& wanted = item.caption;
  if (!wanted.shown()) return nullptr;
  std::string fontFile = captionFontFile(wanted.fontName);
  if (fontFile.empty()) {
    infoLog(localFormat("没有找到可用的字体，这张图片的文字没有加上:\r\n%s", item.path.c_str()));
    return nullptr;
  }
  CaptionRequest request;
  request.canvasWidth = context.width;
  request.canvasHeight = context.height;
  request.text = wanted.text;
  request.bandColour = colourText(wanted.bandColour);
  request.textColour = colourText(wanted.textColour);
  request.fontFile = fontFile;
  request.fontSize = context.captionPointSize;
  request.location = wanted.location;
  return renderCaption(request, context.margins);
}

}  // namespace

DispatchContext dispatchContextFor(const Project& project, const Preferences& preferences,
                                   FrameSink* sink) {
  DispatchContext context = countingContextFor(project);
  context.background = preferences.frameBackground();
  context.captionPointSize = captionPointSize(project.settings.captionFontSize);
  context.margins = preferences.margins;
  context.sink = sink;
  return context;
}

DispatchContext countingContextFor(const Project& project) {
  DispatchContext context;
  context.width = project.settings.width;
  context.height = project.settings.height;
  context.pauseFrames = project.settings.pauseFrames;
  context.motion = project.settings.motion;
  context.motionStrength = project.settings.motionStrength;
  context.framing = project.settings.framing;
  return context;
}

WandPtr dispatchPicture(const DispatchContext& context, const ImageItem& item, WandPtr previous,
                        int* countOut) {
  if (countOut) {
    *countOut = countEffectFrames(item.animationIndex, context.width, context.height,
                                  context.pauseFrames);
    return nullptr;
  }
  return dispatchPrepared(context, item, preparePicture(context, item), std::move(previous));
}

ViewChoice viewChoiceFor(const DispatchContext& context, const ImageItem& item) {
  ViewChoice choice;
  choice.motion = item.motion >= 0 && item.motion < kMotionCount ? static_cast<Motion>(item.motion)
                                                                 : context.motion;
  if (choice.motion == Motion::Auto) choice.motion = Motion::ZoomIn;
  choice.strength = context.motionStrength;
  choice.framing = context.framing;
  return choice;
}

WandPtr dispatchPrepared(const DispatchContext& context, const ImageItem& item,
                         ReadyPicture picture, WandPtr previous) {
  std::unique_ptr<CaptionOverlay> caption = prepareCaption(context, item);
  FrameHandOn out(*context.sink, caption.get(), context.pauseFrames, picture.moving.get());
  return runEffect(item.animationIndex, context.width, context.height, picture.first.get(),
                   std::move(previous), out);
}

int pictureFrames(const DispatchContext& context, const ImageItem& item) {
  int count = 0;
  dispatchPicture(context, item, nullptr, &count);
  return count;
}

}  // namespace pictavo
