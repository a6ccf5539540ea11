// A folder of this process's own inside a shared folder, named "PREFIX-PID", for files
// that must not outlive the process (the encoder's FIFOs). When a process is killed, or a
// second signal ends it at once, its folder stays behind; the next process that makes a
// folder with the same prefix there removes every such folder whose process is gone.
#pragma once

#include <memory>
#include <string>

namespace pictavo {

class ProcessFolder {
 public:
  // Makes (or reuses) the folder in `parent` (GBK), after removing stale ones once per
  // process. Null with `error` (internal text) when it cannot be made.
  static std::unique_ptr<ProcessFolder> make(const std::string& parent, const std::string& prefix,
                                             std::string* error);
  // Removes the folder when it is empty (another user in this process may still hold it).
  ~ProcessFolder();
  ProcessFolder(const ProcessFolder&) = delete;
  ProcessFolder& operator=(const ProcessFolder&) = delete;

  const std::string& name() const { return name_; }  // "PREFIX-PID"
  const std::string& path() const { return path_; }  // GBK

 private:
  ProcessFolder(std::string name, std::string path, std::string fsPath)
      : name_(std::move(name)), path_(std::move(path)), fsPath_(std::move(fsPath)) {}
  std::string name_, path_, fsPath_;
};

// Removes the "PREFIX-PID" folders in `parentFs` (a file-system name) whose process no
// longer runs, with their contents. Ours and those of running processes stay.
void removeStaleProcessFolders(const std::string& parentFs, const std::string& prefix);

}  // namespace pictavo
