#include "ui/picture_list/picture_commands.h"

#include <QItemSelectionModel>
#include <QListView>

#include "app/session.h"
#include "ui/commands/project_edit_command.h"
#include "ui/picture_list/list_selection.h"

namespace pictavo {

PictureCommands::PictureCommands(Session& session, QListView* view, QObject* parent)
    : QObject(parent), session_(session), view_(view) {}

void PictureCommands::edit(const QString& text, const std::function<void(Project&)>& change,
                           const std::vector<int>& rows, int current) {
  if (editProject(session_, text, change)) selectRows(view_, rows, current);
}

void PictureCommands::editKeepingSelection(const QString& text,
                                           const std::function<void(Project&)>& change) {
  edit(text, change, selectedRows(view_), view_->selectionModel()->currentIndex().row());
}

void PictureCommands::turnLeft() {
  std::vector<int> rows = selectedRows(view_);
  editKeepingSelection(tr("图片左转"), [&](Project& p) { pictavo::turnLeft(p, rows); });
}

void PictureCommands::turnRight() {
  std::vector<int> rows = selectedRows(view_);
  editKeepingSelection(tr("图片右转"), [&](Project& p) { pictavo::turnRight(p, rows); });
}

void PictureCommands::moveLeft() { move(tr("向左移动"), true); }
void PictureCommands::moveRight() { move(tr("向右移动"), false); }

// The focus ends on the picture moved last; the list shows the picture moved first.
void PictureCommands::move(const QString& text, bool left) {
  std::vector<int> rows = selectedRows(view_);
  std::vector<int> moved;
  auto change = [&](Project& p) { moved = left ? pictavo::moveLeft(p, rows) : pictavo::moveRight(p, rows); };
  if (!editProject(session_, text, change)) return;
  selectRows(view_, moved, left ? moved.back() : moved.front());
  view_->setFocus();
  view_->scrollTo(view_->model()->index(left ? moved.front() : moved.back(), 0));
}

void PictureCommands::randomOrder() {
  editKeepingSelection(tr("随机排列图片"), [](Project& p) { pictavo::randomOrder(p); });
}

void PictureCommands::newEffectSet() {
  editKeepingSelection(tr("更换一组动画"), [](Project& p) { pictavo::newEffectSet(p); });
}

// The effect of the one selected picture, or of the focused one.
void PictureCommands::sameEffectForAll() {
  std::vector<int> rows = selectedRows(view_);
  int row = rows.size() == 1 ? rows.front() : view_->selectionModel()->currentIndex().row();
  const auto& pictures = session_.project().pictures;
  if (row < 0 || row >= static_cast<int>(pictures.size())) return;
  int effect = pictures[static_cast<size_t>(row)].animationIndex;
  editKeepingSelection(tr("全部设置为该动画"),
                       [effect](Project& p) { pictavo::sameEffectForAll(p, effect); });
}

void PictureCommands::setMotion(int motion) {
  std::vector<int> rows = selectedRows(view_);
  editKeepingSelection(tr("图片动感"), [rows, motion](Project& p) {
    for (int row : rows)
      if (row >= 0 && row < static_cast<int>(p.pictures.size())) p.pictures[static_cast<size_t>(row)].motion = motion;
  });
}

void PictureCommands::placeCaptions(CaptionPlacement placement) {
  editKeepingSelection(tr("排列文字"), [placement](Project& p) { pictavo::placeCaptions(p, placement); });
}

// Every picture selected is the same as removing them all. When the first picture goes,
// the new first one gets "无动画"; undo brings back the pictures and that effect exactly.
void PictureCommands::removeSelected() { remove(selectedRows(view_)); }

void PictureCommands::removeAll() {
  std::vector<int> rows(session_.project().pictures.size());
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
  remove(rows);
}

void PictureCommands::remove(const std::vector<int>& rows) {
  editProject(session_, tr("移除图片"), [&rows](Project& p) { removePictures(p, rows); });
}

void PictureCommands::setAsCover() {
  int row = focusedSelectedRow(view_);
  if (row < 0) return;
  std::string path = session_.project().pictures[static_cast<size_t>(row)].path;
  editKeepingSelection(tr("设置为封面"), [&](Project& p) {
    p.settings.coverOn = true;
    p.settings.coverPath = path;
  });
}

void PictureCommands::setEffect(int row, int animationIndex) {
  if (row < 0 || row >= static_cast<int>(session_.project().pictures.size())) return;
  editKeepingSelection(tr("更换动画"), [&](Project& p) {
    p.pictures[static_cast<size_t>(row)].setEffect(animationIndex);
  });
}

}  // namespace pictavo
