#include "ui/project_commands.h"

#include <QWidget>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "project/project_file.h"
#include "ui/commands/project_edit_command.h"
#include "ui/file_choosers.h"
#include "ui/workers/project_open_worker.h"
#include "ui/workers/task.h"

namespace pictavo {
namespace {

QString projectFilter() { return QObject::tr("项目文件 (*.dat)"); }

}  // namespace

ProjectCommands::ProjectCommands(Session& session, UserPrompts& prompts, FileChoosers& choosers,
                                 QWidget* window)
    : QObject(window), session_(session), prompts_(prompts), choosers_(choosers), window_(window) {}

bool ProjectCommands::settleUnsavedChanges() {
  if (!session_.projectChanged()) return true;
  auto answer = prompts_.message(window_, QMessageBox::Question, tr("询问"),
                                 tr("项目已更改，是否保存更改？"),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                 QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) return false;
  return answer == QMessageBox::No || save();
}

void ProjectCommands::newProject() {
  if (!settleUnsavedChanges()) return;
  Project fresh;
  fresh.sizes = session_.project().sizes;  // sizes added in this run stay
  replaceProject(session_, tr("新建项目"), fresh);
}

void ProjectCommands::open() {
  if (!settleUnsavedChanges()) return;
  QString path = choosers_.open(tr("打开项目"), projectFilter(), session_.preferences().projectFolder);
  if (!path.isEmpty()) openFile(path);
}

// The project is read on a worker into a project of its own: a file that cannot be read
// leaves the current project exactly as it was.
bool ProjectCommands::openFile(const QString& path) {
  ProjectOpenWorker worker(toCore(path), session_.project().sizes);
  connect(&worker, &Task::progress, this, [this](int number, int total) {
    emit statusMessage(fromCore(loadingPicturesText(number, total)));
  });
  runModal(worker, window_, tr("打开项目中..."));
  emit statusMessage(QString());
  if (!worker.succeeded()) {
    if (!worker.isCancelled()) showCoreMessage(worker.message().caption, worker.message().text);
    return false;
  }
  replaceProject(session_, tr("打开项目"), worker.result());
  return true;
}

bool ProjectCommands::save() {
  const std::string& path = session_.project().path;
  return path.empty() ? saveAs() : writeTo(fromCore(path));
}

bool ProjectCommands::saveAs() {
  QString path = choosers_.save(tr("项目保存到"), projectFilter(), QStringLiteral("dat"),
                                session_.projectTitle() + QStringLiteral(".dat"),
                                session_.preferences().projectFolder);
  return !path.isEmpty() && writeTo(path);
}

bool ProjectCommands::writeTo(const QString& path) {
  UserMessage error;
  if (!saveProject(session_.project(), toCore(path), &error)) {
    showCoreMessage(error.caption, error.text);
    return false;
  }
  emit projectSaved();
  return true;
}

void ProjectCommands::showCoreMessage(const std::string& caption, const std::string& text) {
  QString title = fromCore(caption);
  auto icon = title == tr("提示") ? QMessageBox::Information : QMessageBox::Critical;
  prompts_.message(window_, icon, title, fromCore(text));
}

}  // namespace pictavo
