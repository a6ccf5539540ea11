#include "ui/generation_command.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

#include <ctime>

#include "app/browser_launcher.h"
#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "platform/folders.h"
#include "project/service_config.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/file_choosers.h"
#include "ui/workers/generation_worker.h"
#include "util/paths.h"
#include "video/generation_checks.h"
#include "video/play_page.h"

namespace pictavo {

GenerationCommand::GenerationCommand(Session& session, UserPrompts& prompts,
                                     FileChoosers& choosers, QWidget* window)
    : QObject(window),
      session_(session),
      prompts_(prompts),
      choosers_(choosers),
      window_(window),
      progress_(new ProgressDialog(window)) {}

void GenerationCommand::run() {
  ProjectCheck check = checkProject(session_.project());
  if (!check.ok) {
    prompts_.message(window_, QMessageBox::Warning, fromCore(check.caption), fromCore(check.message));
    emit refused(check);
    return;
  }
  QString output = chooseOutput();
  if (output.isEmpty()) return;
  Outcome outcome = generate(output, check.sampleRate);
  emit ended();
  if (outcome == Outcome::Finished) offerVideo(output);
}

QString GenerationCommand::chooseOutput() {
  std::string name = defaultOutputName(session_.project(), session_.preferences().defaultFileName,
                                       std::time(nullptr));
  return choosers_.save(tr("视频保存到"), tr("mp4视频 (*.mp4)"), QStringLiteral("mp4"),
                        fromCore(name), session_.preferences().videoFolder);
}

// The progress window shows the run; the main window takes no input until it ends.
GenerationCommand::Outcome GenerationCommand::generate(const QString& output, int sampleRate) {
  GenerationWorker worker(session_.project(), session_.preferences(), toCore(output), sampleRate);
  connect(&worker, &Task::progress, progress_, [this](int number, int) { progress_->showPicture(number); });
  connect(progress_, &ProgressDialog::stopRequested, &worker, &Task::cancel);
  QStringList warnings;
  connect(&worker, &GenerationWorker::runWarning, &worker,
          [&warnings](const QString& message) { warnings << message; });
  if (!worker.start()) {
    prompts_.message(window_, QMessageBox::Warning, tr("提示"), worker.error());
    return Outcome::Failed;
  }

  progress_->begin(worker.pictureTotal());
  progress_->show();
  progress_->raise();
  waitModal(worker, window_, *progress_);
  progress_->hide();
  disconnect(progress_, nullptr, &worker, nullptr);

  if (!worker.error().isEmpty())
    prompts_.message(window_, QMessageBox::Critical, tr("错误"), worker.error());
  for (const QString& message : warnings)
    prompts_.message(window_, QMessageBox::Warning, tr("提示"), message);
  return worker.outcome();
}

// The advice about one particular system player never applies here: no player this
// program can be associated with on this platform is the one it is about.
void GenerationCommand::offerVideo(const QString& output) {
  auto answer = prompts_.message(window_, QMessageBox::Information, tr("完成"),
                                 tr("视频文件已生成，是否要查看该视频？"),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer == QMessageBox::Yes) showVideo(prompts_, window_, output);
}

bool showVideo(UserPrompts& prompts, QWidget* window, const QString& videoPath) {
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(videoPath))) return true;
  std::string page = joinPath(programFolders().program, "play.html");
  std::string player = serviceAddress(serviceSettings(), "/getPlayer.asp");
  if (writePlayPage(page, toCore(videoPath), player) &&
      openInBrowser(QUrl::fromLocalFile(fromCore(page))))
    return true;
  prompts.message(window, QMessageBox::Information, QObject::tr("提示"),
                  QObject::tr("无法创建播放视频的HTML文件，但这不影响新生成的mp4视频文件的正常使用。"
                              "\n\n你可以从网上下载：射手影音 来播放视频。"));
  return false;
}

}  // namespace pictavo
