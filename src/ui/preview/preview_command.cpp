#include "ui/preview/preview_command.h"

#include <QAction>
#include <QThread>
#include <QWidget>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "project/service_config.h"
#include "ui/preview/preview_music.h"
#include "ui/preview/preview_window.h"
#include "ui/web_pages.h"
#include "ui/workers/preview_run.h"
#include "video/generation_checks.h"

namespace pictavo {

PreviewCommand::PreviewCommand(Session& session, UserPrompts& prompts, QWidget* mainWindow,
                               QAction* previewButton)
    : QObject(mainWindow),
      session_(session),
      prompts_(prompts),
      mainWindow_(mainWindow),
      previewButton_(previewButton),
      window_(new PreviewWindow(mainWindow)),
      artwork_(PreviewArtwork::paint()) {
  connect(window_, &PreviewWindow::closeRequested, this, &PreviewCommand::closeWindow);
  connect(window_, &PreviewWindow::restartRequested, this, [this] { begin(effectRow_); });
}

PreviewCommand::~PreviewCommand() {
  // The music panel may be gone already; it ends its own player.
  run_.reset();  // stops the run and waits for both threads
}

void PreviewCommand::start() {
  if (window_->isVisible() || session_.project().pictures.empty()) return;
  ProjectCheck check = checkProject(session_.project());
  if (!check.ok) {
    prompts_.message(mainWindow_, QMessageBox::Warning, fromCore(check.caption),
                     fromCore(check.message));
    emit refused(check);
    return;
  }
  begin(-1);
}

void PreviewCommand::previewPictureEffect(int row) {
  const Project& project = session_.project();
  if (row < 0 || row >= static_cast<int>(project.pictures.size()) || window_->isVisible()) return;
  if (!serviceSettings().baseUrl.empty()) {
    openServicePage(prompts_, mainWindow_,
                    QStringLiteral("/preview.asp?id=%1&").arg(project.pictures[row].animationIndex));
    return;
  }
  if (sizeChosen()) begin(row);
}

bool PreviewCommand::sizeChosen() {
  if (session_.project().settings.videoSize != 0) return true;
  prompts_.message(mainWindow_, QMessageBox::Warning, tr("提示"), tr("请选择视频尺寸"));
  ProjectCheck refusal;
  refusal.ok = false;
  refusal.focus = CheckFocus::SizeList;
  emit refused(refusal);
  return false;
}

// Also the restart after a click on "end": the window is already up then.
void PreviewCommand::begin(int effectRow) {
  previewButton_->setEnabled(false);
  if (run_) run_->cancel();
  if (musicStarted_ && music_) music_->stopPreviewMusic();
  musicStarted_ = false;
  run_.reset();  // the last run's threads end before new ones start

  effectRow_ = effectRow;
  window_->acceptPictures();
  window_->showPicture(artwork_.waiting, PreviewPicture::Waiting);
  PreviewPlan plan{session_.project(), session_.preferences(), effectRow};
  PreviewWindow* window = window_;
  run_ = std::make_unique<PreviewRun>(
      std::move(plan), [window](const QImage& image, PreviewPicture kind) { window->showPicture(image, kind); },
      artwork_, QThread::idealThreadCount(), [window](const QSize& frame) { return window->fittedSize(frame); });
  connectRun(++runId_);
  // The program goes on without the preview (ending it would lose the user's work).
  if (!run_->start()) {
    window_->hide();
    mainWindow_->setEnabled(true);
    previewButton_->setEnabled(true);
    prompts_.message(mainWindow_, QMessageBox::Critical, tr("提示"), tr("启动线程失败"));
    return;
  }

  if (!window_->isVisible()) window_->showMaximized();
  mainWindow_->setEnabled(false);
  window_->setEnabled(true);
  window_->raise();
  window_->activateWindow();
}

// Requests of an earlier run that arrive late are ignored.
void PreviewCommand::connectRun(int id) {
  PreviewRun* run = run_.get();
  auto current = [this, id] { return id == runId_ && music_; };
  connect(run, &PreviewRun::musicStartRequested, this, [this, current] {
    if (!current() || run_->state() != PreviewRun::Running) return;
    music_->startPreviewMusic();
    musicStarted_ = true;
  }, Qt::QueuedConnection);
  connect(run, &PreviewRun::musicPauseRequested, this, [this, current] {
    if (current() && musicStarted_) music_->pausePreviewMusic();
  }, Qt::QueuedConnection);
  connect(run, &PreviewRun::musicResumeRequested, this, [this, current] {
    if (current() && musicStarted_ && run_->state() == PreviewRun::Running) music_->resumePreviewMusic();
  }, Qt::QueuedConnection);
  connect(run, &PreviewRun::musicCloseRequested, this, [this, current] {
    if (!current() || !musicStarted_) return;
    music_->stopPreviewMusic();
    musicStarted_ = false;
  }, Qt::QueuedConnection);
  connect(run, &PreviewRun::pictureFailed, this, [this, id] {
    if (id != runId_) return;
    prompts_.message(window_, QMessageBox::Critical, QStringLiteral("Error"),
                     tr("预览画面的数据无法显示。"));
    window_->close();
  }, Qt::QueuedConnection);
  connect(run, &Task::finished, this, [this, id] { finishRun(id); }, Qt::QueuedConnection);
}

// Esc or the close button: the run stops at once (no end picture), the music with it, and
// the main window takes input again; the threads wind down by themselves.
void PreviewCommand::closeWindow() {
  if (run_) run_->cancel();
  if (musicStarted_ && music_) music_->stopPreviewMusic();
  musicStarted_ = false;
  window_->releasePicture();
  window_->hide();
  mainWindow_->setEnabled(true);
  mainWindow_->activateWindow();
}

void PreviewCommand::finishRun(int id) {
  if (id != runId_) return;
  run_->wait();  // both threads have done their work; nothing is left running
  previewButton_->setEnabled(!session_.project().pictures.empty());
  emit runEnded();
}

}  // namespace pictavo
