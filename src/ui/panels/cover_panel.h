// The cover panel: whether the finished video gets a cover picture, and which (PNG or
// JPEG). Every change is one step of the undo history.
#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pictavo {

class FileChoosers;
class Session;
class UserPrompts;

class CoverPanel : public QWidget {
  Q_OBJECT

 public:
  CoverPanel(Session& session, UserPrompts& prompts, FileChoosers& choosers, QWidget* parent);

  void showProject();
  // "选择...": chooses, checks and takes (or refuses) the cover picture.
  void chooseCover();

  QCheckBox* coverBox() const { return cover_; }
  QLineEdit* pathEdit() const { return path_; }
  QPushButton* chooseButton() const { return choose_; }
  QPushButton* helpButton() const { return help_; }

 private:
  Session& session_;
  UserPrompts& prompts_;
  FileChoosers& choosers_;
  QCheckBox* cover_;
  QLineEdit* path_;
  QPushButton* choose_;
  QPushButton* help_;
};

}  // namespace pictavo
