#include "ui/preview/preview_artwork.h"

#include <QFont>
#include <QObject>
#include <QPainter>
#include <QPolygon>

namespace pictavo {
namespace {

QFont pixelFont(int pixels, bool bold = false) {
  QFont font;
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// A sketch of the "视频输出设置" group with its "视频尺寸：" list, where the tip points.
void paintSizeListSketch(QPainter& p, const QRect& area) {
  p.setPen(QColor(160, 160, 160));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(area.adjusted(0, 6, 0, 0), 3, 3);
  p.setFont(pixelFont(11));
  QString title = QObject::tr("视频输出设置");
  QRect titleBox = p.fontMetrics().boundingRect(title).adjusted(-3, 0, 3, 0);
  titleBox.moveTopLeft(area.topLeft() + QPoint(8, 0));
  p.fillRect(titleBox, QColor(240, 240, 240));
  p.setPen(QColor(0, 70, 160));
  p.drawText(titleBox, Qt::AlignCenter, title);

  p.setPen(Qt::black);
  QRect label(area.left() + 10, area.top() + 20, 64, 20);
  p.drawText(label, Qt::AlignVCenter | Qt::AlignLeft, QObject::tr("视频尺寸："));
  QRect combo(label.right() + 4, label.top(), 120, 20);
  p.setPen(QColor(120, 120, 120));
  p.setBrush(Qt::white);
  p.drawRect(combo);
  p.setPen(Qt::black);
  p.drawText(combo.adjusted(5, 0, -18, 0), Qt::AlignVCenter | Qt::AlignLeft,
             QStringLiteral("640x360"));
  QRect arrow(combo.right() - 16, combo.top() + 1, 16, combo.height() - 1);
  p.fillRect(arrow, QColor(225, 225, 225));
  QPoint c = arrow.center();
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygon({c + QPoint(-4, -2), c + QPoint(4, -2), c + QPoint(0, 3)}));
  // A red ring round the list: this is the setting the tip speaks of.
  p.setPen(QPen(QColor(220, 30, 30), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(combo.adjusted(-8, -5, 8, 5));
}

QImage paintWaiting() {
  QImage image(264, 150, QImage::Format_RGB32);
  image.fill(QColor(240, 240, 240));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QColor(30, 30, 30));
  p.setFont(pixelFont(16, true));
  p.drawText(QRect(0, 8, 264, 24), Qt::AlignCenter, QObject::tr("数据正在缓冲..."));
  p.setPen(QColor(90, 90, 90));
  p.setFont(pixelFont(12));
  p.drawText(QRect(0, 38, 264, 20), Qt::AlignCenter,
             QObject::tr("提示：视频尺寸设置小一点，预览更流畅。"));
  paintSizeListSketch(p, QRect(12, 70, 240, 68));
  return image;
}

QImage paintEnd() {
  QImage image(264, 118, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QColor(60, 60, 60));
  QFont font = pixelFont(56, true);
  font.setItalic(true);
  p.setFont(font);
  p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("end"));
  return image;
}

}  // namespace

PreviewArtwork PreviewArtwork::paint() {
  PreviewArtwork art;
  art.waiting = paintWaiting();
  art.end = paintEnd();
  art.blank = QImage(1, 1, QImage::Format_RGB32);
  art.blank.fill(Qt::white);
  return art;
}

const QImage& PreviewArtwork::picture(PreviewPicture which) const {
  switch (which) {
    case PreviewPicture::Waiting: return waiting;
    case PreviewPicture::End: return end;
    default: return blank;
  }
}

}  // namespace pictavo
