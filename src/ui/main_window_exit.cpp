// Closing the main window: hiding it to the notification area, and the exit sequence.
#include <QCoreApplication>
#include <QPushButton>

#include "app/session.h"
#include "platform/work_folder.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/generation_command.h"
#include "ui/main_window.h"
#include "ui/project_commands.h"
#include "ui/tray_icon.h"

namespace pictavo {

bool MainWindow::exitProgram() {
  if (!isEnabled()) return false;
  stopLoadingPictures();
  if (session_.projectChanged()) {
    if (isHidden()) restoreFromTray();
    if (!projectCommands_->settleUnsavedChanges()) return false;
  }
  hide();
  session_.saveFolders();
  emptyWorkFolder();
  exiting_ = true;
  close();
  // The program ends with its main window, also when another of its windows is open or the
  // window was hidden in the tray.
  QCoreApplication::quit();
  return true;
}

// The run removes the video it had not finished as it ends.
void MainWindow::stopForInterrupt() {
  stopLoadingPictures();
  generation_->progressDialog()->stopButton()->click();
}

void MainWindow::hideToTray() {
  hide();
  tray_->show();
}

void MainWindow::restoreFromTray() {
  tray_->hide();
  showNormal();
  raise();
  activateWindow();
}

// The window's own work folder holds imported frames and copies that only this run used;
// the work folders of other windows on the same program folder stay.
void MainWindow::emptyWorkFolder() { releaseOwnWorkFolder(); }

}  // namespace pictavo
