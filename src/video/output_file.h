// The video file a run writes: refused up front when it would replace one of the project's
// own files, and encoded under a hidden name that takes its place only when the video is
// complete, so that no broken MP4 is ever left under the user's chosen name.
#pragma once

#include <memory>
#include <string>

#include "platform/file_lock.h"
#include "platform/unfinished_files.h"
#include "project/project_model.h"

namespace pictavo {

// The refusal text (GBK) when the video at `outputPath` would be one of the project's
// pictures, its cover, logo or music tracks, or the project file itself; empty otherwise.
std::string outputOverInputMessage(const Project& project, const std::string& outputPath);

// The refusal text (GBK) for a video path, given before anything is written: something other
// than a regular file is there (the encoder would wait on a FIFO for good), or it is one of
// the project's files (outputOverInputMessage). Empty when the video may be written there.
std::string outputRefusal(const Project& project, const std::string& outputPath);

// How long a hidden video must have gone unwritten before another run may take it for one
// left behind: well past the short moments in which a live run's file is not locked (between
// its creation and its lock, and after the cover tool has put a copy in its place).
inline constexpr int kAbandonedVideoSeconds = 600;

// Removes the hidden videos in `fsFolder` (file-system name) that runs ended by a kill or a
// power cut left behind: names a run gives its video, and the cover tool its copy, whose lock
// is free and that nobody wrote to for kAbandonedVideoSeconds. Returns how many went.
int removeAbandonedHiddenVideos(const std::string& fsFolder);

// Where the encoder writes: a hidden file beside the chosen video (beside the file a symbolic
// link leads to), which takes the video's place only once it is complete and checked. A run
// that does not finish leaves an earlier video untouched and nothing under the chosen name;
// a crash or a second interrupt removes the hidden file from the signal handler, and a run
// ended in a way no handler sees leaves it locked only while it lived, so that a later run
// into the same folder removes it.
class EncodingOutput {
 public:
  EncodingOutput() = default;
  ~EncodingOutput();  // discards what was not committed
  EncodingOutput(const EncodingOutput&) = delete;
  EncodingOutput& operator=(const EncodingOutput&) = delete;

  // Makes the hidden file for the video at `outputPath` (GBK); false with the text for the
  // user (GBK) when the folder takes no new file.
  bool create(const std::string& outputPath, std::string* error);
  // The hidden file (GBK), what the encoder and the cover tool write.
  const std::string& path() const { return path_; }
  // Puts the hidden file in the video's place; false with the text for the user (GBK).
  bool commit(std::string* error);
  // Removes the hidden file.
  void discard();

 private:
  std::string path_;
  std::string target_;
  std::unique_ptr<UnfinishedFile> unfinished_;
  FileLock lock_;
};

}  // namespace pictavo
