#include "platform/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
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

#include "platform/spawn_thread.h"
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

// Everything the forked child needs, prepared before the fork: between fork and exec the
// child may only make plain system calls (another thread may have held the allocator's
// lock at the moment of the fork).
struct ExecPlan {
  std::vector<char*> argv;
  const char* program = nullptr;
  const char* workingFolder = nullptr;  // null keeps ours
  int input = -1, output = -1, errorOutput = -1;
  int report = -1;  // the child writes errno here when it cannot exec
  pid_t parent = -1;
};

// Puts `fd` on `target`, without close-on-exec.
bool placeFd(int fd, int target) {
  if (fd == target) return ::fcntl(target, F_SETFD, 0) == 0;
  return ::dup2(fd, target) == target;
}

[[noreturn]] void failInChild(int report) {
  int error = errno;
  ssize_t ignored = ::write(report, &error, sizeof error);
  (void)ignored;
  ::_exit(127);
}

// The child's side of the fork. It ends with the program (SIGKILL when the thread that
// forked it goes, which is the spawning thread that lives as long as the process); a
// parent already gone before the request took hold is caught by getppid. It gets a
// process group of its own, so a Ctrl+C on the terminal reaches only us, and default
// signal handling with nothing blocked (we ignore SIGPIPE; the child must not inherit that).
[[noreturn]] void execInChild(const ExecPlan& plan) {
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != plan.parent) ::_exit(127);
  ::setpgid(0, 0);
  struct sigaction defaults {};
  defaults.sa_handler = SIG_DFL;
  for (int s : {SIGPIPE, SIGINT, SIGTERM, SIGHUP, SIGQUIT}) ::sigaction(s, &defaults, nullptr);
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  if (plan.workingFolder && ::chdir(plan.workingFolder) != 0) failInChild(plan.report);
  if (!placeFd(plan.input, 0) || !placeFd(plan.output, 1) || !placeFd(plan.errorOutput, 2))
    failInChild(plan.report);
  ::execve(plan.program, plan.argv.data(), environ);
  failInChild(plan.report);
}

// Forks on the spawning thread and waits until the child has called exec. The child's id,
// or -1 with `error` naming what failed.
pid_t forkAndExec(ExecPlan& plan, std::string* error) {
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    if (error) *error = callFailed("pipe()", errno);
    return -1;
  }
  plan.report = report[1];
  plan.parent = ::getpid();
  pid_t pid = -1;
  int forkError = EAGAIN;  // stays when the spawning thread cannot run
  runOnSpawnThread([&] {
    pid = ::fork();
    if (pid == 0) execInChild(plan);
    if (pid < 0) forkError = errno;
  });
  closeFd(report[1]);
  if (pid < 0) {
    closeFd(report[0]);
    if (error) *error = callFailed("fork()", forkError);
    return -1;
  }
  ::setpgid(pid, pid);  // also here, so that the group exists before we signal it
  int execError = 0;
  ssize_t got;
  do {
    got = ::read(report[0], &execError, sizeof execError);
  } while (got < 0 && errno == EINTR);
  closeFd(report[0]);
  if (got <= 0) return pid;  // the pipe closed on exec
  int status;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (error) *error = callFailed("execve()", execError);
  return -1;
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
  int nullIn = -1, nullOut = -1;
  auto closeAll = [&] {
    for (int* fd : {&errPipe[0], &errPipe[1], &inPipe[0], &inPipe[1], &nullIn, &nullOut}) closeFd(*fd);
  };
  if (::pipe2(errPipe, O_CLOEXEC) != 0 || (request.pipeInput && ::pipe2(inPipe, O_CLOEXEC) != 0)) {
    if (error) *error = callFailed("pipe()", errno);
    closeAll();
    return nullptr;
  }
  nullOut = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (!request.pipeInput) nullIn = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (nullOut < 0 || (!request.pipeInput && nullIn < 0)) {
    if (error) *error = callFailed("open(/dev/null)", errno);
    closeAll();
    return nullptr;
  }

  ExecPlan plan;
  plan.program = request.program.c_str();
  plan.argv.push_back(const_cast<char*>(request.program.c_str()));
  for (const std::string& a : request.arguments) plan.argv.push_back(const_cast<char*>(a.c_str()));
  plan.argv.push_back(nullptr);
  if (!request.workingFolder.empty()) plan.workingFolder = request.workingFolder.c_str();
  plan.input = request.pipeInput ? inPipe[0] : nullIn;
  plan.output = nullOut;
  plan.errorOutput = errPipe[1];
  pid_t pid = forkAndExec(plan, error);

  int inputFd = inPipe[1], errorFd = errPipe[0];
  inPipe[1] = errPipe[0] = -1;
  closeAll();
  if (pid < 0) {
    closeFd(inputFd);
    closeFd(errorFd);
    return nullptr;
  }
  std::unique_ptr<ChildProcess> child(new ChildProcess());
  child->pid_ = pid;
  child->inputFd_ = inputFd;
  child->guard_ = std::make_unique<Guard>();
  child->drain_ = std::make_unique<Drain>(errorFd);
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

int ChildProcess::waitUnlessCancelled(const std::atomic<bool>* cancel, int graceMs) {
  using Clock = std::chrono::steady_clock;
  std::optional<Clock::time_point> cancelSeen;
  bool terminated = false;
  const auto grace = std::chrono::milliseconds(graceMs);
  while (true) {
    if (auto code = waitFor(20)) return *code;
    if (!cancel || !cancel->load()) continue;
    auto now = Clock::now();
    if (!cancelSeen) cancelSeen = now;
    if (now - *cancelSeen > 2 * grace) {
      kill();
    } else if (now - *cancelSeen > grace && !terminated) {
      terminate();
      terminated = true;
    }
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

void ChildProcess::kill() { sendSignal(SIGKILL); }

void ChildProcess::sendSignal(int signal) {
  std::lock_guard lock(guard_->mutex);
  signalGroup(signal);
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
