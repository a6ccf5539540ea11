#include "ui/panels/logo_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include "app/qt_text.h"
#include "project/caption_styles.h"
#include "ui/commands/project_edit_command.h"
#include "ui/panels/panel_controls.h"

namespace pictavo {
namespace {

PictureOption logoOption() {
  return {QObject::tr("加图标"),
          QObject::tr("加图标"),
          QObject::tr("不加图标"),
          &ProjectSettings::logoOn,
          QObject::tr("图标："),
          {QObject::tr("选择图片"), QObject::tr("PNG图片 (*.PNG *.png)"), QObject::tr("选择图标"),
           true, &ProjectSettings::logoPath},
          QObject::tr("关于图标"),
          QObject::tr("PNG、JPG格式的图片都可以做图标。\n\n建议：使用 [透明背景的PNG图片] 做图标，效果更好。"
                      "\n\n注意：图标的尺寸不能大于视频的尺寸。")};
}

}  // namespace

LogoPanel::LogoPanel(Session& session, UserPrompts& prompts, FileChoosers& choosers,
                     QWidget* parent)
    : PictureOptionPanel({session, prompts, choosers}, logoOption(), parent) {
  build(new QHBoxLayout(this));
  showProject();
}

void LogoPanel::addOwnControls(QHBoxLayout* row) {
  location_ = labelledList(tr("位置："), row, this);
  for (int i = 0; i < kLogoLocationCount; ++i) location_->addItem(fromCore(logoLocationLabel(i)));
  connect(location_, &QComboBox::currentIndexChanged, this, [this](int location) {
    if (location < 0) return;
    editProject(services_.session, tr("图标位置"),
                [location](Project& p) { p.settings.logoLocation = location; });
  });
}

void LogoPanel::showOwnControls(const ProjectSettings& s, bool on) {
  {
    QSignalBlocker quiet(location_);
    location_->setCurrentIndex(s.logoLocation >= 0 && s.logoLocation < kLogoLocationCount
                                   ? s.logoLocation
                                   : kDefaultLogoLocation);
  }
  location_->setEnabled(on);
}

}  // namespace pictavo
