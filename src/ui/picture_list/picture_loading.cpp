#include "ui/picture_list/picture_loading.h"

#include <QActionGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "project/picture_list.h"
#include "ui/commands/project_edit_command.h"
#include "ui/models/picture_list_model.h"
#include "ui/models/thumbnail_cache.h"
#include "ui/status_bar.h"
#include "ui/status_bar_task.h"
#include "ui/workers/picture_load_task.h"

namespace pictavo {
namespace {

// The button sits at the right end of the status bar's progress line, which ends at x = 750.
constexpr int kStopButtonRight = 748;
constexpr int kStopButtonWidth = 48;

// The list's own parts that stay usable while locked: the viewport and the scroll bars,
// which sit directly in the list or in a container of their own. A control floating over
// the list (the effect chooser) has scroll bars deeper down, in its drop-down list, and is
// locked.
bool isScrollPart(QWidget* widget, QListView* list) {
  return widget == list->viewport() || qobject_cast<QScrollBar*>(widget) != nullptr ||
         widget->findChild<QScrollBar*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

}  // namespace

PictureLoading::PictureLoading(Session& session, UserPrompts& prompts, PictureListModel& model,
                               MainStatusBar& status, QWidget* window)
    : QObject(window),
      session_(session),
      prompts_(prompts),
      model_(model),
      status_(status),
      window_(window),
      statusTask_(new StatusBarTask(status, this)),
      stopButton_(new QPushButton(tr("停止"), &status)),
      escape_(new QShortcut(QKeySequence(Qt::Key_Escape), window)),
      lockedActions_(new QActionGroup(this)) {
  stopButton_->setObjectName(QStringLiteral("stopLoading"));
  stopButton_->setAccessibleName(stopButton_->text());
  stopButton_->setGeometry(kStopButtonRight - kStopButtonWidth, 1, kStopButtonWidth,
                           std::max(18, status.sizeHint().height() - 2));
  stopButton_->hide();
  escape_->setContext(Qt::WindowShortcut);
  escape_->setEnabled(false);
  lockedActions_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
  connect(stopButton_, &QPushButton::clicked, this, &PictureLoading::stop);
  connect(escape_, &QShortcut::activated, this, &PictureLoading::stop);
}

PictureLoading::~PictureLoading() = default;

void PictureLoading::lockWhileLoading(const QList<QAction*>& actions,
                                      const QList<QWidget*>& widgets, QListView* list) {
  for (QAction* action : actions) lockedActions_->addAction(action);
  lockedWidgets_ = widgets;
  list_ = list;
}

// Ends the load at once; the task's threads wind down after.
void PictureLoading::stop() {
  if (running()) ended(false);
}

void PictureLoading::load(const QStringList& paths, int position) {
  if (paths.isEmpty()) return;
  std::vector<std::string> files;
  for (const QString& path : paths) files.push_back(toCore(path));
  if (running()) {
    if (!task_->append(files)) pending_.insert(pending_.end(), files.begin(), files.end());
    return;
  }
  started(position);
  startTask(files, position);
}

void PictureLoading::startTask(const std::vector<std::string>& files, int position) {
  const Project& project = session_.project();
  auto* task = new PictureLoadTask(session_.project(), position, this);
  task_ = task;
  connect(task, &PictureLoadTask::thumbnailMade, this,
          [this](const std::string& path, const QImage& image) {
            model_.thumbnails().store(path, 0, image);
          });
  connect(task, &PictureLoadTask::picturesInserted, this, [this](int first, int count) {
    model_.picturesInserted(first, count);
    status_.setPictureCount(static_cast<int>(session_.project().pictures.size()));
  });
  connect(task, &PictureLoadTask::limitReached, this, [this] { ended(true); });
  connect(task, &Task::finished, this, [this, task] { taskFinished(task); });
  statusTask_->follow(*task, tr("加载图片"));
  task->append(files);
  if (static_cast<int>(project.pictures.size()) >= project.maxPictures) {
    ended(true);
  } else if (task->start()) {
    return;
  } else {
    ended(false);
    prompts_.message(window_, QMessageBox::Warning, tr("提示"), task->error());
  }
  delete task;
}

// Continues the load with the files given after the task took its last one, else ends it.
void PictureLoading::taskFinished(PictureLoadTask* task) {
  task->deleteLater();
  if (task != task_) return;  // the load ended before the task did
  if (pending_.empty()) {
    ended(false);
    return;
  }
  std::vector<std::string> files = std::move(pending_);
  pending_.clear();
  startTask(files, task->position());
}

void PictureLoading::started(int position) {
  edit_ = std::make_unique<ProjectEdit>(session_);
  countBefore_ = session_.project().pictures.size();
  inserting_ = position >= 0;
  lock(true);
  stopButton_->show();
  escape_->setEnabled(true);
}

void PictureLoading::ended(bool reachedLimit) {
  if (task_) task_->cancel();
  task_ = nullptr;
  pending_.clear();
  statusTask_->release();
  stopButton_->hide();
  escape_->setEnabled(false);
  lock(false);
  Project& project = session_.project();
  // Inserted pictures take the caption state that the other pictures follow.
  bool added = project.pictures.size() != countBefore_;
  if (added && inserting_ && project.settings.captionsOn)
    for (ImageItem& picture : project.pictures) picture.caption.mode = 1;
  std::unique_ptr<ProjectEdit> edit = std::move(edit_);
  edit->finish(tr("添加图片"));
  emit finished();
  // Last: a new load may start while the box is open.
  if (reachedLimit)
    prompts_.message(window_, QMessageBox::Warning, tr("提示"),
                     fromCore(pictureLimitMessage(project)));
}

void PictureLoading::lock(bool locked) {
  lockedActions_->setEnabled(!locked);
  if (locked) {
    QList<QWidget*> widgets = lockedWidgets_;
    if (list_) {
      list_->installEventFilter(this);
      list_->viewport()->installEventFilter(this);
      // Controls that float over the list (the effect chooser, say).
      for (QWidget* parent : {static_cast<QWidget*>(list_), list_->viewport()})
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
          if (!isScrollPart(child, list_)) widgets << child;
    }
    for (QWidget* widget : widgets)
      if (widget->isEnabled()) {
        widget->setEnabled(false);
        disabled_ << widget;
      }
    return;
  }
  if (list_) {
    list_->removeEventFilter(this);
    list_->viewport()->removeEventFilter(this);
  }
  for (const QPointer<QWidget>& widget : disabled_)
    if (widget) widget->setEnabled(true);
  disabled_.clear();
}

// While locked the list scrolls and selects, but opens no menu and takes no double click.
bool PictureLoading::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ContextMenu:
    case QEvent::MouseButtonDblClick:
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace pictavo
