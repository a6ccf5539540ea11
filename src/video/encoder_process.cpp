#include "video/encoder_process.h"

#include <chrono>

#include "platform/files.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"
#include "video/temp_names.h"

namespace pictavo {
namespace {

// The FIFO "vN" (N in 1..1000) in the process's own pipe folder, drawn again while the
// name is taken. `name` is the FIFO's name relative to the temporary folder.
std::unique_ptr<Fifo> makeFramePipe(const ProcessFolder& folder, std::string* name,
                                    std::string* error) {
  auto fsFolder = toFsName(folder.path());
  for (int attempt = 0; fsFolder && attempt < 100; ++attempt) {
    std::string bare = freeTempName(folder.path(), "v%d", 1, 1000);
    if (bare.empty()) break;
    *name = joinPath(folder.name(), bare);
    bool exists = false;
    auto fifo = Fifo::create(*fsFolder + "/" + bare, error, &exists);
    if (fifo || !exists) return fifo;
  }
  if (error && error->empty()) *error = "mkfifo() failed: no free name";
  return nullptr;
}

}  // namespace

EncoderModeFlag& processEncoderMode() {
  static EncoderModeFlag flag;
  return flag;
}

std::unique_ptr<EncoderProcess> EncoderProcess::start(const EncoderLaunch& launch,
                                                      const EncoderCommand& command,
                                                      EncoderFailure* failure) {
  std::unique_ptr<EncoderProcess> encoder(new EncoderProcess());
  encoder->launch_ = launch;
  bool named = launch.transport == EncoderTransport::NamedPipe;
  auto fsTemp = toFsName(launch.tempFolder);
  if (!fsTemp || !makeFolders(launch.tempFolder)) {
    *failure = {kReportMakeVideo, localFormat("无法创建临时文件夹: %s", launch.tempFolder.c_str())};
    return nullptr;
  }
  std::string error;
  if (named) {
    std::string pipeName;
    encoder->pipeFolder_ = ProcessFolder::make(launch.tempFolder, kPipeFolderPrefix, &error);
    if (encoder->pipeFolder_) encoder->fifo_ = makeFramePipe(*encoder->pipeFolder_, &pipeName, &error);
    if (!encoder->fifo_) {
      *failure = {kReportMakeVideo, error};
      return nullptr;
    }
    encoder->commandLine_ = namedPipeCommandLine(pipeName, command);
  } else {
    encoder->commandLine_ = standardInputCommandLine(command);
  }

  SpawnRequest request;
  request.program = launch.program;
  request.workingFolder = *fsTemp;
  request.pipeInput = !named;
  if (!commandArguments(encoder->commandLine_, &request.arguments, &error)) {
    *failure = {kReportMakeVideo, error};
    return nullptr;
  }
  encoder->child_ = ChildProcess::spawn(request, &error);
  if (!encoder->child_) {
    *failure = {named ? kReportNamedPipe : kReportMakeVideo, error};
    return nullptr;
  }
  encoder->watcher_ = std::thread([raw = encoder.get()] { raw->watch(); });
  return encoder;
}

EncoderProcess::~EncoderProcess() {
  closeFrames();
  if (watcher_.joinable()) {
    if (!ended_.load()) child_->kill();
    watcher_.join();
  }
  child_.reset();
  fifo_.reset();
  pipeFolder_.reset();
}

// Follows the child until it ends; a cancelled run's encoder is stopped after its grace.
void EncoderProcess::watch() {
  exitCode_ = child_->waitUnlessCancelled(launch_.cancel, launch_.cancelGraceMs);
  ended_.store(true);
}

EncoderProcess::Connection EncoderProcess::connect(std::string* error) {
  if (!fifo_) return Connection::Ready;
  auto cancelled = [this] { return launch_.cancel && launch_.cancel->load(); };
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(launch_.pipeOpenTimeoutMs);
  auto giveUp = [&] {
    return ended_.load() || cancelled() || std::chrono::steady_clock::now() >= deadline;
  };
  switch (fifo_->openForWriting(giveUp, error)) {
    case Fifo::OpenResult::Opened: return Connection::Ready;
    case Fifo::OpenResult::Failed: return Connection::Failed;
    case Fifo::OpenResult::GaveUp: break;
  }
  if (cancelled()) return Connection::Cancelled;
  if (ended_.load()) return Connection::EncoderEnded;
  if (error)
    *error = strprintf("ConnectNamedPipe failed: the encoder did not open the pipe within %d ms",
                       launch_.pipeOpenTimeoutMs);
  return Connection::Failed;
}

int EncoderProcess::frameFd() const { return fifo_ ? fifo_->fd() : child_->inputFd(); }

void EncoderProcess::closeFrames() {
  if (fifo_) fifo_->closeWriteEnd();
  if (child_) child_->closeInput();
}

int EncoderProcess::finish() {
  closeFrames();
  if (watcher_.joinable()) watcher_.join();
  return exitCode_;
}

}  // namespace pictavo
