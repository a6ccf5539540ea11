// One ffmpeg process fed with frames, through a named pipe (FIFO) or through its standard
// input, and the process-wide choice between the two. A watcher thread follows the child
// while frames are written; after a cancel it gives the child a grace period and then ends
// it, so that neither a stalled encoder nor the FIFO outlives the run.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "platform/child_process.h"
#include "platform/fifo.h"
#include "platform/process_folder.h"
#include "video/encoder_command.h"

namespace pictavo {

enum class EncoderTransport { NamedPipe, StandardInput };

// The named pipe is tried first; once it has failed, standard input is used for the rest
// of the process.
class EncoderModeFlag {
 public:
  bool anonymous() const { return anonymous_.load(); }
  void setAnonymous() { anonymous_.store(true); }
  EncoderTransport transport() const {
    return anonymous() ? EncoderTransport::StandardInput : EncoderTransport::NamedPipe;
  }

 private:
  std::atomic<bool> anonymous_{false};
};

EncoderModeFlag& processEncoderMode();

// Error-report names of the encoder's failures.
inline constexpr const char* kReportMakeVideo = "thread_make_video";
inline constexpr const char* kReportNamedPipe = "thread_run_ffmpeg_by_named_pipe";
inline constexpr const char* kReportAnonymousPipe = "thread_run_ffmpeg_by_anonymous_pipe";

struct EncoderFailure {
  const char* reportName = kReportMakeVideo;
  std::string text;
};

struct EncoderLaunch {
  EncoderTransport transport = EncoderTransport::NamedPipe;
  std::string program;     // file-system name of ffmpeg
  std::string tempFolder;  // GBK; the encoder runs here (the logo copy lies here, the FIFO below)
  const std::atomic<bool>* cancel = nullptr;
  int cancelGraceMs = 5000;
  // How long the named pipe waits for the encoder to open it before the run turns to
  // standard input.
  int pipeOpenTimeoutMs = 30000;
};

// The FIFOs lie in "pipes-PID" in the temporary folder: what a killed program leaves
// there is removed by the next one.
inline constexpr const char* kPipeFolderPrefix = "pipes";

class EncoderProcess {
 public:
  // Makes the transport and starts the child. Null with `failure` when the FIFO or a pipe
  // cannot be made, the command line cannot be carried or the child cannot be started.
  static std::unique_ptr<EncoderProcess> start(const EncoderLaunch& launch,
                                               const EncoderCommand& command,
                                               EncoderFailure* failure);
  ~EncoderProcess();
  EncoderProcess(const EncoderProcess&) = delete;
  EncoderProcess& operator=(const EncoderProcess&) = delete;

  enum class Connection { Ready, Cancelled, EncoderEnded, Failed };

  // Named pipe: waits until the encoder has opened the FIFO, it has ended, or the run was
  // cancelled; an encoder that has not opened it within pipeOpenTimeoutMs is a failure
  // (with `error`) like a FIFO that cannot be opened. Standard input: ready at once.
  Connection connect(std::string* error);

  int frameFd() const;

  // Closes the frame pipe (the end of the encoder's input) and waits for the child's exit
  // code.
  int finish();

  // The first bytes of the child's standard error.
  std::string errorText() { return child_->errorOutput(); }

  const std::string& commandLine() const { return commandLine_; }
  pid_t childId() const { return child_->id(); }

 private:
  EncoderProcess() = default;
  void watch();
  void closeFrames();

  EncoderLaunch launch_;
  std::string commandLine_;
  std::unique_ptr<ProcessFolder> pipeFolder_;  // holds fifo_, so it goes after it
  std::unique_ptr<Fifo> fifo_;
  std::unique_ptr<ChildProcess> child_;
  std::thread watcher_;
  std::atomic<bool> ended_{false};
  int exitCode_ = -1;
};

}  // namespace pictavo
