// File operations on GBK paths. Each converts the path to its file-system name first and
// fails (never guesses) when that is impossible.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace pictavo {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// fopen on a GBK path; null when the path cannot be converted or the file not opened. It
// never waits: reading takes regular files only (openUserFile), and writing to a FIFO
// without a reader fails at once.
FilePtr openFile(std::string_view gbkPath, const char* mode);

bool fileExists(std::string_view gbkPath);     // a regular file
bool folderExists(std::string_view gbkPath);   // a directory
std::optional<uint64_t> fileSize(std::string_view gbkPath);

// Whole-file read of a regular file (through openUserFile: never a FIFO or a device);
// nothing when the file cannot be opened or read in full.
std::optional<std::string> readWholeFile(std::string_view gbkPath);

// Writes `data` in one go (binary). False when the file cannot be created or written.
bool writeWholeFile(std::string_view gbkPath, std::string_view data);

// Where replaceFileAtomically stopped: the temporary file could not be created, or it could
// not be written, flushed or renamed over the target.
enum class ReplaceFailure { None, NotCreated, NotWritten };

// Writes `data` to a temporary file in the same folder, flushes it to disk and renames it
// over `gbkPath`, so a failure leaves the previous file exactly as it was. A replaced file
// keeps its permissions; anything but a regular file at `gbkPath` is never replaced (a
// failure at creation). A symbolic link stays a link: the file it leads to is replaced, with
// the temporary file in that file's folder. `failure` (optional) tells which stage failed.
bool replaceFileAtomically(std::string_view gbkPath, std::string_view data,
                           ReplaceFailure* failure = nullptr);

// A new, empty file that is to take the place of `gbkTarget` once it is complete: in the
// folder of the file `gbkTarget` leads to (through symbolic links), hidden, named
// ".pictavo-XXXXXX" and `suffix`, with the permissions a replacement keeps (those of the file
// there, else those of a new file). Both paths are GBK; nullopt (errno set) when it cannot
// be made.
struct ReplacementFile {
  std::string path;    // the new file
  std::string target;  // where it goes: `gbkTarget`, or the file its links lead to
};
std::optional<ReplacementFile> createReplacementFile(std::string_view gbkTarget,
                                                     const std::string& suffix);

bool copyFile(std::string_view fromGbk, std::string_view toGbk);
bool removeFile(std::string_view gbkPath);
bool renameFile(std::string_view fromGbk, std::string_view toGbk);

// Creates the folder and any missing parents; true when it exists afterwards.
bool makeFolders(std::string_view gbkPath);

// Sets the file's last-write time to now.
bool touchFile(std::string_view gbkPath);

}  // namespace pictavo
