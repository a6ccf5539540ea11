#include "ui/workers/generation_worker.h"

#include "app/qt_text.h"
#include "net/error_report.h"

namespace pictavo {

GenerationWorker::GenerationWorker(const Project& project, const Preferences& preferences,
                                   const std::string& outputPath, int sampleRate, QObject* parent)
    : QObject(parent) {
  GenerationOptions options;
  options.reportError = reportError;
  run_ = std::make_unique<GenerationRun>(project, preferences, outputPath, sampleRate,
                                         static_cast<ProgressObserver&>(*this), options);
}

// The run's destructor cancels a run still going and waits for its thread.
GenerationWorker::~GenerationWorker() { run_.reset(); }

bool GenerationWorker::start(QString* error) {
  std::string reason;
  if (run_->start(&reason)) return true;
  *error = fromCore(reason);
  return false;
}

void GenerationWorker::cancel() { run_->cancel(); }
int GenerationWorker::pictureTotal() const { return run_->pictureTotal(); }

void GenerationWorker::picture(int number, int total) { emit pictureStarted(number, total); }
void GenerationWorker::finished() { emit runFinished(); }
void GenerationWorker::cancelled() { emit runCancelled(); }
void GenerationWorker::failed(const std::string& message) { emit runFailed(fromCore(message)); }
void GenerationWorker::warning(const std::string& message) { emit runWarning(fromCore(message)); }

}  // namespace pictavo
