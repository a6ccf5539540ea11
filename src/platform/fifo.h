// A named pipe (FIFO) through which the encoder reads the frames. Opening its write end
// never blocks for good: it is retried without blocking until the reader has opened the
// pipe, or the caller gives up (the reader ended, the run was cancelled). The FIFO is
// removed when the object goes, on every path.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace pictavo {

class Fifo {
 public:
  // Makes the FIFO (mode 0600). Null when it cannot be made; `error` names the call and
  // errno, `exists` (optional) is set when a file of that name is in the way.
  static std::unique_ptr<Fifo> create(const std::string& fsPath, std::string* error,
                                      bool* exists = nullptr);
  ~Fifo();
  Fifo(const Fifo&) = delete;
  Fifo& operator=(const Fifo&) = delete;

  enum class OpenResult { Opened, GaveUp, Failed };

  // Opens the write end, trying every few milliseconds until a reader has the FIFO open
  // (Opened; writes then block as on any pipe), `giveUp` returns true (GaveUp), or the
  // open fails for another reason than a missing reader (Failed, with `error`).
  OpenResult openForWriting(const std::function<bool()>& giveUp, std::string* error);

  int fd() const { return fd_; }
  void closeWriteEnd();
  const std::string& path() const { return path_; }

 private:
  explicit Fifo(std::string path) : path_(std::move(path)) {}
  std::string path_;
  int fd_ = -1;
};

}  // namespace pictavo
