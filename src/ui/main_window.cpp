#include "ui/main_window.h"

#include "app/session.h"
#include "app/user_prompts.h"

namespace pictavo {

MainWindow::MainWindow(Session& session, UserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent), session_(session), prompts_(prompts) {
  setWindowTitle(QStringLiteral("Pictavo(V8.2)"));
  setFixedSize(1019, 666);
}

MainWindow::~MainWindow() = default;

bool MainWindow::openProjectFile(const QString&) { return false; }

void MainWindow::addPictureFiles(const QStringList&) {}

}  // namespace pictavo
