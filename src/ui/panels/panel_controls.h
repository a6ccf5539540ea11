// Building blocks the option panels share: labelled controls whose accessible names are
// the labels the user sees.
#pragma once

#include <QString>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pictavo {

QCheckBox* panelCheckBox(const QString& text, QWidget* parent);
QPushButton* panelButton(const QString& text, QWidget* parent);
// A label and its drop-down list, added to `row`; the list is named after the label.
QComboBox* labelledList(const QString& label, QBoxLayout* row, QWidget* parent);
// A label and its read-only path field, added to `row`.
QLineEdit* labelledPath(const QString& label, QBoxLayout* row, QWidget* parent);

}  // namespace pictavo
