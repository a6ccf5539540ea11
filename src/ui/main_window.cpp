#include "ui/main_window.h"

namespace pictavo {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Pictavo(V8.2)"));
  setFixedSize(1019, 666);
}

}  // namespace pictavo
