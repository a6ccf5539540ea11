#include "ui/dialogs/custom_size_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "app/user_prompts.h"
#include "ui/dialogs/dialog_buttons.h"

namespace pictavo {
namespace {

constexpr int kMinSide = 128;
constexpr int kMaxWidth = 3840;
constexpr int kMaxHeight = 2160;

QLineEdit* sideEdit(const QString& name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setAccessibleName(name);
  edit->setObjectName(name);
  edit->setAlignment(Qt::AlignCenter);
  edit->setMaxLength(4);
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  return edit;
}

}  // namespace

CustomSizeDialog::CustomSizeDialog(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
  setWindowTitle(tr("自定义视频尺寸"));
  setModal(true);
  width_ = sideEdit(tr("宽："), this);
  height_ = sideEdit(tr("高："), this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(tr("设置输出视频的尺寸："), this), 0, 0, 1, 4);
  grid->addWidget(new QLabel(tr("宽："), this), 1, 0);
  grid->addWidget(width_, 1, 1);
  grid->addWidget(new QLabel(tr("高："), this), 1, 2);
  grid->addWidget(height_, 1, 3);
  grid->addWidget(okCancelButtons(this), 2, 0, 1, 4);
  setFixedSize(336, 90);
}

void CustomSizeDialog::prepare() {
  width_->clear();
  height_->clear();
  width_->setFocus();
}

std::optional<QSize> CustomSizeDialog::ask() {
  prepare();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return chosen_;
}

// Checks in a fixed order: both fields present, both even, then the width's range before
// the height's.
QString CustomSizeDialog::firstProblem(QLineEdit** field) const {
  const int w = width_->text().toInt();
  const int h = height_->text().toInt();
  struct Check {
    bool failed;
    QLineEdit* field;
    QString message;
  };
  const Check checks[] = {
      {width_->text().isEmpty(), width_, tr("请输入视频的宽度")},
      {height_->text().isEmpty(), height_, tr("请输入视频的高度")},
      {w % 2 != 0, width_, tr("视频的宽度必须是偶数(能被2整除)")},
      {h % 2 != 0, height_, tr("视频的高度必须是偶数(能被2整除)")},
      {w < kMinSide || w > kMaxWidth, width_, tr("视频的宽度必须在 128 - 3840 之间")},
      {h < kMinSide || h > kMaxHeight, height_, tr("视频的高度必须在 128 - 2160 之间")},
  };
  for (const Check& check : checks) {
    if (!check.failed) continue;
    *field = check.field;
    return check.message;
  }
  return QString();
}

void CustomSizeDialog::accept() {
  QLineEdit* field = nullptr;
  QString problem = firstProblem(&field);
  if (!problem.isEmpty()) {
    prompts_.message(this, QMessageBox::Warning, tr("提示"), problem);
    field->setFocus();
    return;
  }
  chosen_ = QSize(width_->text().toInt(), height_->text().toInt());
  QDialog::accept();
}

}  // namespace pictavo
