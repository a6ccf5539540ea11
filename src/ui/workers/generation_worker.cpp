#include "ui/workers/generation_worker.h"

#include "app/qt_text.h"
#include "net/error_report.h"

namespace pictavo {

GenerationWorker::GenerationWorker(const Project& project, const Preferences& preferences,
                                   const std::string& outputPath, int sampleRate, QObject* parent)
    : Task(parent) {
  GenerationOptions options;
  options.reportError = reportError;
  run_ = std::make_unique<GenerationRun>(project, preferences, outputPath, sampleRate,
                                         static_cast<ProgressObserver&>(*this), options);
}

// The task's thread ends with the run; the run's destructor then has nothing left to wait for.
GenerationWorker::~GenerationWorker() {
  stopAndWait();
  run_.reset();
}

bool GenerationWorker::prepare() {
  std::string reason;
  if (run_->start(&reason)) return true;
  fail(fromCore(reason));
  return false;
}

void GenerationWorker::run() { run_->wait(); }

void GenerationWorker::stopRequested() { run_->cancel(); }

int GenerationWorker::pictureTotal() const { return run_->pictureTotal(); }

void GenerationWorker::picture(int number, int total) { reportProgress(number, total); }

void GenerationWorker::failed(const std::string& message) {
  outcome_ = Outcome::Failed;
  fail(fromCore(message));
}

void GenerationWorker::warning(const std::string& message) { emit runWarning(fromCore(message)); }

}  // namespace pictavo
