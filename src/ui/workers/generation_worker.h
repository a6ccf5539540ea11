// The generation as a task: the core's run renders on a thread of its own, and this task
// follows it. prepare() starts the run (a run that cannot work is refused with its reason
// before anything shows); cancelling sets the run's own cancel flag, and the run then stops
// its encoder. `progress` counts the pictures; warnings arrive as they come.
#pragma once

#include <QString>

#include <memory>
#include <string>

#include "ui/workers/task.h"
#include "video/generation_run.h"

namespace pictavo {

class GenerationWorker : public Task, private ProgressObserver {
  Q_OBJECT

 public:
  enum class Outcome { Finished, Cancelled, Failed };

  GenerationWorker(const Project& project, const Preferences& preferences,
                   const std::string& outputPath, int sampleRate, QObject* parent = nullptr);
  ~GenerationWorker() override;

  int pictureTotal() const;
  // How the run ended; read after `finished`.
  Outcome outcome() const { return outcome_.load(); }

 signals:
  void runWarning(const QString& message);

 protected:
  bool prepare() override;
  void run() override;
  void stopRequested() override;

 private:
  // ProgressObserver, called on the run's thread: signals only.
  void picture(int number, int total) override;
  void finished() override { outcome_ = Outcome::Finished; }
  void cancelled() override { outcome_ = Outcome::Cancelled; }
  void failed(const std::string& message) override;
  void warning(const std::string& message) override;

  std::unique_ptr<GenerationRun> run_;
  std::atomic<Outcome> outcome_{Outcome::Failed};
};

}  // namespace pictavo
