#include "ui/workers/preview_run.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageReader>

#include <system_error>

#include "effects/effect_names.h"
#include "imaging/image.h"
#include "ui/preview/preview_timing.h"
#include "video/timeline.h"

namespace pictavo {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kEffectHoldFrames = 25;  // one second after a single picture's transition

// The preview's sink, but refusing frames once the preview has stopped, so that the
// renderer gives up at its next frame instead of finishing a picture nobody will see.
class RunningSink : public FrameSink {
 public:
  RunningSink(PreviewFrameQueue& queue, PreviewLogo logo) : queue_(queue), inner_(queue, logo) {}
  bool writeFrame(const unsigned char* bytes, size_t length) override {
    return inner_.writeFrame(bytes, length) && queue_.running();
  }
  bool repeatFrame(const unsigned char* bytes, size_t length) override {
    return inner_.repeatFrame(bytes, length) && queue_.running();
  }
  const PreviewLogo* previewLogo() const override { return inner_.previewLogo(); }

 private:
  PreviewFrameQueue& queue_;
  PreviewFrameSink inner_;
};

// Takes frames and keeps none: the picture before an effect preview is only rendered for
// its last frame.
class DiscardingSink : public FrameSink {
 public:
  explicit DiscardingSink(const std::atomic<bool>& cancel) : cancel_(cancel) {}
  bool writeFrame(const unsigned char*, size_t) override { return !cancel_.load(); }
  bool repeatFrame(const unsigned char*, size_t) override { return !cancel_.load(); }

 private:
  const std::atomic<bool>& cancel_;
};

// The logo drawn onto every previewed frame (the video gets it from the encoder), placed by
// the logo location: 0 top left, 1 bottom left, 3 bottom right, anything else top right.
// Null when the logo is off, unreadable or larger than the video.
WandPtr loadPreviewLogo(const ProjectSettings& s, PreviewLogo* logo) {
  if (!s.logoOn || s.logoPath.empty()) return nullptr;
  WandPtr wand(NewMagickWand());
  if (!readImageFile(wand.get(), s.logoPath)) return nullptr;
  convertCmykToSrgb(wand.get());
  long w = static_cast<long>(MagickGetImageWidth(wand.get()));
  long h = static_cast<long>(MagickGetImageHeight(wand.get()));
  if (w > s.width || h > s.height) return nullptr;
  logo->image = wand.get();
  logo->x = (s.logoLocation == 0 || s.logoLocation == 1) ? 0 : s.width - w;
  logo->y = (s.logoLocation == 1 || s.logoLocation == 3) ? s.height - h : 0;
  return wand;
}

// A frame shown at half its size or less is decoded at 1/2, 1/4 or 1/8 of it (still no
// smaller than shown), which the JPEG decoder does for a fraction of the work; painting
// shrinks the rest of the way.
QSize decodeSize(const QSize& frame, const QSize& shown) {
  int divisor = 1;
  while (divisor < 8 && frame.width() / (divisor * 2) >= shown.width() &&
         frame.height() / (divisor * 2) >= shown.height() && frame.width() % (divisor * 2) == 0 &&
         frame.height() % (divisor * 2) == 0)
    divisor *= 2;
  return frame / divisor;
}

}  // namespace

int effectPreviewFrames(const Project& project, int row) {
  DispatchContext context = countingContextFor(project);
  context.pauseFrames = kEffectHoldFrames;
  return pictureFrames(context, project.pictures.at(static_cast<size_t>(row)));
}

PreviewRun::PreviewRun(PreviewPlan plan, Show show, PreviewArtwork artwork, int processors, Fit fit)
    : plan_(std::move(plan)), show_(std::move(show)), fit_(std::move(fit)),
      artwork_(std::move(artwork)), processors_(processors) {}

// A display thread whose producer never started stops with the run and is joined here.
PreviewRun::~PreviewRun() {
  stopAndWait();
  if (display_.joinable()) display_.join();
}

// The display thread starts first; the task's own thread is the producer (run).
bool PreviewRun::prepare() {
  state_.store(Running);
  queue_.start();
  try {
    display_ = std::thread([this] { display(); });
  } catch (const std::system_error&) {
    state_.store(Stopped);
    fail(tr("启动线程失败"));
    return false;
  }
  return true;
}

void PreviewRun::stopRequested() {
  int running = Running;
  state_.compare_exchange_strong(running, Stopped);
  cancel_.store(true);
  queue_.stop();
  wakeAll();
}

void PreviewRun::wakeAll() {
  { std::lock_guard lock(wakeMutex_); }
  wake_.notify_all();
}

