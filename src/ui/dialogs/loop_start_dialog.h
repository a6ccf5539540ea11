// "图片循环播放设置": the effect the first picture gets when the pictures play again and it
// has "无动画". Confirming writes the preference at once; it is no step of the project's
// undo history.
#pragma once

#include <QDialog>

class QComboBox;

namespace pictavo {

class Session;

class LoopStartDialog : public QDialog {
  Q_OBJECT

 public:
  LoopStartDialog(Session& session, QWidget* parent);

  // Selects the current effect and runs the dialog.
  void run();
  // Selects the entry of the current loop-start effect (every opening does this).
  void prepare();

  QComboBox* effectList() const { return effects_; }

  void accept() override;

 private:
  Session& session_;
  QComboBox* effects_;
};

}  // namespace pictavo
