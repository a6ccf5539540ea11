// "生成视频": checks the project, asks where to save the video, runs the generation with
// the progress window while the main window waits, and offers to show the finished video.
#pragma once

#include <QObject>
#include <QString>

#include "ui/workers/generation_worker.h"
#include "video/generation_checks.h"

namespace pictavo {

class FileChoosers;
class ProgressDialog;
class Session;
class UserPrompts;

class GenerationCommand : public QObject {
  Q_OBJECT

 public:
  GenerationCommand(Session& session, UserPrompts& prompts, FileChoosers& choosers,
                    QWidget* window);

  void run();
  ProgressDialog* progressDialog() const { return progress_; }

 signals:
  // The run has ended (finished, stopped or failed) and the window takes input again.
  void ended();
  // The project cannot be generated yet; the user was told why.
  void refused(const ProjectCheck& check);

 private:
  using Outcome = GenerationWorker::Outcome;

  QString chooseOutput();
  Outcome generate(const QString& output, int sampleRate);
  void offerVideo(const QString& output);

  Session& session_;
  UserPrompts& prompts_;
  FileChoosers& choosers_;
  QWidget* window_;
  ProgressDialog* progress_;
};

// Opens the video with the system's player; when there is none, writes the play page into
// the program folder and opens that. False (after telling the user) when neither works.
bool showVideo(UserPrompts& prompts, QWidget* window, const QString& videoPath);

}  // namespace pictavo
