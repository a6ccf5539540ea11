#include "ui/status_bar.h"

#include <QLabel>

#include <algorithm>

namespace pictavo {
namespace {

// A part at least `width` wide; it grows when its text needs more (longer languages).
QLabel* addPart(QStatusBar* bar, int width, int stretch) {
  auto* label = new QLabel(bar);
  if (width > 0) label->setMinimumWidth(width);
  bar->addWidget(label, stretch);
  return label;
}

}  // namespace

// The parts end at x = 130, 750, 885 and the right edge.
MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent),
      count_(addPart(this, 130, 0)),
      message_(addPart(this, 620, 0)),
      audio_(addPart(this, 135, 0)),
      video_(addPart(this, 0, 1)) {
  setSizeGripEnabled(false);
  setMinimumHeight(19);
  setPictureCount(0);
  setAudioLengthText(tr("音频长度: %1").arg(QStringLiteral("00:00:00")));
  setVideoLengthText(tr("视频长度: %1").arg(QStringLiteral("00:00:00")));
  // The message part keeps its width, so that the parts after it stay put as messages
  // change; in a longer language it gives the counts and lengths the room they need.
  auto overflow = [](QLabel* part, int room) {
    int extra = std::max(0, part->sizeHint().width() - room);
    part->setMinimumWidth(room + extra);
    return extra;
  };
  message_->setFixedWidth(620 - overflow(count_, 130) - overflow(audio_, 135) - overflow(video_, 124));
}

void MainStatusBar::setPictureCount(int count) { count_->setText(tr("%n 张图片", nullptr, count)); }
void MainStatusBar::setMessage(const QString& text) { message_->setText(text); }
void MainStatusBar::setAudioLengthText(const QString& text) { audio_->setText(text); }
void MainStatusBar::setVideoLengthText(const QString& text) { video_->setText(text); }
QString MainStatusBar::videoLengthText() const { return video_->text(); }
QString MainStatusBar::pictureCountText() const { return count_->text(); }
QString MainStatusBar::messageText() const { return message_->text(); }

}  // namespace pictavo
