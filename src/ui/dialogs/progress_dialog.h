// The progress window of a generation run: a bar, the counter line and the stop button.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pictavo {

class ProgressDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ProgressDialog(QWidget* parent = nullptr);

  // A new run of `total` pictures: the bar at 0, the counter at the first picture, the stop
  // button ready.
  void begin(int total);
  // Picture `number` (from 1) is being made.
  void showPicture(int number);

  QString counterText() const;
  QPushButton* stopButton() const { return stop_; }

 signals:
  void stopRequested();

 protected:
  // Closing the window is the same as pressing the stop button.
  void reject() override;

 private:
  void requestStop();

  int total_ = 0;
  QProgressBar* bar_;
  QPushButton* stop_;
  QLabel* counter_;
};

}  // namespace pictavo
