// The video file a run writes: refused up front when it would replace one of the project's
// own files, and removed again when the run fails or is stopped, so that no broken MP4 is
// left under the user's chosen name.
#pragma once

#include <optional>
#include <string>

#include "platform/file_identity.h"
#include "project/project_model.h"

namespace pictavo {

// The refusal text (GBK) when the video at `outputPath` would be one of the project's
// pictures, its cover, logo or music tracks, or the project file itself; empty otherwise.
std::string outputOverInputMessage(const Project& project, const std::string& outputPath);

// The refusal text (GBK) for a video path, given before anything is written: something other
// than a regular file is there (the encoder would wait on a FIFO for good), or it is one of
// the project's files (outputOverInputMessage). Empty when the video may be written there.
std::string outputRefusal(const Project& project, const std::string& outputPath);

// What lay at the output path before the encoder started, to tell afterwards whether the
// encoder wrote there. The encoder replaces an earlier file of that name as soon as it opens
// its output; until then that file is left alone.
class PartialOutput {
 public:
  PartialOutput() = default;
  explicit PartialOutput(std::string outputPath);

  // Removes the output when it was written since the run began. Returns the note for the
  // user (GBK) when it replaced a file that was there before, else empty.
  std::string discard() const;

 private:
  std::string path_;
  std::optional<FileIdentity> before_;
};

}  // namespace pictavo
