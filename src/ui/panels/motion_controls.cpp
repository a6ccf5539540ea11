#include "ui/panels/motion_controls.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QSignalBlocker>

#include "app/session.h"
#include "ui/commands/project_edit_command.h"
#include "ui/panels/panel_controls.h"

namespace pictavo {
namespace {

// The strengths offered, in percent.
constexpr int kStrengthStep = 2;

}  // namespace

QStringList MotionControls::motionNames() {
  return {tr("静止"), tr("自动"), tr("推近"), tr("拉远"), tr("向左移动"), tr("向右移动"), tr("向上移动"),
          tr("向下移动")};
}

MotionControls::MotionControls(Session& session, QBoxLayout* row, QWidget* parent)
    : QObject(parent), session_(session) {
  framing_ = labelledList(tr("画面："), row, parent);
  framing_->addItems({tr("适应"), tr("填满"), tr("模糊背景")});
  motion_ = labelledList(tr("动感："), row, parent);
  motion_->addItems(motionNames());
  strength_ = labelledList(tr("幅度："), row, parent);
  for (int percent = kMinMotionStrength; percent <= kMaxMotionStrength; percent += kStrengthStep)
    strength_->addItem(QStringLiteral("%1%").arg(percent), percent);

  connect(framing_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    editProject(session_, tr("画面"), [index](Project& p) { p.settings.framing = static_cast<Framing>(index); });
    showProject();
  });
  connect(motion_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    editProject(session_, tr("动感"), [index](Project& p) { p.settings.motion = static_cast<Motion>(index); });
    showProject();
  });
  connect(strength_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    const int percent = strength_->itemData(index).toInt();
    editProject(session_, tr("动感幅度"), [percent](Project& p) { p.settings.motionStrength = percent; });
    showProject();
  });
  showProject();
}

void MotionControls::showProject() {
  const ProjectSettings& s = session_.project().settings;
  const QSignalBlocker quiet[] = {QSignalBlocker(framing_), QSignalBlocker(motion_),
                                  QSignalBlocker(strength_)};
  framing_->setCurrentIndex(static_cast<int>(s.framing));
  motion_->setCurrentIndex(static_cast<int>(s.motion));
  int strength = strength_->findData(s.motionStrength);
  strength_->setCurrentIndex(strength >= 0 ? strength : strength_->findData(kDefaultMotionStrength));
  strength_->setEnabled(s.motion != Motion::Off);
}

}  // namespace pictavo
