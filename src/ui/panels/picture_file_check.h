// The logo and cover choosers: the check they make before taking a file (its header must
// be PNG or JPEG, and a logo must not be a CMYK JPEG, which the encoder's overlay cannot
// use) and the choice itself.
#pragma once

#include <QMessageBox>
#include <QString>

#include <string>

#include "project/project_model.h"

class QPushButton;

namespace pictavo {

class FileChoosers;
class Session;
class UserPrompts;

struct PictureFileRefusal {
  QMessageBox::Icon icon = QMessageBox::Warning;
  QString caption;  // empty when the file is accepted
  QString text;
  bool refused() const { return !caption.isEmpty(); }
};

// `logo`: a CMYK JPEG is refused too.
PictureFileRefusal checkPictureFile(const QString& path, bool logo);

// What a panel's "选择..." button chooses: the chooser's title and filter, the name of the
// undo step and the path option it sets.
struct PictureOptionChoice {
  QString title;
  QString filter;
  QString stepName;
  bool logo = false;
  std::string ProjectSettings::*path = nullptr;
};

// What a panel reaches the program through.
struct PanelServices {
  Session& session;
  UserPrompts& prompts;
  FileChoosers& choosers;
};

// Runs the chooser and sets the path option to the accepted file. A refused file is
// explained, the option emptied and the focus put back on `chooseButton`.
void choosePictureOption(const PanelServices& services, QPushButton* chooseButton,
                         const PictureOptionChoice& choice);

}  // namespace pictavo
