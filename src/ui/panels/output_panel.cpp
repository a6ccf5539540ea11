#include "ui/panels/output_panel.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>

#include "app/qt_text.h"
#include "app/session.h"
#include "project/pause_table.h"
#include "ui/commands/project_edit_command.h"
#include "ui/dialogs/custom_size_dialog.h"
#include "ui/panels/motion_controls.h"
#include "ui/panels/panel_controls.h"
#include "video/auto_pause.h"

namespace pictavo {
namespace {

// The pause list drops down far enough to show all its entries at once.
constexpr int kPauseListVisible = 40;

}  // namespace

OutputPanel::OutputPanel(Session& session, CustomSizeDialog& customSize, QAction* generate,
                         QWidget* parent)
    : QWidget(parent), session_(session), customSize_(customSize) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 0, 4, 0);
  sizes_ = labelledList(tr("视频尺寸："), row, this);
  sizes_->setMinimumWidth(170);

  const QString pauseLabel = tr("图片停顿：");
  auto* caption = new QLabel(pauseLabel, this);
  pauseStack_ = new QStackedWidget(this);
  pauses_ = new QComboBox(pauseStack_);
  pauses_->setAccessibleName(pauseLabel);
  pauses_->setMaxVisibleItems(kPauseListVisible);
  for (int i = 0; i < kPauseCount; ++i) pauses_->addItem(fromCore(pictavo::pauseShownLabel(i)));
  pauseText_ = new QLineEdit(pauseStack_);
  pauseText_->setObjectName(QStringLiteral("pauseText"));
  pauseText_->setAccessibleName(pauseLabel);
  pauseText_->setReadOnly(true);
  pauseStack_->addWidget(pauses_);
  pauseStack_->addWidget(pauseText_);
  pauseStack_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  caption->setBuddy(pauses_);
  row->addWidget(caption);
  row->addWidget(pauseStack_);
  motion_ = new MotionControls(session, row, this);
  row->addStretch(1);
  generate_ = panelButton(tr("生成视频"), this);
  row->addWidget(generate_);

  connect(sizes_, &QComboBox::currentIndexChanged, this, &OutputPanel::chooseSize);
  connect(pauses_, &QComboBox::currentIndexChanged, this, &OutputPanel::choosePause);
  connect(generate_, &QPushButton::clicked, generate, &QAction::trigger);
  showProject();
}

void OutputPanel::fillSizes() {
  const SizeList& list = session_.project().sizes;
  sizes_->clear();
  for (int i = 0; i < list.count(); ++i) sizes_->addItem(fromCore(list.at(i).label));
  sizes_->addItem(tr("自定义..."));
}

void OutputPanel::chooseSize(int index) {
  if (index < 0) return;
  if (index == sizes_->count() - 1) {
    chooseCustomSize();
    return;
  }
  editProject(session_, tr("视频尺寸"),
              [index](Project& p) { p.settings.selectSize(p.sizes, index); });
  showProject();
}

// A new size joins the list before "自定义..."; a size already listed is selected; a
// cancelled dialog leaves the previous entry selected.
void OutputPanel::chooseCustomSize() {
  if (std::optional<QSize> size = customSize_.ask()) {
    editProject(session_, tr("自定义视频尺寸"), [&](Project& p) {
      p.settings.selectSize(p.sizes, p.sizes.addCustom(size->width(), size->height()));
    });
  }
  showProject();
}

void OutputPanel::choosePause(int index) {
  if (index < 0) return;
  editProject(session_, tr("图片停顿"), [index](Project& p) { p.settings.selectPause(index); });
  showProject();
}

void OutputPanel::showProject() {
  const Project& project = session_.project();
  const ProjectSettings& s = project.settings;
  {
    const QSignalBlocker quiet[] = {QSignalBlocker(sizes_), QSignalBlocker(pauses_)};
    fillSizes();  // undo and redo take custom sizes away and back
    sizes_->setCurrentIndex(s.videoSize >= 0 && s.videoSize < project.sizes.count() ? s.videoSize : 0);
    pauses_->setCurrentIndex(s.pauseIndex >= 0 && s.pauseIndex < kPauseCount ? s.pauseIndex
                                                                            : kDefaultPauseIndex);
  }
  const bool automatic = autoPauseApplies(s);
  pauseText_->setText(fromCore(s.customPauseText));
  pauseStack_->setCurrentWidget(automatic ? static_cast<QWidget*>(pauseText_) : pauses_);
  generate_->setEnabled(!project.pictures.empty());
  motion_->showProject();
}

}  // namespace pictavo
