#include "project/project_model.h"

#include "effects/effect_names.h"
#include "project/pause_table.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {

void ImageItem::setEffect(int index) {
  animationIndex = index;
  animationName = effectName(index);
}

void ProjectSettings::selectSize(const SizeList& sizes, int index) {
  videoSize = index >= 0 && index < sizes.count() ? index : 0;
  width = sizes.at(videoSize).width;
  height = sizes.at(videoSize).height;
}

void ProjectSettings::selectPause(int index) {
  pauseIndex = index;
  pauseFrames = pauseFramesForIndex(index);
  customPauseText.clear();
}

void ProjectSettings::applyPauseText(const std::string& text) {
  customPauseText = text;
  pauseFrames = pauseFramesForText(text);
}

Motion shownMotion(const ProjectSettings& settings, const ImageItem& item, int position) {
  Motion motion = item.motion >= 0 && item.motion < kMotionCount ? static_cast<Motion>(item.motion)
                                                                 : settings.motion;
  if (motion != Motion::Auto) return motion;
  return position % 2 == 0 ? Motion::ZoomIn : Motion::ZoomOut;
}

std::string Project::title() const { return path.empty() ? localText("新项目") : baseName(path); }

void Project::clear() {
  pictures.clear();
  settings = ProjectSettings();
  path.clear();
}

}  // namespace pictavo
