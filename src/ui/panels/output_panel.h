// The output panel: the video size (with custom sizes), the picture pause, or the computed
// pause while the automatic pause time is on, the pictures' framing and motion, and a second
// "生成视频" button. Every change
// is one step of the undo history.
#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace pictavo {

class CustomSizeDialog;
class MotionControls;
class Session;

class OutputPanel : public QWidget {
  Q_OBJECT

 public:
  // `generate`: the toolbar's "生成视频", which the panel's button triggers.
  OutputPanel(Session& session, CustomSizeDialog& customSize, QAction* generate, QWidget* parent);

  void showProject();

  QComboBox* sizeList() const { return sizes_; }
  QComboBox* pauseList() const { return pauses_; }
  QLineEdit* pauseText() const { return pauseText_; }
  QPushButton* generateButton() const { return generate_; }
  MotionControls& motion() const { return *motion_; }

 private:
  void chooseSize(int index);
  void chooseCustomSize();
  void choosePause(int index);
  void fillSizes();

  Session& session_;
  CustomSizeDialog& customSize_;
  QComboBox* sizes_;
  QStackedWidget* pauseStack_;
  QComboBox* pauses_;
  QLineEdit* pauseText_;
  QPushButton* generate_;
  MotionControls* motion_;
};

}  // namespace pictavo