void PreviewRun::run() {
  PreviewLogo logo;
  WandPtr logoImage = loadPreviewLogo(plan_.project.settings, &logo);
  RunningSink sink(queue_, logo);
  DispatchContext context = dispatchContextFor(plan_.project, plan_.preferences, &sink);
  if (plan_.effectRow >= 0)
    renderEffectPreview(context);
  else
    runTimeline(plan_.project, context, plan_.preferences.loopStartEffect, cancel_, nullptr);
  producerFinished_.store(true);
  wakeAll();
  {
    std::unique_lock lock(wakeMutex_);
    wake_.wait(lock, [this] { return displayFinished_; });
  }
  display_.join();
}

// The picture before (rendered unseen, for its last frame) or the background for the first
// picture, then this picture's transition and a second's hold.
void PreviewRun::renderEffectPreview(const DispatchContext& context) {
  const std::vector<ImageItem>& pictures = plan_.project.pictures;
  size_t row = static_cast<size_t>(plan_.effectRow);
  if (row >= pictures.size()) return;
  WandPtr previous;
  if (row > 0) {
    DiscardingSink discard(cancel_);
    DispatchContext unseen = context;
    unseen.sink = &discard;
    previous = dispatchPicture(unseen, pictures[row - 1], nullptr, nullptr);
    if (cancel_.load()) return;
  }
  DispatchContext shown = context;
  shown.pauseFrames = kEffectHoldFrames;
  dispatchPicture(shown, pictures[row], std::move(previous), nullptr);
}

void PreviewRun::display() {
  BufferWaits waits = bufferWaitsFor(processors_);
  waitSteps(waits.initial, false);
  if (state_.load() == Running) emit musicStartRequested();
  bool narrow = plan_.project.settings.width < kWaitingPictureWidth;
  if (narrow && state_.load() == Running) showArtwork(PreviewPicture::Blank);

  // Frames keep to a 40 ms grid, so the time a frame takes to show and any oversleeping
  // do not add up: a late frame shortens the next wait.
  Clock::time_point due = Clock::now();
  while (state_.load() == Running) {
    bool produced = producerFinished_.load();
    std::optional<std::string> entry = queue_.pop(std::chrono::milliseconds(0));
    if (entry) {
      if (!entry->empty() && !showFrame(*entry)) {
        cancel();
        emit pictureFailed();
        break;
      }
      ++framesShown_;
      Clock::time_point now = Clock::now();
      due += std::chrono::milliseconds(kPreviewFrameMs);
      if (due + std::chrono::milliseconds(kPreviewFrameMs) < now) due = now;
      sleepUntil(due);
      continue;
    }
    if (produced) break;
    ++underruns_;
    showArtwork(PreviewPicture::Waiting);
    emit musicPauseRequested();
    waitSteps(waits.rebuffer, true);
    if (state_.load() != Running) break;
    emit musicResumeRequested();
    if (narrow) showArtwork(PreviewPicture::Blank);
    due = Clock::now();
  }

  queue_.stop();  // drops what is left and frees a producer waiting for room
  emit musicCloseRequested();
  int running = Running;
  if (state_.compare_exchange_strong(running, Finished)) showArtwork(PreviewPicture::End);
  {
    std::lock_guard lock(wakeMutex_);
    displayFinished_ = true;
  }
  wake_.notify_all();
}

void PreviewRun::showArtwork(PreviewPicture which) { show_(artwork_.picture(which), which); }

bool PreviewRun::showFrame(const std::string& jpeg) {
  QElapsedTimer timer;
  timer.start();
  QByteArray bytes = QByteArray::fromRawData(jpeg.data(), static_cast<qsizetype>(jpeg.size()));
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, "jpg");
  QSize frame(plan_.project.settings.width, plan_.project.settings.height);
  QSize scaled = decodeSize(frame, fit_ ? fit_(frame) : frame);
  if (scaled != frame) reader.setScaledSize(scaled);
  QImage image;
  if (!reader.read(&image)) return false;
  show_(image, PreviewPicture::Frame);
  displayMicros_ += timer.nsecsElapsed() / 1000;
  return true;
}

bool PreviewRun::sleepUntil(Clock::time_point until) {
  std::unique_lock lock(wakeMutex_);
  wake_.wait_until(lock, until, [this] { return state_.load() != Running; });
  return state_.load() == Running;
}

void PreviewRun::waitSteps(int steps, bool untilProduced) {
  for (int i = 0; i < steps && state_.load() == Running; ++i) {
    std::unique_lock lock(wakeMutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(kPreviewWaitStepMs), [&] {
      return state_.load() != Running || (untilProduced && producerFinished_.load());
    });
    if (untilProduced && producerFinished_.load()) return;
  }
}

}  // namespace pictavo
