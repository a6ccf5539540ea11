#include "ui/status_bar.h"

#include <QLabel>

#include <algorithm>

namespace pictavo {
namespace {

constexpr int kMessageWidth = 620;

// The selection and progress line: 620 pixels wide whatever it shows, so that the parts after
// it stay put as messages change. It is also the one part that gives up room when a longer
// language needs more for the counts and lengths.
class MessagePart : public QLabel {
 public:
  explicit MessagePart(QWidget* parent) : QLabel(parent) {
    setMinimumWidth(kMessageWidth / 2);
    setMaximumWidth(kMessageWidth);
  }
  QSize sizeHint() const override { return {kMessageWidth, QLabel::sizeHint().height()}; }
};

// A part at least `width` wide.
QLabel* addPart(QStatusBar* bar, QLabel* label, int width, int stretch) {
  if (width > 0) label->setMinimumWidth(width);
  bar->addWidget(label, stretch);
  return label;
}

// A part's least width grows to its text when the text needs more (longer languages).
void fitToText(QLabel* part) {
  part->setMinimumWidth(std::max(part->minimumWidth(), part->sizeHint().width()));
}

}  // namespace

// The parts end at x = 130, 750, 885 and the right edge.
MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent),
      count_(addPart(this, new QLabel(this), 130, 0)),
      message_(addPart(this, new MessagePart(this), 0, 0)),
      audio_(addPart(this, new QLabel(this), 135, 0)),
      video_(addPart(this, new QLabel(this), 0, 1)) {
  setSizeGripEnabled(false);
  setMinimumHeight(19);
  setPictureCount(0);
  setAudioLengthText(tr("音频长度: %1").arg(QStringLiteral("00:00:00")));
  setVideoLengthText(tr("视频长度: %1").arg(QStringLiteral("00:00:00")));
  for (QLabel* part : {count_, audio_, video_}) fitToText(part);
}

void MainStatusBar::setPictureCount(int count) { count_->setText(tr("%n 张图片", nullptr, count)); }
void MainStatusBar::setMessage(const QString& text) { message_->setText(text); }
void MainStatusBar::setAudioLengthText(const QString& text) { audio_->setText(text); }
void MainStatusBar::setVideoLengthText(const QString& text) { video_->setText(text); }
QString MainStatusBar::videoLengthText() const { return video_->text(); }
QString MainStatusBar::pictureCountText() const { return count_->text(); }
QString MainStatusBar::messageText() const { return message_->text(); }

}  // namespace pictavo
