// A menu item that carries its command number as the action's data (and names itself
// after it), as every menu of the window builds its items.
#pragma once

#include <QObject>
#include <QString>

#include <initializer_list>

#include "ui/command_ids.h"

class QAction;
class QMenu;

namespace pictavo {

QAction* addCommandItem(QMenu* menu, CommandId id, const QString& label);

// One row of a menu built from a table: the command and its label (marked for translation
// with QT_TRANSLATE_NOOP("QObject", ...)), kept in `member` of the menu's struct. An empty
// row, {}, is a separator.
template <typename Menu>
struct MenuRow {
  QAction* Menu::*member = nullptr;
  CommandId id{};
  const char* label = nullptr;
};

// Fills `menu.menu` with `rows`, in order.
template <typename Menu>
void addMenuRows(Menu& menu, std::initializer_list<MenuRow<Menu>> rows) {
  for (const MenuRow<Menu>& row : rows) {
    if (row.member == nullptr)
      menu.menu->addSeparator();
    else
      menu.*row.member = addCommandItem(menu.menu, row.id, QObject::tr(row.label));
  }
}

}  // namespace pictavo
