// Reading and setting the picture list's selection by list position.
#pragma once

#include <vector>

class QListView;

namespace pictavo {

// The selected positions, ascending.
std::vector<int> selectedRows(const QListView* view);

// The focused picture's position when it is selected, else -1.
int focusedSelectedRow(const QListView* view);

// Selects exactly `rows` and makes `current` the focused picture (-1 keeps no focus).
void selectRows(QListView* view, const std::vector<int>& rows, int current);

}  // namespace pictavo
