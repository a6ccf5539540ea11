#include "ui/window_layout.h"

#include <QApplication>
#include <QGroupBox>
#include <QStyle>

#include "ui/picture_list/picture_list_view.h"

namespace pictavo {
namespace {

constexpr int kPanelX = 1;
constexpr int kPanelWidth = 1016;
constexpr int kGroupHeight = 62;

// `spokenName` is what a screen reader says for a group whose title is blank.
QGroupBox* addGroup(QWidget* parent, const QString& title, const QString& spokenName,
                    const QString& name, int y) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  group->setAccessibleName(title.trimmed().isEmpty() ? spokenName : title);
  group->setGeometry(kPanelX, y, kPanelWidth, kGroupHeight);
  return group;
}

}  // namespace

// Window positions, with H the height of a horizontal scroll bar: list at 62 (H + 173
// high), then the groups at H + 251, 330, 409, 488 and 567.
WindowLayout buildWindowLayout(QWidget* parent, int top) {
  WindowLayout l;
  l.central = new QWidget(parent);
  const int h = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  auto y = [&](int windowY) { return windowY - top; };

  l.pictureList = new PictureListView(l.central);
  l.pictureList->setObjectName(QStringLiteral("pictureList"));
  l.pictureList->setAccessibleName(QObject::tr("图片列表"));
  l.pictureList->setGeometry(kPanelX, y(62), kPanelWidth, h + 173);

  l.captionGroup = addGroup(l.central, QString(), QObject::tr("文字设置"),
                            QStringLiteral("captionGroup"), y(h + 251));
  l.logoGroup = addGroup(l.central, QString(), QObject::tr("图标设置"), QStringLiteral("logoGroup"),
                         y(h + 330));
  l.musicGroup = addGroup(l.central, QString(67, QLatin1Char(' ')), QObject::tr("背景音乐设置"),
                          QStringLiteral("musicGroup"), y(h + 409));
  l.coverGroup = addGroup(l.central, QString(), QObject::tr("封面设置"),
                          QStringLiteral("coverGroup"), y(h + 488));
  l.outputGroup = addGroup(l.central, QObject::tr("视频输出设置"), QString(),
                           QStringLiteral("outputGroup"), y(h + 567));
  return l;
}

}  // namespace pictavo
