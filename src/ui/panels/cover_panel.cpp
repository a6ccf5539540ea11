#include "ui/panels/cover_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "ui/commands/project_edit_command.h"
#include "ui/file_choosers.h"
#include "ui/panels/panel_controls.h"
#include "ui/panels/picture_file_check.h"

namespace pictavo {

CoverPanel::CoverPanel(Session& session, UserPrompts& prompts, FileChoosers& choosers,
                       QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts), choosers_(choosers) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 0, 4, 0);
  cover_ = panelCheckBox(tr("设置封面：文件管理器中显示的视频缩略图"), this);
  row->addWidget(cover_);
  path_ = labelledPath(tr("图片："), row, this);
  choose_ = panelButton(tr("选择..."), this);
  help_ = panelButton(tr("?"), this);
  help_->setFixedWidth(24);
  row->addWidget(choose_);
  row->addWidget(help_);

  connect(cover_, &QCheckBox::clicked, this, [this](bool on) {
    editProject(session_, on ? tr("设置封面") : tr("不设置封面"),
                [on](Project& p) { p.settings.coverOn = on; });
    showProject();
  });
  connect(choose_, &QPushButton::clicked, this, &CoverPanel::chooseCover);
  connect(help_, &QPushButton::clicked, this, [this] {
    prompts_.message(this, QMessageBox::Information, tr("关于【设置封面】选项"),
                     tr("【设置封面】是 v7.0 版本新增的实验性选项，用于设置生成的视频在文件管理器中"
                        "显示的缩略图效果。\n\n特别提示：\n文件管理器里的视频缩略图显示效果与文件管理器"
                        "及其缩略图设置有关，因此该选项是否有效最终由所用的文件管理器决定。"));
  });
  showProject();
}

// The cover may be any PNG or JPEG; the cover tool converts what it needs.
void CoverPanel::chooseCover() {
  choosePictureOption({session_, prompts_, choosers_}, choose_,
                      {tr("选择封面图片"), tr("图片 (*.JPG *.PNG *.jpg *.png)"), tr("选择封面"),
                       false, &ProjectSettings::coverPath});
  showProject();
}

void CoverPanel::showProject() {
  const ProjectSettings& s = session_.project().settings;
  {
    QSignalBlocker quiet(cover_);
    cover_->setChecked(s.coverOn);
  }
  path_->setText(fromCore(s.coverPath));
  for (QWidget* w : std::initializer_list<QWidget*>{path_, choose_, help_}) w->setEnabled(s.coverOn);
}

}  // namespace pictavo
