// The music half of reading a project: the project file names its tracks, and only the
// MP3 analysis can tell which of them are usable and how long they last.
#pragma once

#include "project/project_file.h"

namespace pictavo {

// `hooks` with analyseMp3 as the track analyser, unless it already has one.
ProjectReadHooks withMp3Analysis(ProjectReadHooks hooks = {});

}  // namespace pictavo
