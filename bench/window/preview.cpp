// Preview speed: the real preview window (offscreen) and its two threads play a project of
// 20 photo-sized JPEG pictures (3000 x 2000) whose effects cycle through all 97, in five
// runs of 20, with a caption on every other picture. The pause defaults to 0.1 s, so
// nearly every frame is a composed transition frame: the hardest case for the producer.
// Prints, per video size: frames shown, seconds from the first frame to the end, the fps
// achieved, the times the frames ran out after the first buffering, where the display
// thread's and the window's time went, and the peak memory.
// Usage: bench_preview [--size 720|1080] [--runs N] [--pause INDEX] [--producer-only]
//                      [--motion auto]
//   --producer-only: the producer alone, frames thrown away, as fast as it can go.
//   --motion auto: every picture moves over its hold (in and out by turns).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QThread>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "effects/effect_names.h"
#include "imaging/image.h"
#include "imaging/image_library.h"
#include "platform/folders.h"
#include "platform/resource_usage.h"
#include "ui/preview/preview_window.h"
#include "ui/workers/preview_run.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "video/timeline.h"
#include "platform/large_blocks.h"

using namespace pictavo;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kPictures = 20;
const char* kPictureFolder = "/tmp/pictavo-bench-pictures";

// The same pictures as the generation benchmark: made once from fractal plasma, kept.
std::vector<std::string> benchPictures() {
  std::filesystem::create_directories(kPictureFolder);
  std::vector<std::string> paths;
  for (int i = 0; i < kPictures; ++i) {
    std::string path = strprintf("%s/photo%02d.jpg", kPictureFolder, i);
    paths.push_back(path);
    if (std::filesystem::exists(path)) continue;
    WandPtr wand(NewMagickWand());
    MagickSetSize(wand.get(), 3000, 2000);
    MagickReadImage(wand.get(), "plasma:fractal");
    if (i % 4 == 1) MagickFlopImage(wand.get());
    if (i % 4 == 2) MagickFlipImage(wand.get());
    if (i % 4 == 3) MagickModulateImage(wand.get(), 100, 120, 160);
    MagickSetImageCompressionQuality(wand.get(), 90);
    MagickSetOption(wand.get(), "jpeg:sampling-factor", "2x2,1x1,1x1");
    writeImageFile(wand.get(), path);
  }
  return paths;
}

// Every picture moves over its hold (--motion auto).
bool gMoving = false;

// Run `run` of the cycle: picture i gets effect (20 run + i) of the 97.
Project runProject(int width, int height, int pause, const std::vector<std::string>& pictures, int run) {
  Project project;
  int index = project.sizes.findSizeText(strprintf("%dx%d", width, height));
  project.settings.selectSize(project.sizes, index >= 0 ? index : project.sizes.addCustom(width, height));
  project.settings.selectPause(pause);
  project.settings.captionsOn = true;
  project.settings.musicOn = false;
  if (gMoving) project.settings.motion = Motion::Auto;
  const std::vector<int>& effects = effectIndices();
  for (size_t i = 0; i < pictures.size(); ++i) {
    ImageItem item;
    item.path = pictures[i];
    item.fileName = pictures[i].substr(pictures[i].rfind('/') + 1);
    item.setEffect(effects[(kPictures * run + i) % effects.size()]);
    if (i % 2 == 0) {
      item.caption.mode = 1;
      item.caption.text = strprintf(gbk("第 %d 张照片").c_str(), static_cast<int>(i + 1));
      item.caption.textColour = 0xffffff;
    }
    project.pictures.push_back(item);
  }
  return project;
}

// The window, timing its own painting.
class TimedWindow : public PreviewWindow {
 public:
  TimedWindow() : PreviewWindow(nullptr) {}
  long long paints = 0;
  double paintMs = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QElapsedTimer timer;
    timer.start();
    PreviewWindow::paintEvent(event);
    paintMs += timer.nsecsElapsed() / 1e6;
    ++paints;
  }
};

class CountingSink : public FrameSink {
 public:
  long long frames = 0;
  bool writeFrame(const unsigned char*, size_t) override { return ++frames, true; }
  bool repeatFrame(const unsigned char*, size_t) override { return ++frames, true; }
};

