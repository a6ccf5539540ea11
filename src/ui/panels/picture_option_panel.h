// The shape the logo and cover panels share: a switch, the chosen picture's path, "选择..."
// and "?". Switching and choosing are undo steps; a chosen file is checked before it is
// taken (picture_file_check.h). A panel adds its own controls after the switch.
#pragma once

#include <QString>
#include <QWidget>

#include "ui/panels/picture_file_check.h"

class QCheckBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace pictavo {

struct PictureOption {
  QString switchText;  // the switch's label
  QString onStep;      // the undo steps of switching on and off
  QString offStep;
  bool ProjectSettings::*on = nullptr;
  QString pathLabel;
  PictureOptionChoice choice;  // what "选择..." asks for and sets
  QString helpTitle;           // the box "?" shows
  QString helpText;
};

class PictureOptionPanel : public QWidget {
  Q_OBJECT

 public:
  // Shows the switch, the path and what the switch enables.
  void showProject();
  // "选择...": chooses, checks and takes (or refuses) the picture.
  void choose();

  QCheckBox* switchBox() const { return switch_; }
  QLineEdit* pathEdit() const { return path_; }
  QPushButton* chooseButton() const { return choose_; }
  QPushButton* helpButton() const { return help_; }

 protected:
  PictureOptionPanel(const PanelServices& services, PictureOption option, QWidget* parent);
  // Builds the row; the panel's own controls go into `row` after the switch (between).
  void build(QHBoxLayout* row);
  virtual void addOwnControls(QHBoxLayout*) {}
  // The panel's own controls, shown and enabled with the switch.
  virtual void showOwnControls(const ProjectSettings&, bool) {}

  PanelServices services_;

 private:
  PictureOption option_;
  QCheckBox* switch_ = nullptr;
  QLineEdit* path_ = nullptr;
  QPushButton* choose_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace pictavo
