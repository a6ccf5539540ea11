// Project edits reload the picture list, which drops its selection. A panel edit that works
// on the selected pictures selects the same rows again afterwards, so that the next edit
// (the next typed character, say) reaches the same pictures.
#pragma once

#include <functional>
#include <vector>

class QItemSelectionModel;

namespace pictavo {

// The selected rows, ascending.
std::vector<int> selectedRows(const QItemSelectionModel* selection);

// Runs `edit`, then selects the rows that were selected before it (those still present).
void keepingSelection(QItemSelectionModel* selection, const std::function<void()>& edit);

}  // namespace pictavo
