// A menu item that carries its command number as the action's data (and names itself
// after it), as every menu of the window builds its items.
#pragma once

#include <QString>

#include "ui/command_ids.h"

class QAction;
class QMenu;

namespace pictavo {

QAction* addCommandItem(QMenu* menu, CommandId id, const QString& label);

}  // namespace pictavo
