// pictavo: the window program.
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  pictavo::MainWindow window;
  window.show();
  return app.exec();
}
