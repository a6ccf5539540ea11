// The logo panel: "加图标", the logo's corner and its file. The file is checked before it is
// taken: PNG or an RGB JPEG only. Every change is one step of the undo history.
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace pictavo {

class FileChoosers;
class Session;
class UserPrompts;

class LogoPanel : public QWidget {
  Q_OBJECT

 public:
  LogoPanel(Session& session, UserPrompts& prompts, FileChoosers& choosers, QWidget* parent);

  void showProject();
  // "选择...": chooses, checks and takes (or refuses) the logo file.
  void chooseLogo();

  QCheckBox* logoBox() const { return logo_; }
  QComboBox* locationList() const { return location_; }
  QLineEdit* pathEdit() const { return path_; }
  QPushButton* chooseButton() const { return choose_; }

 private:
  Session& session_;
  UserPrompts& prompts_;
  FileChoosers& choosers_;
  QCheckBox* logo_;
  QComboBox* location_;
  QLineEdit* path_;
  QPushButton* choose_;
  QPushButton* help_;
};

}  // namespace pictavo
