// The beats of every music file analysed in this process, kept by file identity: a track
// added twice, or used by the window, the preview and the video, is analysed once, and a
// file written again since is analysed again.
#pragma once

#include <optional>
#include <string>

#include "music/beat_tracking.h"

namespace pictavo {

// The beats already found for the file the GBK `path` names now; nothing when it has not
// been analysed (or has changed since). Never decodes: safe on the window's thread.
std::optional<TrackBeats> cachedTrackBeats(const std::string& path);

// The beats of the file, analysed now when they are not known yet (on a worker). A file
// that cannot be decoded is kept as one without a beat; `error` (optional) says why.
TrackBeats trackBeatsOf(const std::string& path, std::string* error = nullptr);

}  // namespace pictavo
