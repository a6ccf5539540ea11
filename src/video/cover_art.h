// The cover picture attached to a finished MP4: a JPEG of at most 512 pixels a side made
// from the cover picture, written into a tagged copy of the video by AtomicParsley; the
// copy then takes the video's place. Every failure leaves the video intact without cover.
#pragma once

#include <atomic>
#include <ctime>
#include <functional>
#include <string>

#include "imaging/magick_handles.h"
#include "project/project_model.h"
#include "video/error_reporter.h"

namespace pictavo {

inline constexpr int kCoverEdge = 512;
inline constexpr const char* kReportCover = "setVideoCover";

// The cover's size: unchanged when both sides are at most 512, else the longer side 512 and
// the other in proportion, rounded, at least 1.
void coverSize(int width, int height, int* newWidth, int* newHeight);

// The cover picture ready to be written: turned like the project's first picture with the
// same path, shrunk to coverSize, set to JPEG quality 91. Null when it cannot be read.
WandPtr coverImage(const Project& project, const std::string& coverPath);

// Writes the prepared cover as JPEG at `jpegPath`; false when it cannot.
bool writeCoverImage(MagickWand* cover, const std::string& jpegPath);

// The copy's name: the video path with its extension replaced by "-SECONDS.mp4", the
// seconds counting up from `now` until no file has the name.
std::string taggedCopyPath(const std::string& videoPath, std::time_t now);

// " \"VIDEO\" --artwork \"ARTWORK\" --output \"COPY\"".
std::string coverToolCommandLine(const std::string& videoPath, const std::string& artworkPath,
                                 const std::string& copyPath);

// Attaches the project's cover to the video when the cover is on, through a prepared cover of
// the run's own ("cover_N.jpg" in the temporary folder, removed after). Failures go to `report`
// under "setVideoCover"; the texts the user should see go to `warn`. Once `*cancel` is set
// the cover tool is stopped like a cancelled encoder (after `cancelGraceMs`) and the video
// stays without cover.
void attachCover(const Project& project, const std::string& videoPath,
                 const std::function<void(const std::string&)>& warn,
                 const ErrorReporter& report = logErrorReport,
                 const std::atomic<bool>* cancel = nullptr, int cancelGraceMs = 5000);

}  // namespace pictavo
