#include "ui/panels/picture_option_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "ui/commands/project_edit_command.h"
#include "ui/panels/panel_controls.h"

namespace pictavo {

PictureOptionPanel::PictureOptionPanel(const PanelServices& services, PictureOption option,
                                       QWidget* parent)
    : QWidget(parent), services_(services), option_(std::move(option)) {}

void PictureOptionPanel::build(QHBoxLayout* row) {
  row->setContentsMargins(4, 0, 4, 0);
  switch_ = panelCheckBox(option_.switchText, this);
  row->addWidget(switch_);
  addOwnControls(row);
  path_ = labelledPath(option_.pathLabel, row, this);
  choose_ = panelButton(tr("选择..."), this);
  help_ = panelButton(tr("?"), this);
  help_->setFixedWidth(24);
  row->addWidget(choose_);
  row->addWidget(help_);

  connect(switch_, &QCheckBox::clicked, this, [this](bool on) {
    editProject(services_.session, on ? option_.onStep : option_.offStep,
                [this, on](Project& p) { p.settings.*option_.on = on; });
    showProject();
  });
  connect(choose_, &QPushButton::clicked, this, &PictureOptionPanel::choose);
  connect(help_, &QPushButton::clicked, this, [this] {
    services_.prompts.message(this, QMessageBox::Information, option_.helpTitle, option_.helpText);
  });
}

void PictureOptionPanel::choose() {
  choosePictureOption(services_, choose_, option_.choice);
  showProject();
}

void PictureOptionPanel::showProject() {
  const ProjectSettings& s = services_.session.project().settings;
  const bool on = s.*option_.on;
  {
    QSignalBlocker quiet(switch_);
    switch_->setChecked(on);
  }
  path_->setText(fromCore(s.*option_.choice.path));
  for (QWidget* w : std::initializer_list<QWidget*>{path_, choose_, help_}) w->setEnabled(on);
  showOwnControls(s, on);
}

}  // namespace pictavo
