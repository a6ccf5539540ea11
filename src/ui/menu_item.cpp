#include "ui/menu_item.h"

#include <QAction>
#include <QMenu>

namespace pictavo {

QAction* addCommandItem(QMenu* menu, CommandId id, const QString& label) {
  QAction* action = menu->addAction(label);
  action->setData(static_cast<int>(id));
  action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(id)));
  return action;
}

}  // namespace pictavo
