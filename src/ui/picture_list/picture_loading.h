// Adding and inserting pictures from the window while it stays usable: a task reads the
// files on other threads and the list shows each picture as it arrives. The status bar's
// progress line reads "加载图片: k / K"; a "停止" button beside it and Esc stop the load
// (pictures already added stay). While it runs the commands that edit the project are
// locked, and the whole load becomes one step of the undo history at its end.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QListView;
class QPushButton;
class QShortcut;
class QWidget;

namespace pictavo {

class MainStatusBar;
class PictureListModel;
class PictureLoadTask;
class ProjectEdit;
class Session;
class StatusBarTask;
class UserPrompts;

class PictureLoading : public QObject {
  Q_OBJECT

 public:
  PictureLoading(Session& session, UserPrompts& prompts, PictureListModel& model,
                 MainStatusBar& status, QWidget* window);
  ~PictureLoading() override;

  // What is locked while a load runs: actions, widgets (with their children) and the list,
  // which still scrolls and selects but takes no editing input.
  void lockWhileLoading(const QList<QAction*>& actions, const QList<QWidget*>& widgets,
                        QListView* list);

  // Picture files, in order: appended (position -1) or inserted before picture `position`.
  // Files given while a load runs join its end.
  void load(const QStringList& paths, int position);
  bool running() const { return task_ != nullptr; }
  void stop();

 signals:
  void finished();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void started(int position);
  void startTask(const std::vector<std::string>& files, int position);
  void taskFinished(PictureLoadTask* task);
  void ended(bool reachedLimit);
  void lock(bool locked);

  Session& session_;
  UserPrompts& prompts_;
  PictureListModel& model_;
  MainStatusBar& status_;
  QWidget* window_;
  StatusBarTask* statusTask_;
  PictureLoadTask* task_ = nullptr;  // the load's task; null when no load runs
  // Files given after the task took its last one: a task of their own continues the load.
  std::vector<std::string> pending_;
  QPushButton* stopButton_;
  QShortcut* escape_;
  QActionGroup* lockedActions_;
  QList<QWidget*> lockedWidgets_;
  QListView* list_ = nullptr;
  QList<QPointer<QWidget>> disabled_;
  std::unique_ptr<ProjectEdit> edit_;  // the load's step, from its start
  size_t countBefore_ = 0;
  bool inserting_ = false;
};

}  // namespace pictavo
