#include "ui/panels/logo_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "project/caption_styles.h"
#include "ui/commands/project_edit_command.h"
#include "ui/file_choosers.h"
#include "ui/panels/panel_controls.h"
#include "ui/panels/picture_file_check.h"

namespace pictavo {

LogoPanel::LogoPanel(Session& session, UserPrompts& prompts, FileChoosers& choosers,
                     QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts), choosers_(choosers) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 0, 4, 0);
  logo_ = panelCheckBox(tr("加图标"), this);
  row->addWidget(logo_);
  location_ = labelledList(tr("位置："), row, this);
  for (int i = 0; i < kLogoLocationCount; ++i) location_->addItem(fromCore(logoLocationLabel(i)));
  path_ = labelledPath(tr("图标："), row, this);
  choose_ = panelButton(tr("选择..."), this);
  help_ = panelButton(tr("?"), this);
  help_->setFixedWidth(24);
  row->addWidget(choose_);
  row->addWidget(help_);

  connect(logo_, &QCheckBox::clicked, this, [this](bool on) {
    editProject(session_, on ? tr("加图标") : tr("不加图标"),
                [on](Project& p) { p.settings.logoOn = on; });
    showProject();
  });
  connect(location_, &QComboBox::currentIndexChanged, this, [this](int location) {
    if (location < 0) return;
    editProject(session_, tr("图标位置"), [location](Project& p) { p.settings.logoLocation = location; });
  });
  connect(choose_, &QPushButton::clicked, this, &LogoPanel::chooseLogo);
  connect(help_, &QPushButton::clicked, this, [this] {
    prompts_.message(this, QMessageBox::Information, tr("关于图标"),
                     tr("PNG、JPG格式的图片都可以做图标。\n\n建议：使用 [透明背景的PNG图片] 做图标，效果更好。"
                        "\n\n注意：图标的尺寸不能大于视频的尺寸。"));
  });
  showProject();
}

void LogoPanel::chooseLogo() {
  choosePictureOption({session_, prompts_, choosers_}, choose_,
                      {tr("选择图片"), tr("PNG图片 (*.PNG *.png)"), tr("选择图标"), true,
                       &ProjectSettings::logoPath});
  showProject();
}

void LogoPanel::showProject() {
  const ProjectSettings& s = session_.project().settings;
  {
    const QSignalBlocker quiet[] = {QSignalBlocker(logo_), QSignalBlocker(location_)};
    logo_->setChecked(s.logoOn);
    location_->setCurrentIndex(s.logoLocation >= 0 && s.logoLocation < kLogoLocationCount
                                   ? s.logoLocation
                                   : kDefaultLogoLocation);
  }
  path_->setText(fromCore(s.logoPath));
  for (QWidget* w : std::initializer_list<QWidget*>{location_, path_, choose_, help_})
    w->setEnabled(s.logoOn);
}

}  // namespace pictavo
