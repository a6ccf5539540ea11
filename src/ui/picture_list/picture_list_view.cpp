#include "ui/picture_list/picture_list_view.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QUrl>

#include "ui/models/picture_list_model.h"
#include "ui/models/thumbnail_cache.h"

namespace pictavo {
namespace {

constexpr int kCellMargin = 8;
constexpr int kLabelHeight = 16;

// Keeps the selection as visible without the focus as with it.
void highlightAlsoWhenInactive(QWidget* list) {
  QPalette colours = list->palette();
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  list->setPalette(colours);
}

}  // namespace

PictureListView::PictureListView(QWidget* parent) : QListView(parent), tips_(new QLabel(this)) {
  const int side = ThumbnailCache::kSide;
  setViewMode(QListView::IconMode);
  setFlow(QListView::LeftToRight);
  setWrapping(false);
  setMovement(QListView::Static);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  setIconSize(QSize(side, side));
  setGridSize(QSize(side + kCellMargin, side + kCellMargin + kLabelHeight));
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  highlightAlsoWhenInactive(this);

  tips_->setObjectName(QStringLiteral("pictureListTips"));
  tips_->setPixmap(QIcon(QStringLiteral(":/icons/list_tips.svg")).pixmap(QSize(233, 42)));
  tips_->setAccessibleName(tr("双击这里或拖入图片来添加"));
  const int h = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  tips_->setGeometry(406, (h + 131) / 2, 233, 42);
  tips_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureListView::setModel(QAbstractItemModel* model) {
  QListView::setModel(model);
  for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(model, signal, this, &PictureListView::showTipsWhenEmpty);
  connect(model, &QAbstractItemModel::modelReset, this, &PictureListView::showTipsWhenEmpty);
  showTipsWhenEmpty();
}

bool PictureListView::tipsShown() const { return !tips_->isHidden(); }

void PictureListView::showTipsWhenEmpty() {
  tips_->setVisible(model() == nullptr || model()->rowCount() == 0);
}

void PictureListView::mouseDoubleClickEvent(QMouseEvent* event) {
  QListView::mouseDoubleClickEvent(event);
  QModelIndexList selected =
      selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
  if (selected.isEmpty()) {
    emit addPicturesRequested();
    return;
  }
  auto first = std::min_element(
      selected.begin(), selected.end(),
      [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  QString path = first->data(PictureListModel::PathRole).toString();
  if (!path.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace pictavo
