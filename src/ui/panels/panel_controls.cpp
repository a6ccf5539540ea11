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

namespace {

// The label and the control it names, side by side in `row`.
template <typename Control>
Control* labelled(const QString& label, Control* control, QBoxLayout* row, int stretch) {
  auto* caption = new QLabel(label, control->parentWidget());
  control->setAccessibleName(label);
  caption->setBuddy(control);
  row->addWidget(caption);
  row->addWidget(control, stretch);
  return control;
}

}  // namespace

QComboBox* labelledList(const QString& label, QBoxLayout* row, QWidget* parent) {
  return labelled(label, new QComboBox(parent), row, 0);
}

QLineEdit* labelledPath(const QString& label, QBoxLayout* row, QWidget* parent) {
  auto* path = labelled(label, new QLineEdit(parent), row, 1);
  path->setReadOnly(true);
  return path;
}

}  // namespace pictavo
