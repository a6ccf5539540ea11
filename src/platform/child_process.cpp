#include "platform/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

#include "util/text_format.h"

extern char** environ;

namespace pictavo {
namespace {

std::string callFailed(const char* call, int error) {
  return strprintf("%s failed with error %d (%s)", call, error, std::strerror(error));
}

void closeFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

int exitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// posix_spawn's attributes and file actions, released on every path.
struct SpawnSetup {
  posix_spawnattr_t attr;
  posix_spawn_file_actions_t actions;
  SpawnSetup() {
    posix_spawnattr_init(&attr);
    posix_spawn_file_actions_init(&actions);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
  }
};

// Own process group, default signal handling (we ignore SIGPIPE; the child must not
// inherit that), no blocked signals.
void setAttributes(posix_spawnattr_t* attr) {
  sigset_t defaults, none;
  sigemptyset(&defaults);
  for (int s : {SIGPIPE, SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&defaults, s);
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(attr, &defaults);
  posix_spawnattr_setsigmask(attr, &none);
  posix_spawnattr_setpgroup(attr, 0);
  posix_spawnattr_setflags(attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF |
                                     POSIX_SPAWN_SETSIGMASK);
}

}  // namespace

// Reads the child's standard error until its end, keeping the first bytes.
struct ChildProcess::Drain {
  int fd = -1;
  std::mutex mutex;
  std::condition_variable ended;
  std::string kept;
  bool atEnd = false;
  bool stop = false;
  std::thread thread;

  explicit Drain(int readFd) : fd(readFd) {
    thread = std::thread([this] { run(); });
  }

  ~Drain() {
    {
      std::lock_guard lock(mutex);
      stop = true;
    }
    if (thread.joinable()) thread.join();
    closeFd(fd);
  }

  void run() {
    char buffer[4096];
    while (true) {
      {
        std::lock_guard lock(mutex);
        if (stop) break;
      }
      pollfd p{fd, POLLIN, 0};
      int ready = ::poll(&p, 1, 100);
      if (ready < 0 && errno != EINTR) break;
      if (ready <= 0) continue;
      ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      std::lock_guard lock(mutex);
      if (kept.size() < kKeptErrorBytes)
        kept.append(buffer, std::min(static_cast<size_t>(n), kKeptErrorBytes - kept.size()));
    }
    std::lock_guard lock(mutex);
    atEnd = true;
    ended.notify_all();
  }

  std::string text(bool waitForEnd) {
    std::unique_lock lock(mutex);
    if (waitForEnd) ended.wait_for(lock, std::chrono::seconds(1), [this] { return atEnd; });
    return kept;
  }
};

struct ChildProcess::Guard {
  std::mutex mutex;
};

std::unique_ptr<ChildProcess> ChildProcess::spawn(const SpawnRequest& request, std::string* error) {
  int errPipe[2] = {-1, -1}, inPipe[2] = {-1, -1};
  if (::pipe2(errPipe, O_CLOEXEC) != 0) {
    if (error) *error = callFailed("pipe()", errno);
    return nullptr;
  }
  if (request.pipeInput && ::pipe2(inPipe, O_CLOEXEC) != 0) {
    if (error) *error = callFailed("pipe()", errno);
    closeFd(errPipe[0]);
    closeFd(errPipe[1]);
    return nullptr;
  }

  SpawnSetup setup;
  setAttributes(&setup.attr);
  if (!request.workingFolder.empty())
    posix_spawn_file_actions_addchdir_np(&setup.actions, request.workingFolder.c_str());
  if (request.pipeInput)
    posix_spawn_file_actions_adddup2(&setup.actions, inPipe[0], 0);
  else
    posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&setup.actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&setup.actions, errPipe[1], 2);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(request.program.c_str()));
  for (const std::string& a : request.arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  pid_t pid = -1;
  int result = posix_spawn(&pid, request.program.c_str(), &setup.actions, &setup.attr,
                           argv.data(), environ);
  closeFd(errPipe[1]);
  closeFd(inPipe[0]);
  if (result != 0) {
    if (error) *error = callFailed("posix_spawn()", result);
    closeFd(errPipe[0]);
    closeFd(inPipe[1]);
    return nullptr;
  }
  std::unique_ptr<ChildProcess> child(new ChildProcess());
  child->pid_ = pid;
  child->inputFd_ = inPipe[1];
  child->guard_ = std::make_unique<Guard>();
  child->drain_ = std::make_unique<Drain>(errPipe[0]);
  return child;
}

ChildProcess::~ChildProcess() {
  closeInput();
  if (!exitCode_ && pid_ > 0) {
    signalGroup(SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
  }
  drain_.reset();
}

void ChildProcess::closeInput() { closeFd(inputFd_); }

std::optional<int> ChildProcess::waitFor(int milliseconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (true) {
    {
      std::lock_guard lock(guard_->mutex);
      if (exitCode_) return exitCode_;
      int status = 0;
      pid_t done = ::waitpid(pid_, &status, WNOHANG);
      if (done == pid_) {
        exitCode_ = exitCodeOf(status);
        return exitCode_;
      }
      if (done < 0 && errno != EINTR) {
        exitCode_ = -1;  // not our child any more: nothing left to wait for
        return exitCode_;
      }
    }
    auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return std::nullopt;
    auto step = std::min<std::chrono::steady_clock::duration>(deadline - now, std::chrono::milliseconds(5));
    std::this_thread::sleep_for(step);
  }
}

int ChildProcess::wait() {
  while (true) {
    if (auto code = waitFor(1000)) return *code;
  }
}

void ChildProcess::signalGroup(int signal) {
  // Only while not reaped: until then the id cannot belong to anyone else.
  if (!exitCode_ && pid_ > 0) ::kill(-pid_, signal);
}

void ChildProcess::terminate() {
  std::lock_guard lock(guard_->mutex);
  signalGroup(SIGTERM);
}

void ChildProcess::kill() {
  std::lock_guard lock(guard_->mutex);
  signalGroup(SIGKILL);
}

std::string ChildProcess::errorOutput() {
  bool ended;
  {
    std::lock_guard lock(guard_->mutex);
    ended = exitCode_.has_value();
  }
  return drain_->text(ended);
}

bool isExecutableFile(const std::string& fsName) {
  struct stat info {};
  return ::stat(fsName.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(fsName.c_str(), X_OK) == 0;
}

std::optional<std::string> findOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (!path || name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  std::string folders = path;
  size_t start = 0;
  while (start <= folders.size()) {
    size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    std::string folder = folders.substr(start, end - start);
    std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
    if (isExecutableFile(candidate)) return absoluteFsName(candidate);
    start = end + 1;
  }
  return std::nullopt;
}

std::string absoluteFsName(const std::string& fsName) {
  if (!fsName.empty() && fsName[0] == '/') return fsName;
  char* here = ::getcwd(nullptr, 0);
  if (!here) return fsName;
  std::string result = std::string(here) + "/" + fsName;
  std::free(here);
  return result;
}

}  // namespace pictavo
