// The music of a preview: the project's tracks one after another from the first, paused
// while the preview waits for pictures. The music panel plays it; the preview window only
// says when. Every call comes from the main thread.
#pragma once

namespace pictavo {

class PreviewMusic {
 public:
  virtual ~PreviewMusic() = default;

  // Stops a trial playback, then plays the first track (nothing with the music off or no
  // tracks); each track that ends starts the next, and the last one ends the music.
  virtual void startPreviewMusic() = 0;
  virtual void pausePreviewMusic() = 0;
  virtual void resumePreviewMusic() = 0;
  // Ends the music and leaves no player running.
  virtual void stopPreviewMusic() = 0;
};

}  // namespace pictavo
