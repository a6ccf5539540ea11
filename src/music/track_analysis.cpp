#include "music/track_analysis.h"

#include "music/mp3_analysis.h"

namespace pictavo {

ProjectReadHooks withMp3Analysis(ProjectReadHooks hooks) {
  if (!hooks.analyseTrack) hooks.analyseTrack = analyseMp3;
  return hooks;
}

}  // namespace pictavo
