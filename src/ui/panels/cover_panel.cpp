#include "ui/panels/cover_panel.h"

#include <QHBoxLayout>

namespace pictavo {
namespace {

// The cover may be any PNG or JPEG; the cover tool converts what it needs.
PictureOption coverOption() {
  return {QObject::tr("设置封面：文件管理器中显示的视频缩略图"),
          QObject::tr("设置封面"),
          QObject::tr("不设置封面"),
          &ProjectSettings::coverOn,
          QObject::tr("图片："),
          {QObject::tr("选择封面图片"), QObject::tr("图片 (*.JPG *.PNG *.jpg *.png)"),
           QObject::tr("选择封面"), false, &ProjectSettings::coverPath},
          QObject::tr("关于【设置封面】选项"),
          QObject::tr("【设置封面】是 v7.0 版本新增的实验性选项，用于设置生成的视频在文件管理器中"
                      "显示的缩略图效果。\n\n特别提示：\n文件管理器里的视频缩略图显示效果与文件管理器"
                      "及其缩略图设置有关，因此该选项是否有效最终由所用的文件管理器决定。")};
}

}  // namespace

CoverPanel::CoverPanel(Session& session, UserPrompts& prompts, FileChoosers& choosers,
                       QWidget* parent)
    : PictureOptionPanel({session, prompts, choosers}, coverOption(), parent) {
  build(new QHBoxLayout(this));
  showProject();
}

}  // namespace pictavo
