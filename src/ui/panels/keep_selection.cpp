#include "ui/panels/keep_selection.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace pictavo {

std::vector<int> selectedRows(const QItemSelectionModel* selection) {
  std::vector<int> rows;
  if (selection == nullptr) return rows;
  for (const QModelIndex& index : selection->selectedIndexes()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void keepingSelection(QItemSelectionModel* selection, const std::function<void()>& edit) {
  std::vector<int> rows = selectedRows(selection);
  const int current = selection ? selection->currentIndex().row() : -1;
  edit();
  if (selection == nullptr || selectedRows(selection) == rows) return;
  const QAbstractItemModel* model = selection->model();
  QItemSelection again;
  for (int row : rows) {
    if (row < model->rowCount()) again.select(model->index(row, 0), model->index(row, 0));
  }
  if (current >= 0 && current < model->rowCount())
    selection->setCurrentIndex(model->index(current, 0), QItemSelectionModel::NoUpdate);
  selection->select(again, QItemSelectionModel::ClearAndSelect);
}

}  // namespace pictavo
