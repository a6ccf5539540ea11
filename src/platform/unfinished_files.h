// Files that are only worth keeping once this process finishes them (a video being encoded,
// the cover tool's copy of it). When the process is ended abruptly, by a crash or by a
// second interrupt, its signal handlers remove them: the names wait in a fixed table of
// preallocated slots, so that removing them is async-signal-safe.
#pragma once

#include <string>

namespace pictavo {

// Holds one file (file-system name) in the table for as long as the object lives; removing
// or keeping the file otherwise is the owner's business. A name that does not fit, or a
// full table, is simply not held.
class UnfinishedFile {
 public:
  explicit UnfinishedFile(const std::string& fsName);
  ~UnfinishedFile();
  UnfinishedFile(const UnfinishedFile&) = delete;
  UnfinishedFile& operator=(const UnfinishedFile&) = delete;

  bool held() const { return slot_ >= 0; }

 private:
  int slot_ = -1;
};

// Unlinks every held file. Async-signal-safe; for the crash and interrupt handlers.
void removeUnfinishedFiles();

}  // namespace pictavo
