// The status bar's four parts: the number of pictures, the selection and progress line,
// the audio length and the video length.
#pragma once

#include <QStatusBar>

class QLabel;

namespace pictavo {

class MainStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit MainStatusBar(QWidget* parent = nullptr);

  void setPictureCount(int count);
  void setMessage(const QString& text);  // part 1: selection, progress, drops
  void setAudioLength(const QString& hms);
  void setVideoLength(const QString& hms);

  QString pictureCountText() const;
  QString messageText() const;

 private:
  QLabel* count_;
  QLabel* message_;
  QLabel* audio_;
  QLabel* video_;
};

}  // namespace pictavo
