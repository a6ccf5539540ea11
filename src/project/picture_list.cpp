#include "project/picture_list.h"

#include "effects/effect_names.h"
#include "imaging/caption_fonts.h"
#include "project/effect_choice.h"
#include "project/service_config.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

void report(const char* utf8Format, const std::string& path) {
  infoLog(gbk(utf8Format) + path);
}

// Classification: true when the picture may be added; otherwise reports why.
bool acceptable(const std::string& path) {
  switch (classifyPicture(path)) {
    case PictureKind::Still: return true;
    case PictureKind::Animated: report("不支持gif动画图片:\r\n", path); return false;
    case PictureKind::Unknown: report("无法识别的图片:\r\n", path); return false;
    case PictureKind::Unreadable: report("图片读取失败:\r\n", path); return false;
  }
  return false;
}

bool thumbnail(const std::string& path, const AddPictureOptions& options, ListIcon* icon) {
  ListIcon scratch;
  int made = makeListIcon(path, options.iconWidth, options.iconHeight, 0, icon ? icon : &scratch);
  if (made == kIconMade) return true;
  if (made == kIconAnimated) {
    report("不支持gif动画图片:\r\n", path);
  } else {
    infoLog(gbk("图片读取失败@生成缩略图:\r\n") + path + gbk("\r\n- - -> 请进入官方网站(") +
            serviceSettings().baseUrl + gbk(")联系我们的客服。\r\n"));
  }
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
  return strprintf(gbk("最多可以添加 %d 张图片").c_str(), project.maxPictures);
}

bool addPicture(Project& project, const std::string& path, const AddPictureOptions& options,
                ListIcon* icon) {
  if (static_cast<int>(project.pictures.size()) >= project.maxPictures) {
    infoLog(pictureLimitMessage(project));
    return false;
  }
  if (!acceptable(path) || !thumbnail(path, options, icon)) return false;
  ImageItem item = newPicture(project, path);
  int count = static_cast<int>(project.pictures.size());
  int position = options.position < 0 || options.position > count ? count : options.position;
  if (options.forceNoAnimation)
    item.setEffect(kNoAnimation);
  else
    chooseEffectForNewPicture(project.pictures, options.position < 0 ? -1 : position, item);
  project.pictures.insert(project.pictures.begin() + position, std::move(item));
  return true;
}

bool removePicture(Project& project, int index) {
  if (index < 0 || index >= static_cast<int>(project.pictures.size())) return false;
  project.pictures.erase(project.pictures.begin() + index);
  return true;
}

}  // namespace pictavo
