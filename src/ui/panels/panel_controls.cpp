#include "ui/panels/panel_controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pictavo {

QCheckBox* panelCheckBox(const QString& text, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setAccessibleName(text);
  return box;
}

QPushButton* panelButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setAccessibleName(text);
  return button;
}

QComboBox* labelledList(const QString& label, QBoxLayout* row, QWidget* parent) {
  auto* caption = new QLabel(label, parent);
  auto* list = new QComboBox(parent);
  list->setAccessibleName(label);
  caption->setBuddy(list);
  row->addWidget(caption);
  row->addWidget(list);
  return list;
}

QLineEdit* labelledPath(const QString& label, QBoxLayout* row, QWidget* parent) {
  auto* caption = new QLabel(label, parent);
  auto* path = new QLineEdit(parent);
  path->setAccessibleName(label);
  path->setReadOnly(true);
  caption->setBuddy(path);
  row->addWidget(caption);
  row->addWidget(path, 1);
  return path;
}

}  // namespace pictavo
