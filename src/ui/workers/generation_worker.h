// Runs the core's generation run (which renders on a thread of its own) and turns what it
// reports into queued signals for the window's thread. Cancelling sets the run's own cancel
// flag; the run then stops its encoder and ends with `cancelled`.
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <string>

#include "video/generation_run.h"

namespace pictavo {

class GenerationWorker : public QObject, private ProgressObserver {
  Q_OBJECT

 public:
  GenerationWorker(const Project& project, const Preferences& preferences,
                   const std::string& outputPath, int sampleRate, QObject* parent = nullptr);
  ~GenerationWorker() override;

  // False with the reason (for the user) when the run cannot start.
  bool start(QString* error);
  void cancel();
  int pictureTotal() const;

 signals:
  void pictureStarted(int number, int total);
  void runFinished();
  void runCancelled();
  void runFailed(const QString& message);
  void runWarning(const QString& message);

 private:
  // ProgressObserver, called on the run's thread: signals only.
  void picture(int number, int total) override;
  void finished() override;
  void cancelled() override;
  void failed(const std::string& message) override;
  void warning(const std::string& message) override;

  std::unique_ptr<GenerationRun> run_;
};

}  // namespace pictavo