void producerOnly(int width, int height, int pause, int runs, const std::vector<std::string>& pictures) {
  long long frames = 0;
  double cpuBefore = ownUsage().cpuSeconds;
  auto start = Clock::now();
  for (int run = 0; run < runs; ++run) {
    Project project = runProject(width, height, pause, pictures, run);
    CountingSink sink;
    std::atomic<bool> cancel{false};
    runTimeline(project, dispatchContextFor(project, Preferences{}, &sink), kNoAnimation, cancel, nullptr);
    frames += sink.frames;
  }
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  double cpu = ownUsage().cpuSeconds - cpuBefore;
  std::printf("size %dx%d producer_only\nframes %lld\nwall_s %.1f\nproducer_fps %.1f\n", width, height,
              frames, seconds, frames / seconds);
  std::printf("producer_ms_per_frame %.1f wall, %.1f cpu\n", seconds * 1000 / frames, cpu * 1000 / frames);
}

void preview(int width, int height, int pause, int runs, const std::vector<std::string>& pictures) {
  TimedWindow window;
  window.showMaximized();
  if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "the window was never exposed\n");
  PreviewArtwork artwork = PreviewArtwork::paint();
  long long frames = 0, expected = 0;
  int underruns = 0;
  double cpuBefore = ownUsage().cpuSeconds;
  double seconds = 0, displayMs = 0;
  for (int run = 0; run < runs; ++run) {
    Project project = runProject(width, height, pause, pictures, run);
    expected += countProjectFrames(project);
    std::atomic<long long> firstFrameNs{0};
    auto origin = Clock::now();
    PreviewRun::Show show = [&](const QImage& image, PreviewPicture kind) {
      long long zero = 0;
      if (kind == PreviewPicture::Frame)
        firstFrameNs.compare_exchange_strong(zero, (Clock::now() - origin).count());
      window.showPicture(image, kind);
    };
    PreviewRun preview(PreviewPlan{project, Preferences{}, -1}, show, artwork, QThread::idealThreadCount(),
                       [&window](const QSize& frame) { return window.fittedSize(frame); });
    QEventLoop loop;
    QObject::connect(&preview, &Task::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    preview.start();
    loop.exec();
    preview.wait();
    seconds += std::chrono::duration<double>(Clock::now() - origin).count() - firstFrameNs.load() / 1e9;
    frames += preview.framesShown();
    underruns += preview.underruns();
    displayMs += preview.displayMs();
  }
  std::printf("size %dx%d window %dx%d processors %d\n", width, height, window.width(), window.height(),
              QThread::idealThreadCount());
  std::printf("frames_shown %lld (expected %lld)\n", frames, expected);
  std::printf("wall_s %.1f (first frame to end, initial buffering excluded)\n", seconds);
  std::printf("fps %.2f\n", frames / seconds);
  std::printf("underruns %d\n", underruns);
  std::printf("display_ms_per_frame %.2f (JPEG decode and hand-over)\n", displayMs / std::max(1LL, frames));
  std::printf("paint_ms_per_paint %.2f over %lld paints\n", window.paintMs / std::max(1LL, window.paints),
              window.paints);
  std::printf("cpu_ms_per_frame %.1f (producer, display and window together)\n",
              (ownUsage().cpuSeconds - cpuBefore) * 1000 / std::max(1LL, frames));
  std::printf("peak_rss_mb %.0f\n", ownUsage().peakRssMb);
}

}  // namespace

int main(int argc, char** argv) {
  returnLargeBlocksToTheSystem();  // as the programs do
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("PICTAVO_HOME")) setenv("PICTAVO_HOME", "/tmp/pictavo-bench-home", 1);
  std::vector<int> sizes = {720, 1080};
  int runs = 5, pause = 0;
  bool producer = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) sizes = {std::atoi(argv[++i])};
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
    if (std::strcmp(argv[i], "--pause") == 0 && i + 1 < argc) pause = std::atoi(argv[++i]);
    if (std::strcmp(argv[i], "--producer-only") == 0) producer = true;
    if (std::strcmp(argv[i], "--motion") == 0 && i + 1 < argc) gMoving = std::strcmp(argv[++i], "auto") == 0;
  }
  QApplication app(argc, argv);
  std::string error;
  if (!startImageLibrary(&error) || !ensureProgramFolders(&error)) {
    std::fprintf(stderr, "%s\n", utf8(error).c_str());
    return 1;
  }
  std::vector<std::string> pictures = benchPictures();
  for (int size : sizes) {
    int width = size == 1080 ? 1920 : 1280, height = size == 1080 ? 1080 : 720;
    if (producer)
      producerOnly(width, height, pause, runs, pictures);
    else
      preview(width, height, pause, runs, pictures);
    std::fflush(stdout);
  }
  return 0;
}
