// Adding pictures to the main window's project: chosen, dropped, handed over at start, or
// the frames of a GIF animation. The loading itself runs in PictureLoading.
#include <QDropEvent>
#include <QGroupBox>
#include <QMimeData>
#include <QTimer>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "imaging/gif_frames.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "project/picture_list.h"
#include "ui/commands/project_edit_command.h"
#include "ui/dropped_files.h"
#include "ui/file_choosers.h"
#include "ui/main_window.h"
#include "ui/picture_list/picture_list_view.h"
#include "ui/picture_list/picture_loading.h"
#include "ui/status_bar.h"
#include "ui/workers/gif_import_worker.h"
#include "ui/workers/task.h"

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
  loading_->load(pictureFilesAmong(paths), -1);
}

void MainWindow::insertPictureFiles(const QStringList& paths, int position) {
  loading_->load(pictureFilesAmong(paths), position);
}

bool MainWindow::loadingPictures() const { return loading_->running(); }

void MainWindow::stopLoadingPictures() { loading_->stop(); }

// While pictures arrive, the commands that edit the project wait: the toolbar's (except the
// ones that only open pages or make a shortcut), undo and redo, the option groups and the
// list's own menu and controls. The list still scrolls and selects.
void MainWindow::connectPictureLoading() {
  const QList<QAction*> harmless = {toolbar_.website, toolbar_.about, toolbar_.userGuide,
                                    toolbar_.shortcut};
  QList<QAction*> editing = actions();
  for (QAction* action : toolbar_.all())
    if (!harmless.contains(action)) editing << action;
  loading_->lockWhileLoading(editing,
                             {layout_.captionGroup, layout_.logoGroup, layout_.musicGroup,
                              layout_.coverGroup, layout_.outputGroup},
                             layout_.pictureList);
  connect(loading_, &PictureLoading::finished, this, &MainWindow::picturesLoaded);
  if (auto* list = qobject_cast<PictureListView*>(layout_.pictureList))
    connect(list, &PictureListView::addPicturesRequested, this, [this] { addPicturesFromChooser(); });
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
  connect(&worker, &Task::progress, this, [this](int number, int total) {
    status_->setMessage(fromCore(importingFramesText(number, total)));
  });
  runModal(worker, this, tr("导入动画中..."));
  // "取消" keeps nothing of the import: no pictures, no frame files.
  if (worker.isCancelled()) {
    worker.discardFrames();
    return;
  }
  std::vector<ImageItem> added = worker.added();
  editProject(session_, tr("添加图片"), [&added](Project& p) {
    p.pictures.insert(p.pictures.end(), added.begin(), added.end());
  });
  if (worker.result() == GifFramesResult::Unreadable)
    prompts_.message(this, QMessageBox::Critical, tr("错误"), wrongFormat);
  else if (worker.result() == GifFramesResult::WriteFailed)
    prompts_.message(this, QMessageBox::Critical, tr("错误"), tr("解析gif动画帧的时候发生错误！"));
  else if (worker.reachedLimit())
    showPictureLimit();
}

}  // namespace pictavo
