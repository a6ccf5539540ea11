#include "ui/dialogs/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace pictavo {

QWidget* okCancelButtons(QDialog* dialog) {
  auto* box = new QDialogButtonBox(dialog);
  QPushButton* ok = box->addButton(QObject::tr("确定"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = box->addButton(QObject::tr("取消"), QDialogButtonBox::RejectRole);
  ok->setAccessibleName(ok->text());
  cancel->setAccessibleName(cancel->text());
  ok->setDefault(true);
  QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return box;
}

}  // namespace pictavo
