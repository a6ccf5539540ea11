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
  // Parts 2 and 3: the length texts as the core words them.
  void setAudioLengthText(const QString& text);
  void setVideoLengthText(const QString& text);

  QString pictureCountText() const;
  QString messageText() const;
  QString videoLengthText() const;

 private:
  QLabel* count_;
  QLabel* message_;
  QLabel* audio_;
  QLabel* video_;
};

}  // namespace pictavo
