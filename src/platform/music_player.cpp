#include "platform/music_player.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>

#include "platform/child_process.h"
#include "platform/watched_child.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

// The player's arguments: no window, end with the file, no status line. Warnings are on
// because "could not find codec parameters", one of the ways a file fails, is a warning.
std::vector<std::string> playerArguments(const std::string& fsPath, const std::string& audioFilter) {
  std::vector<std::string> arguments = {"-nodisp", "-autoexit", "-nostats", "-loglevel", "warning"};
  if (!audioFilter.empty()) arguments.insert(arguments.end(), {"-af", audioFilter});
  arguments.push_back(fsPath);
  return arguments;
}

// The first lines of the player's error output, for the failure message.
std::string firstLines(const std::string& text, int count) {
  std::istringstream in(text);
  std::string line, kept;
  while (count-- > 0 && std::getline(in, line)) {
    if (!kept.empty()) kept += " / ";
    kept += line;
  }
  return kept;
}

}  // namespace

PlayEnd playEndOf(int exitCode, const std::string& errorOutput, const std::string& fsPath) {
  if (exitCode != 0) return PlayEnd::kFailed;
  std::istringstream in(errorOutput);
  std::string line;
  const std::string fileMessage = fsPath + ": ";  // "<file>: No such file or directory" etc.
  while (std::getline(in, line)) {
    if (line.compare(0, fileMessage.size(), fileMessage) == 0 ||
        line.find("Failed to open file '") != std::string::npos)
      return PlayEnd::kFailed;
  }
  return PlayEnd::kFinished;
}

MusicPlayer::MusicPlayer(std::string program, EndHandler onEnd)
    : program_(std::move(program)), onEnd_(std::move(onEnd)) {}

MusicPlayer::~MusicPlayer() { close(); }

bool MusicPlayer::open(const std::string& fsPath, std::string* error) {
  close();
  path_.clear();
  struct stat info {};
  const char* reason = nullptr;
  if (::stat(fsPath.c_str(), &info) != 0 || ::access(fsPath.c_str(), R_OK) != 0)
    reason = std::strerror(errno);
  else if (!S_ISREG(info.st_mode))
    reason = "not a regular file";
  if (reason) {
    if (error) *error = strprintf("cannot read %s: %s", fsPath.c_str(), reason);
    return false;
  }
  // Absolute, so that the name can never be taken for an option or a protocol.
  path_ = absoluteFsName(fsPath);
  return true;
}

uint64_t MusicPlayer::play(std::string* error, const std::string& audioFilter) {
  close();
  if (path_.empty()) {
    if (error) *error = "no file is open";
    return 0;
  }
  if (program_.empty()) {
    if (error) *error = "ffplay was not found";
    return 0;
  }
  uint64_t serial = ++lastSerial_;
  SpawnRequest request{program_, playerArguments(path_, audioFilter), {}, false};
  auto onEnd = [handler = onEnd_, serial, path = path_](int code, const std::string& output) {
    PlayEnd end = playEndOf(code, output, path);
    std::string message;
    if (end == PlayEnd::kFailed)
      message = strprintf("ffplay ended with exit code %d: %s", code, firstLines(output, 4).c_str());
    if (handler) handler(serial, end, message);
  };
  child_ = WatchedChild::start(request, std::move(onEnd), error);
  return child_ ? serial : 0;
}

void MusicPlayer::pause() {
  if (child_) child_->suspend();
}

void MusicPlayer::resume() {
  if (child_) child_->resume();
}

void MusicPlayer::close() {
  if (!child_) return;
  child_->end();
  child_.reset();
}

pid_t MusicPlayer::processId() const { return child_ ? child_->id() : -1; }

}  // namespace pictavo
