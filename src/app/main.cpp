// pictavo: the window program.
#include <QApplication>

#include "app/session.h"
#include "app/user_prompts.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  pictavo::Session session;
  pictavo::QtUserPrompts prompts;
  pictavo::MainWindow window(session, prompts);
  window.show();
  return app.exec();
}
