#include "video/encoder_process.h"

#include <chrono>

#include "platform/files.h"
#include "util/charset.h"
#include "util/paths.h"
#include "video/temp_names.h"

namespace pictavo {
namespace {

// The FIFO "vN" (N in 1..1000) in the temporary folder, drawn again while the name is taken.
std::unique_ptr<Fifo> makeFramePipe(const std::string& tempFolder, const std::string& fsTemp,
                                    std::string* name, std::string* error) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = freeTempName(tempFolder, "v%d", 1, 1000);
    if (name->empty()) break;
    bool exists = false;
    auto fifo = Fifo::create(fsTemp + "/" + *name, error, &exists);
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
    *failure = {kReportMakeVideo, gbk("无法创建临时文件夹: ") + launch.tempFolder};
    return nullptr;
  }
  std::string error;
  if (named) {
    std::string pipeName;
    encoder->fifo_ = makeFramePipe(launch.tempFolder, *fsTemp, &pipeName, &error);
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
}

// Follows the child until it ends. After a cancel the child has `cancelGraceMs` to finish
// on its own; then it is asked to end, and after as long again it is killed.
void EncoderProcess::watch() {
  using Clock = std::chrono::steady_clock;
  std::optional<Clock::time_point> cancelSeen;
  bool terminated = false;
  const auto grace = std::chrono::milliseconds(launch_.cancelGraceMs);
  while (true) {
    if (auto code = child_->waitFor(20)) {
      exitCode_ = *code;
      ended_.store(true);
      return;
    }
    if (!launch_.cancel || !launch_.cancel->load()) continue;
    auto now = Clock::now();
    if (!cancelSeen) cancelSeen = now;
    if (now - *cancelSeen > 2 * grace) {
      child_->kill();
    } else if (now - *cancelSeen > grace && !terminated) {
      child_->terminate();
      terminated = true;
    }
  }
}

EncoderProcess::Connection EncoderProcess::connect(std::string* error) {
  if (!fifo_) return Connection::Ready;
  auto cancelled = [this] { return launch_.cancel && launch_.cancel->load(); };
  switch (fifo_->openForWriting([&] { return ended_.load() || cancelled(); }, error)) {
    case Fifo::OpenResult::Opened: return Connection::Ready;
    case Fifo::OpenResult::Failed: return Connection::Failed;
    case Fifo::OpenResult::GaveUp: break;
  }
  return cancelled() ? Connection::Cancelled : Connection::EncoderEnded;
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
