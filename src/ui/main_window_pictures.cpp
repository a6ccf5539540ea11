// Adding pictures to the main window's project: chosen, dropped or handed over at start.
#include <QDropEvent>
#include <QMimeData>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "project/picture_list.h"
#include "ui/commands/add_pictures_command.h"
#include "ui/dropped_files.h"
#include "ui/main_window.h"
#include "ui/status_bar.h"
#include "ui/workers/add_pictures_worker.h"
#include "ui/workers/run_and_wait.h"

namespace pictavo {

void MainWindow::dropEvent(QDropEvent* event) {
  QStringList paths = localPaths(event->mimeData()->urls());
  event->acceptProposedAction();
  raise();
  activateWindow();
  addPictureFiles(paths);
}

void MainWindow::addPictureFiles(const QStringList& paths) {
  Project& project = session_.project();
  auto showLimit = [&] {
    prompts_.message(this, QMessageBox::Warning, tr("提示"), fromCore(pictureLimitMessage(project)));
  };
  if (static_cast<int>(project.pictures.size()) >= project.maxPictures) {
    showLimit();
    return;
  }
  std::vector<std::string> pictures;
  for (const QString& path : pictureFilesAmong(paths)) pictures.push_back(toCore(path));
  if (pictures.empty()) return;

  status_->setMessage(tr("加载图片中..."));
  AddPicturesWorker worker(project, std::move(pictures));
  runAndWait(worker, this);
  status_->setMessage(QString());
  std::vector<ImageItem> added = worker.added();
  if (!added.empty()) session_.undoStack().push(new AddPicturesCommand(project, std::move(added)));
  if (worker.reachedLimit()) showLimit();
}

}  // namespace pictavo
