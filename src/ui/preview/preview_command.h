// "视频预览" and the one-picture effect preview: checks the project, starts a PreviewRun on
// a copy of it, shows the preview window over the main window (which takes no input until
// the preview is closed) and passes the run's music requests to the music panel.
#pragma once

#include <QObject>

#include <memory>

#include "ui/preview/preview_artwork.h"
#include "video/generation_checks.h"

class QAction;
class QWidget;

namespace pictavo {

class PreviewMusic;
class PreviewRun;
class PreviewWindow;
class Session;
class UserPrompts;

class PreviewCommand : public QObject {
  Q_OBJECT

 public:
  // `previewButton` is disabled while a preview's threads run.
  PreviewCommand(Session& session, UserPrompts& prompts, QWidget* mainWindow,
                 QAction* previewButton);
  // Stops a running preview and waits for its threads.
  ~PreviewCommand() override;

  // The music panel; null plays the preview without music.
  void setMusic(PreviewMusic* music) { music_ = music; }

  // The whole project, as the video will show it.
  void start();
  // One picture's transition from the picture before it, then a second's hold. With a
  // service address configured, the service's page about the effect opens instead.
  void previewPictureEffect(int row);

  PreviewWindow* window() const { return window_; }
  // The current or last run; null before the first.
  PreviewRun* run() const { return run_.get(); }

 signals:
  // The run's threads have finished (shown to the end, or closed).
  void runEnded();
  // The project cannot be previewed yet; the user was told why.
  void refused(const ProjectCheck& check);

 private:
  bool sizeChosen();
  void begin(int effectRow);
  void connectRun(int id);
  void closeWindow();
  void finishRun(int id);

  Session& session_;
  UserPrompts& prompts_;
  QWidget* mainWindow_;
  QAction* previewButton_;
  PreviewWindow* window_;
  PreviewArtwork artwork_;
  PreviewMusic* music_ = nullptr;
  std::unique_ptr<PreviewRun> run_;
  int runId_ = 0;
  int effectRow_ = -1;  // of the current run
  bool musicStarted_ = false;
};

}  // namespace pictavo
