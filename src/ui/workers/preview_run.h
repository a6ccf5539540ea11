// One preview, a task like the window's other long jobs: its own thread (run) renders the
// project through the timeline, as generation would, into the bounded preview queue; a
// display thread, started and joined with it, takes one frame every 40 ms, decodes it and
// hands it to the window. Neither thread touches a widget: pictures go to a thread-safe
// `Show` callback and music requests leave as signals (connect them queued). cancel() stops
// both at the latest after the frame in hand, and nothing more is shown, not even the end
// picture; `finished` comes when both have ended.
#pragma once

#include <QImage>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "project/preferences.h"
#include "project/project_model.h"
#include "ui/preview/preview_artwork.h"
#include "ui/workers/task.h"
#include "video/dispatch.h"
#include "video/preview_frame_queue.h"

namespace pictavo {

// What a preview plays: copies taken when it starts, so edits cannot race with the producer.
struct PreviewPlan {
  Project project;
  Preferences preferences;
  int effectRow = -1;  // >= 0: only this picture's transition from the one before, then 1 s
};

// The frames of a one-picture effect preview: its transition and one second's hold.
int effectPreviewFrames(const Project& project, int row);

class PreviewRun : public Task {
  Q_OBJECT

 public:
  enum State { Stopped = 0, Running = 1, Finished = 2 };
  using Show = std::function<void(const QImage&, PreviewPicture)>;
  // The size a frame of the given size is wanted at (thread-safe); frames are decoded at it.
  using Fit = std::function<QSize(const QSize&)>;

  PreviewRun(PreviewPlan plan, Show show, PreviewArtwork artwork, int processors, Fit fit = {});
  // Stops and waits for both threads.
  ~PreviewRun() override;

  State state() const { return static_cast<State>(state_.load()); }
  long long framesShown() const { return framesShown_.load(); }
  // Times the frames ran out after the first buffering.
  int underruns() const { return underruns_.load(); }
  // Milliseconds the display thread spent decoding and handing over frames, in total.
  double displayMs() const { return displayMicros_.load() / 1000.0; }

 signals:
  void musicStartRequested();
  void musicPauseRequested();
  void musicResumeRequested();
  void musicCloseRequested();
  // A frame could not be decoded; the run has stopped.
  void pictureFailed();

 protected:
  bool prepare() override;
  void run() override;
  void stopRequested() override;

 private:
  void renderEffectPreview(const DispatchContext& context);
  void display();
  void showArtwork(PreviewPicture which);
  bool showFrame(const std::string& jpeg);
  // Sleeps until `until` or until the run stops; true while it runs.
  bool sleepUntil(std::chrono::steady_clock::time_point until);
  // `steps` waits of 500 ms while running, ended early when the producer has finished
  // (when `untilProduced`) since no frame can come then.
  void waitSteps(int steps, bool untilProduced);
  void wakeAll();

  PreviewPlan plan_;
  Show show_;
  Fit fit_;
  PreviewArtwork artwork_;
  int processors_;
  PreviewFrameQueue queue_;
  std::atomic<int> state_{Stopped};
  std::atomic<bool> cancel_{false};
  std::atomic<bool> producerFinished_{false};
  std::atomic<long long> framesShown_{0};
  std::atomic<int> underruns_{0};
  std::atomic<long long> displayMicros_{0};
  std::mutex wakeMutex_;
  std::condition_variable wake_;
  bool displayFinished_ = false;  // under wakeMutex_
  std::thread display_;
};

}  // namespace pictavo
