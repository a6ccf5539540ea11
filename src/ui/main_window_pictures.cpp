// Adding pictures to the main window's project: chosen, dropped, handed over at start, or
// the frames of a GIF animation.
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "imaging/gif_frames.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "project/picture_list.h"
#include "ui/commands/add_pictures_command.h"
#include "ui/dropped_files.h"
#include "ui/file_choosers.h"
#include "ui/main_window.h"
#include "ui/status_bar.h"
#include "ui/workers/add_pictures_worker.h"
#include "ui/workers/gif_import_worker.h"
#include "ui/workers/run_and_wait.h"

namespace pictavo {

void MainWindow::dropEvent(QDropEvent* event) {
  QStringList paths = localPaths(event->mimeData()->urls());
  event->acceptProposedAction();
  raise();
  activateWindow();
  // The drop completes first: the program the files came from does not wait for the adding.
  QTimer::singleShot(0, this, [this, paths] { addPictureFiles(paths); });
}

void MainWindow::showPictureLimit() {
  prompts_.message(this, QMessageBox::Warning, tr("提示"),
                   fromCore(pictureLimitMessage(session_.project())));
}

void MainWindow::addPictureFiles(const QStringList& paths) {
  Project& project = session_.project();
  if (static_cast<int>(project.pictures.size()) >= project.maxPictures) {
    showPictureLimit();
    return;
  }
  std::vector<std::string> pictures;
  for (const QString& path : pictureFilesAmong(paths)) pictures.push_back(toCore(path));
  if (pictures.empty()) return;

  status_->setMessage(tr("加载图片中..."));
  AddPicturesWorker worker(project, std::move(pictures));
  runAndWait(worker, this, tr("加载图片中..."));
  status_->setMessage(QString());
  std::vector<ImageItem> added = worker.added();
  if (!added.empty()) session_.undoStack().push(new AddPicturesCommand(project, std::move(added)));
  if (worker.reachedLimit()) showPictureLimit();
}

// Until pictures can be added at a place, inserted pictures are appended.
void MainWindow::insertPictureFiles(const QStringList& paths, int position) {
  Q_UNUSED(position);
  addPictureFiles(paths);
}

// "导入动画": every frame of a GIF animation becomes a picture, kept in the work folder
// until the project is saved.
void MainWindow::importAnimation() {
  QString path = choosers_->open(tr("选择一个gif动画"), tr("GIF图片 (*.GIF *.gif)"),
                                 session_.preferences().importFolder);
  if (path.isEmpty()) return;
  const QString wrongFormat = tr("选择的文件格式不对，请选择一个gif动画文件。");
  if (!path.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
    prompts_.message(this, QMessageBox::Warning, tr("提示"), wrongFormat);
    return;
  }
  Project& project = session_.project();
  makeFolders(programFolders().temp);
  GifImportWorker worker(project, toCore(path), programFolders().temp);
  connect(&worker, &ThreadWorker::progress, this, [this](int number, int total) {
    status_->setMessage(fromCore(importingFramesText(number, total)));
  });
  runAndWait(worker, this, tr("导入动画中..."));
  std::vector<ImageItem> added = worker.added();
  if (!added.empty()) session_.undoStack().push(new AddPicturesCommand(project, std::move(added)));
  if (worker.result() == GifFramesResult::Unreadable)
    prompts_.message(this, QMessageBox::Critical, tr("错误"), wrongFormat);
  else if (worker.result() == GifFramesResult::WriteFailed)
    prompts_.message(this, QMessageBox::Critical, tr("错误"), tr("解析gif动画帧的时候发生错误！"));
  else if (worker.reachedLimit())
    showPictureLimit();
}

}  // namespace pictavo
