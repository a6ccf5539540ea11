// The generation run: a worker thread that starts the encoder, renders every picture into
// its frame pipe and tells a progress observer how far it is and how it ended. A failure
// of the named-pipe encoder makes the worker redo the whole video once through the
// encoder's standard input, without telling the observer about the first attempt.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "project/preferences.h"
#include "project/project_model.h"
#include "video/encoder_process.h"
#include "video/error_reporter.h"
#include "video/output_file.h"

namespace pictavo {

// What the progress window (or the terminal) hears from a run. Calls come from the worker
// thread; exactly one of finished, cancelled and failed ends every started run.
class ProgressObserver {
 public:
  virtual ~ProgressObserver() = default;
  // Before picture `number` (1-based) of `total` is made.
  virtual void picture(int number, int total) = 0;
  virtual void finished() = 0;
  virtual void cancelled() = 0;
  // The encoder failed; `message` (GBK) is the text for the user.
  virtual void failed(const std::string& message) = 0;
  // A problem that leaves the video usable (the cover could not be attached), GBK.
  virtual void warning(const std::string& message) = 0;
};

// The music filters the project's options ask for, for a video of `videoSeconds`: the
// fade-out ends where the video ends, or where the music does when it ends first. With
// `measureLevels` the tracks' loudness is measured (on a worker) when levelling is on.
MusicFilters musicFiltersFor(const ProjectSettings& settings, float videoSeconds, bool measureLevels);

struct GenerationOptions {
  EncoderModeFlag* mode = &processEncoderMode();
  int cancelGraceMs = 5000;  // how long a cancelled encoder may take to end by itself
  // How long the encoder may take to open the named pipe, and the longest a frame write may
  // make no progress before the run fails.
  int pipeOpenTimeoutMs = 30000;
  ErrorReporter reportError = logErrorReport;  // encoder and cover tool failures
};

class GenerationRun {
 public:
  // `sampleRate` is the one checkProject chose; `outputPath` ends in ".mp4".
  GenerationRun(const Project& project, const Preferences& preferences, std::string outputPath,
                int sampleRate, ProgressObserver& observer, GenerationOptions options = {});
  // Cancels a run still going and waits for it.
  ~GenerationRun();
  GenerationRun(const GenerationRun&) = delete;
  GenerationRun& operator=(const GenerationRun&) = delete;

  // Refuses up front, with the text for the user, a run that cannot work: pictures whose
  // files are gone, no encoder, paths the encoder's command line cannot carry, an output
  // that is not a regular file or would replace one of the project's own files, a folder
  // that takes no new file. Otherwise starts the worker and returns true; the observer then
  // hears the end. The encoder writes a hidden file beside the output, which takes the
  // output's place only as a complete MP4: a failed or stopped run leaves an earlier file
  // of that name untouched and removes what the encoder wrote.
  bool start(std::string* error);

  // Sets the cancel flag; the worker sees it before the next picture.
  void cancel() { cancel_.store(true); }
  bool done() const { return done_.load(); }
  void wait();

  int pictureTotal() const { return pictureTotal_; }
  float seconds() const { return seconds_; }
  const std::string& outputPath() const { return outputPath_; }

 private:
  enum class Outcome { Finished, Cancelled, Failed, RetryThroughStandardInput };

  void work();
  void finishWithCover();
  Outcome attempt(EncoderTransport transport);
  Outcome renderInto(EncoderProcess& encoder, bool named);
  Outcome afterEncoder(EncoderProcess& encoder, bool named, bool readFrames);
  Outcome stalledEncoder(EncoderProcess& encoder);
  Outcome unmadeFrame(EncoderProcess& encoder);
  Outcome checkOutput();
  bool commitVideo();
  bool rawFrames() const { return preferences_.framePipe == FramePipe::Raw; }
  Outcome fail(const std::string& message);
  bool makePathsAbsolute(std::string* error);

  Project project_;
  Preferences preferences_;
  std::string outputPath_;
  int sampleRate_;
  ProgressObserver& observer_;
  GenerationOptions options_;
  std::string encoderProgram_;
  EncodingOutput encoding_;
  int pictureTotal_ = 0;
  float seconds_ = 0;
  std::atomic<bool> cancel_{false};
  std::atomic<bool> done_{false};
  std::thread worker_;
};

}  // namespace pictavo
