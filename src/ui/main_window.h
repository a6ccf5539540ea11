// The main window: menus, toolbar, status bar and the layout of the list and panels.
#pragma once

#include <QMainWindow>

namespace pictavo {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace pictavo
