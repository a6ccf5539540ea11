#include "ui/dialogs/progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace pictavo {
namespace {

QString counterLine(int total, int number) {
  return QObject::tr("共 %1 张图片，正在处理第 %2 张。").arg(total).arg(number);
}

}  // namespace

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      bar_(new QProgressBar(this)),
      stop_(new QPushButton(tr("停止"), this)),
      counter_(new QLabel(counterLine(0, 0), this)) {
  setWindowTitle(tr("处理进度"));
  setFixedSize(353, 82);
  bar_->setGeometry(16, 22, 239, 23);
  bar_->setTextVisible(false);
  bar_->setAccessibleName(tr("处理进度"));
  stop_->setGeometry(265, 21, 66, 25);
  counter_->setGeometry(16, 55, 318, 21);
  connect(stop_, &QPushButton::clicked, this, &ProgressDialog::requestStop);
}

void ProgressDialog::begin(int total) {
  total_ = total;
  stop_->setText(tr("停止"));
  stop_->setEnabled(true);
  bar_->setRange(0, total);
  bar_->setValue(0);
  counter_->setText(counterLine(total, 1));
}

void ProgressDialog::showPicture(int number) {
  counter_->setText(counterLine(total_, number));
  bar_->setValue(number - 1);
}

QString ProgressDialog::counterText() const { return counter_->text(); }

void ProgressDialog::reject() { requestStop(); }

void ProgressDialog::requestStop() {
  if (!stop_->isEnabled()) return;
  stop_->setText(tr("停止中..."));
  stop_->setEnabled(false);
  emit stopRequested();
}

}  // namespace pictavo
