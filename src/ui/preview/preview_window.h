// The preview window: resizable, opened maximised, showing one picture at a time inside an
// 8-pixel border, shrunk to fit when it is larger than the window. Pictures arrive from the
// preview's display thread through showPicture, which only swaps the picture under a lock
// and asks for a repaint on the window's own thread.
#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

#include <atomic>
#include <mutex>

#include "ui/preview/preview_artwork.h"

namespace pictavo {

class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewWindow(QWidget* owner);

  // Thread-safe. Ignored after releasePicture until acceptPictures.
  void showPicture(const QImage& image, PreviewPicture kind);
  // Forgets the picture and takes no more (a frame that was on its way when the preview
  // closed stays unseen): nothing is drawn until acceptPictures and the next picture.
  void releasePicture();
  void acceptPictures();

  PreviewPicture currentKind() const;
  QImage currentImage() const;
  // The kinds shown so far, one entry per change of kind (a run of frames is one entry).
  QList<PreviewPicture> pictureHistory() const;
  void clearPictureHistory();

  // Where a w x h picture is drawn in a window of the given size.
  static QRect pictureRect(const QSize& window, const QSize& picture);
  // The size a picture of `picture` size is drawn at in the window now. Thread-safe: the
  // display thread decodes frames at this size, which costs less than decoding them whole
  // and shrinking them while painting.
  QSize fittedSize(const QSize& picture) const;

 signals:
  // Escape or the window's close button.
  void closeRequested();
  // A click on the "end" picture.
  void restartRequested();
  // Each video frame as it is shown, in order, from the preview's display thread (connect
  // queued to touch widgets).
  void frameShown(const QImage& frame);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  mutable std::mutex pictureMutex_;
  QImage image_;
  PreviewPicture kind_ = PreviewPicture::None;
  bool accepting_ = true;
  std::atomic<int> width_{0};
  std::atomic<int> height_{0};
  QList<PreviewPicture> history_;
};

}  // namespace pictavo
