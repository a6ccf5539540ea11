#include "ui/preview/preview_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include <cmath>

namespace pictavo {
namespace {

constexpr int kBorder = 8;

}  // namespace

PreviewWindow::PreviewWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("Video_Preview"));
  setWindowTitle(tr("预览 - 提示：预览窗口显示的效果与最终生成的视频可能会有些差异"));
  setAccessibleName(windowTitle());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  if (owner) setWindowIcon(owner->windowIcon());
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    QSize size(area.width() * 85 / 100, area.height() * 85 / 100);
    setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
  }
}

void PreviewWindow::showPicture(const QImage& image, PreviewPicture kind) {
  {
    std::lock_guard lock(pictureMutex_);
    if (!accepting_) return;
    image_ = image;
    if (kind != kind_ || history_.isEmpty()) history_ << kind;
    kind_ = kind;
  }
  if (kind == PreviewPicture::Frame) emit frameShown(image);
  QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection);
}

void PreviewWindow::releasePicture() {
  std::lock_guard lock(pictureMutex_);
  image_ = QImage();
  kind_ = PreviewPicture::None;
  accepting_ = false;
}

void PreviewWindow::acceptPictures() {
  std::lock_guard lock(pictureMutex_);
  accepting_ = true;
}

PreviewPicture PreviewWindow::currentKind() const {
  std::lock_guard lock(pictureMutex_);
  return kind_;
}

QImage PreviewWindow::currentImage() const {
  std::lock_guard lock(pictureMutex_);
  return image_;
}

QList<PreviewPicture> PreviewWindow::pictureHistory() const {
  std::lock_guard lock(pictureMutex_);
  return history_;
}

void PreviewWindow::clearPictureHistory() {
  std::lock_guard lock(pictureMutex_);
  history_.clear();
}

// Inside the border; shrunk by the smaller of the two ratios (sides rounded half up) when
// larger than the room, else at its own size; centred.
QRect PreviewWindow::pictureRect(const QSize& window, const QSize& picture) {
  int roomW = window.width() - 2 * kBorder, roomH = window.height() - 2 * kBorder;
  int w = picture.width(), h = picture.height();
  if (roomW <= 0 || roomH <= 0 || w <= 0 || h <= 0) return QRect();
  if (w > roomW || h > roomH) {
    double scale = std::min(static_cast<double>(roomW) / w, static_cast<double>(roomH) / h);
    w = static_cast<int>(std::floor(w * scale + 0.5));
    h = static_cast<int>(std::floor(h * scale + 0.5));
  }
  return QRect((roomW - w) / 2 + kBorder, (roomH - h) / 2 + kBorder, w, h);
}

QSize PreviewWindow::fittedSize(const QSize& picture) const {
  return pictureRect(QSize(width_.load(), height_.load()), picture).size();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
  width_.store(width());
  height_.store(height());
  QWidget::resizeEvent(event);
}

void PreviewWindow::paintEvent(QPaintEvent*) {
  QImage image;
  PreviewPicture kind;
  {
    std::lock_guard lock(pictureMutex_);
    image = image_;
    kind = kind_;
  }
  QPainter p(this);
  p.setPen(Qt::white);
  p.setBrush(palette().window());
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (image.isNull()) return;
  QRect target = pictureRect(size(), image.size());
  if (target.isEmpty()) return;
  if (kind != PreviewPicture::End) {
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(target.adjusted(-1, -1, 0, 0));
  }
  p.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != image.size());
  p.drawImage(target, image);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    close();
  else
    QWidget::keyPressEvent(event);
}

void PreviewWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && currentKind() == PreviewPicture::End)
    emit restartRequested();
  QWidget::mousePressEvent(event);
}

// The window is only hidden: it lives as long as the main window.
void PreviewWindow::closeEvent(QCloseEvent* event) {
  emit closeRequested();
  event->accept();
}

}  // namespace pictavo
