#include "project/picture_list.h"

#include "effects/effect_names.h"
#include "imaging/caption_fonts.h"
#include "project/effect_choice.h"
#include "project/service_config.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

// Classification: true when the picture may be added; otherwise `problem` says why.
bool acceptable(const std::string& path, std::string* problem) {
  switch (classifyPicture(path)) {
    case PictureKind::Still: return true;
    case PictureKind::Animated: *problem = localFormat("不支持gif动画图片:\r\n%s", path.c_str()); return false;
    case PictureKind::Unknown: *problem = localFormat("无法识别的图片:\r\n%s", path.c_str()); return false;
    case PictureKind::Unreadable: *problem = localFormat("图片读取失败:\r\n%s", path.c_str()); return false;
  }
  return false;
}

bool thumbnail(const std::string& path, const AddPictureOptions& options, ListIcon* icon,
               std::string* problem) {
  int made = makeListIcon(path, options.iconWidth, options.iconHeight, 0, icon);
  if (made == kIconMade) return true;
  if (made == kIconAnimated)
    *problem = localFormat("不支持gif动画图片:\r\n%s", path.c_str());
  else
    *problem = localFormat("图片读取失败@生成缩略图:\r\n%s\r\n- - -> 请进入官方网站(%s)联系我们的客服。\r\n",
                           path.c_str(), serviceSettings().baseUrl.c_str());
  return false;
}

ImageItem newPicture(const Project& project, const std::string& path) {
  const ProjectSettings& s = project.settings;
  ImageItem item;
  item.path = path;
  item.fileName = baseName(path);
  item.caption.mode = s.captionsOn ? 1 : 0;
  item.caption.location = kDefaultCaptionLocation;
  item.caption.bandColour = colourScheme(s.captionColour).band;
  item.caption.textColour = colourScheme(s.captionColour).text;
  const auto& fonts = captionFonts();
  if (!fonts.empty()) {
    const CaptionFont& font = fonts[s.captionFont >= 0 && s.captionFont < static_cast<int>(fonts.size())
                                        ? s.captionFont
                                        : 0];
    item.caption.fontName = gb18030Prefix(font.name, kFontNameBytes);
  }
  return item;
}

}  // namespace

std::string pictureLimitMessage(const Project& project) {
  return localFormat("最多可以添加 %d 张图片", project.maxPictures);
}

PreparedPicture preparePicture(const std::string& path, const AddPictureOptions& options) {
  PreparedPicture prepared;
  prepared.path = path;
  prepared.usable = acceptable(path, &prepared.problem) &&
                    thumbnail(path, options, &prepared.icon, &prepared.problem);
  return prepared;
}

bool addPreparedPicture(Project& project, const PreparedPicture& prepared,
                        const AddPictureOptions& options) {
  if (static_cast<int>(project.pictures.size()) >= project.maxPictures) {
    infoLog(pictureLimitMessage(project));
    return false;
  }
  if (!prepared.usable) {
    if (!prepared.problem.empty()) infoLog(prepared.problem);
    return false;
  }
  ImageItem item = newPicture(project, prepared.path);
  int count = static_cast<int>(project.pictures.size());
  int position = options.position < 0 || options.position > count ? count : options.position;
  if (options.forceNoAnimation)
    item.setEffect(kNoAnimation);
  else
    chooseEffectForNewPicture(project.pictures, options.position < 0 ? -1 : position, item);
  project.pictures.insert(project.pictures.begin() + position, std::move(item));
  return true;
}

bool addPicture(Project& project, const std::string& path, const AddPictureOptions& options,
                ListIcon* icon) {
  // A full list is refused before the file is read.
  if (static_cast<int>(project.pictures.size()) >= project.maxPictures) {
    infoLog(pictureLimitMessage(project));
    return false;
  }
  PreparedPicture prepared = preparePicture(path, options);
  bool added = addPreparedPicture(project, prepared, options);
  if (added && icon) *icon = std::move(prepared.icon);
  return added;
}

bool removePicture(Project& project, int index) {
  if (index < 0 || index >= static_cast<int>(project.pictures.size())) return false;
  project.pictures.erase(project.pictures.begin() + index);
  return true;
}

}  // namespace pictavo
