// Generation speed against the encoder alone. A standard project (20 photo-sized JPEG
// pictures, 2.0 s pause, effects cycling over the built ones, a caption on every other
// picture, music on) is made at 1280 x 720 (1920 x 1080 with --full; 6000 x 4000 pictures
// with --large) by the real generation
// run; then the same frame stream, captured once, is replayed into the same ffmpeg command.
// Both send raw frames, as generation does by default; --pipe mjpeg makes both send JPEG.
// --repeat N alternates the two runs N times and prints their medians (for a busy
// machine). --motion auto moves every picture over its hold (in and out by turns). Prints one figure per line; the first five are the headline ones.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "effects/effect_names.h"
#include "effects/effect_table.h"
#include "imaging/image.h"
#include "imaging/image_library.h"
#include "music/mp3_analysis.h"
#include "platform/child_process.h"
#include "platform/external_tools.h"
#include "platform/fd_io.h"
#include "platform/folders.h"
#include "platform/resource_usage.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "video/encoder_process.h"
#include "video/generation_checks.h"
#include "video/generation_run.h"
#include "video/timeline.h"
#include "platform/large_blocks.h"

using namespace pictavo;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kPictures = 20;
const char* kPictureFolder = "/tmp/pictavo-bench-pictures";

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Photo-sized JPEGs (3000 x 2000, or 6000 x 4000 with --large; 4:2:0, quality 90) made
// once from fractal plasma and kept between runs: five plasmas, each also mirrored, flipped
// and hue-shifted. The large ones are plasmas of a quarter the size scaled up.
std::vector<std::string> benchPictures(bool large) {
  std::string folder = std::string(kPictureFolder) + (large ? "-6000x4000" : "");
  std::filesystem::create_directories(folder);
  std::vector<std::string> paths;
  for (int i = 0; i < kPictures; ++i) {
    std::string path = strprintf("%s/photo%02d.jpg", folder.c_str(), i);
    paths.push_back(path);
    if (std::filesystem::exists(path)) continue;
    WandPtr wand(NewMagickWand());
    MagickSetSize(wand.get(), large ? 1500 : 3000, large ? 1000 : 2000);
    MagickReadImage(wand.get(), "plasma:fractal");
    if (large) MagickResizeImage(wand.get(), 6000, 4000, TriangleFilter, 1.0);
    if (i % 4 == 1) MagickFlopImage(wand.get());
    if (i % 4 == 2) MagickFlipImage(wand.get());
    if (i % 4 == 3) MagickModulateImage(wand.get(), 100, 120, 160);
    MagickSetImageCompressionQuality(wand.get(), 90);
    MagickSetOption(wand.get(), "jpeg:sampling-factor", "2x2,1x1,1x1");
    writeImageFile(wand.get(), path);
  }
  return paths;
}

std::vector<int> builtEffects() {
  std::vector<int> built;
  for (const EffectRow& row : effectRows()) built.push_back(row.index);
  return built;
}

bool makeMusic(const std::string& path, double seconds) {
  SpawnRequest request;
  request.program = findTool(kEncoderTool).value_or("ffmpeg");
  request.arguments = {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                       "sine=frequency=330:sample_rate=44100", "-t", strprintf("%.2f", seconds),
                       "-ac", "2", "-c:a", "libmp3lame", "-b:a", "128k", path};
  std::string error;
  auto child = ChildProcess::spawn(request, &error);
  return child && child->wait() == 0;
}

Project standardProject(int width, int height, const std::vector<std::string>& pictures,
                        const std::vector<int>& effects) {
  Project project;
  std::string size = strprintf("%dx%d", width, height);
  int index = project.sizes.findSizeText(size);
  project.settings.selectSize(project.sizes, index >= 0 ? index : project.sizes.addCustom(width, height));
  project.settings.selectPause(21);
  project.settings.captionsOn = true;
  project.settings.musicOn = true;
  for (size_t i = 0; i < pictures.size(); ++i) {
    ImageItem item;
    item.path = pictures[i];
    item.setEffect(effects[i % effects.size()]);
    if (i % 2 == 0) {
      item.caption.mode = 1;
      item.caption.text = strprintf(gbk("第 %d 张照片").c_str(), static_cast<int>(i + 1));
      item.caption.bandColour = 0;
      item.caption.textColour = 0xffffff;
    }
    project.pictures.push_back(item);
  }
  return project;
}

class QuietObserver : public ProgressObserver {
 public:
  void picture(int, int) override {}
  void finished() override { ended = "finished"; }
  void cancelled() override { ended = "cancelled"; }
  void failed(const std::string& message) override { ended = "failed: " + utf8(message); }
  void warning(const std::string&) override {}
  std::string ended;
};

// Keeps the stream in a file and counts frames that were encoded (not repeated).
class FileSink : public FrameSink {
 public:
  FileSink(std::FILE* file, bool raw) : file_(file), raw_(raw) {}
  bool writeFrame(const unsigned char* bytes, size_t length) override {
    ++encoded;
    ++frames;
    bytes_ += length;
    lengths.push_back(length);
    return std::fwrite(bytes, 1, length, file_) == length;
  }
  // A hold frame is kept as a mark: the replay writes the frame before it again, as the
  // generation's queue does (a raw stream written out in full would be many gigabytes).
  bool repeatFrame(const unsigned char*, size_t length) override {
    ++frames;
    bytes_ += length;
    lengths.push_back(0);
    return true;
  }
  bool rawFrames() const override { return raw_; }
  int encoded = 0;
  int frames = 0;
  size_t bytes_ = 0;
  std::vector<size_t> lengths;  // per frame: the bytes written, 0 for a repeat

 private:
  std::FILE* file_;
  bool raw_;
};

// Milliseconds to read and fit one picture: by the image library, decoded in full, or as
// frames are prepared (for JPEG, a scaled decode and an 8-bit resample).
double prepareMs(const std::vector<std::string>& pictures, int width, int height, bool asFrames) {
  auto start = Clock::now();
  const int count = 5;
  for (int i = 0; i < count; ++i) {
    if (asFrames) {
      pictureOnCanvas(pictures[i], width, height, "#ffffff", 0);
      continue;
    }
    WandPtr picture = readPicture(pictures[i], "#ffffff");
    fitToCanvas(width, height, picture.get(), "#ffffff");
  }
  return secondsSince(start) * 1000 / count;
}

double jpegMsPerFrame(const std::string& picture, int width, int height) {
  WandPtr frame = pictureOnCanvas(picture, width, height, "#ffffff", 0);
  const int count = 20;
  auto start = Clock::now();
  for (int i = 0; i < count; ++i) encodeFrame(frame.get());
  return secondsSince(start) * 1000 / count;
}

// The captured stream written into the encoder started with the run's own command.
double replay(const EncoderCommand& command, const std::string& streamPath,
              const std::vector<size_t>& lengths, std::string* error) {
  EncoderModeFlag mode;
  EncoderLaunch launch{mode.transport(), findTool(kEncoderTool).value_or(""), programFolders().temp,
                       nullptr, 5000};
  std::vector<char> frame;
  std::FILE* stream = std::fopen(streamPath.c_str(), "rb");
  auto start = Clock::now();
  EncoderFailure failure;
  auto encoder = EncoderProcess::start(launch, command, &failure);
  if (!encoder || encoder->connect(error) != EncoderProcess::Connection::Ready) {
    if (error->empty()) *error = failure.text;
    std::fclose(stream);
    return -1;
  }
  for (size_t length : lengths) {
    if (length > 0) {
      frame.resize(length);
      if (std::fread(frame.data(), 1, length, stream) != length) break;
    }
    if (!writeAllToFd(encoder->frameFd(), frame.data(), frame.size())) break;
  }
  std::fclose(stream);
  int code = encoder->finish();
  if (code != 0) *error = encoder->errorText();
  return code == 0 ? secondsSince(start) : -1;
}

}  // namespace

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int main(int argc, char** argv) {
  returnLargeBlocksToTheSystem();  // as the programs do
  bool full = false, large = false, raw = true, motion = false;
  int repeat = 1;  // on a busy machine, alternate the two runs and take their medians
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--full") == 0) full = true;
    if (std::strcmp(argv[i], "--large") == 0) large = true;
    if (std::strcmp(argv[i], "--pipe") == 0 && i + 1 < argc) raw = std::strcmp(argv[++i], "mjpeg") != 0;
    if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc) repeat = std::max(1, std::atoi(argv[++i]));
    if (std::strcmp(argv[i], "--motion") == 0 && i + 1 < argc) motion = std::strcmp(argv[++i], "auto") == 0;
  }
  int width = full ? 1920 : 1280, height = full ? 1080 : 720;
  if (!std::getenv("PICTAVO_HOME")) setenv("PICTAVO_HOME", "/tmp/pictavo-bench-home", 1);
  std::string error;
  if (!startImageLibrary(&error) || !ensureProgramFolders(&error)) {
    std::fprintf(stderr, "%s\n", utf8(error).c_str());
    return 1;
  }
  std::vector<std::string> pictures = benchPictures(large);
  std::vector<int> built = builtEffects();
  Project project = standardProject(width, height, pictures, built.empty() ? effectIndices() : built);
  if (motion) project.settings.motion = Motion::Auto;
  std::string work = programFolders().temp + "/bench";
  std::filesystem::create_directories(work);
  std::string music = work + "/music.mp3";
  if (!makeMusic(music, countProjectFrames(project) / 25.0)) {
    std::fprintf(stderr, "cannot make the music track\n");
    return 1;
  }
  int rate = 0;
  float ms = analyseMp3(music, &rate);
  project.settings.musicTracks.push_back({music, ms, rate});
  ProjectCheck check = checkProject(project);
  if (!check.ok) {
    std::fprintf(stderr, "%s\n", utf8(check.message).c_str());
    return 1;
  }

  // The same frames, rendered into a file only: the stream to replay.
  std::string streamPath = work + "/stream.mjpeg";
  std::FILE* stream = std::fopen(streamPath.c_str(), "wb");
  FileSink sink(stream, raw);
  std::atomic<bool> never{false};
  auto start = Clock::now();
  runTimeline(project, dispatchContextFor(project, Preferences(), &sink), 31, never, {});
  std::fclose(stream);
  double renderOnly = secondsSince(start);

  std::vector<double> generations, replays;
  ResourceUsage own, encoderRun;
  double encoderCpu = 0;
  float seconds = 0;
  runPictureTotal(project, 31, &seconds);
  for (int round = 0; round < repeat; ++round) {
    // The real run.
    QuietObserver observer;
    ResourceUsage ownBefore = ownUsage(), childrenBefore = childrenUsage();
    start = Clock::now();
    Preferences preferences;
    preferences.framePipe = raw ? FramePipe::Raw : FramePipe::Mjpeg;
    GenerationRun run(project, preferences, work + "/generation.mp4", check.sampleRate, observer);
    if (!run.start(&error)) {
      std::fprintf(stderr, "%s\n", utf8(error).c_str());
      return 1;
    }
    run.wait();
    generations.push_back(secondsSince(start));
    own = ownUsage();
    own.cpuSeconds -= ownBefore.cpuSeconds;
    encoderRun.cpuSeconds = childrenUsage().cpuSeconds - childrenBefore.cpuSeconds;
    if (observer.ended != "finished") {
      std::fprintf(stderr, "generation %s\n", observer.ended.c_str());
      return 1;
    }
    // The captured stream into the same command.
    EncoderCommand command;
    command.musicPaths = {music};
    command.sampleRate = check.sampleRate;
    command.width = width;
    command.height = height;
    command.duration = durationText(seconds);
    command.outputPath = work + "/replay.mp4";
    command.rawFrames = raw;
    double childrenCpu = childrenUsage().cpuSeconds;
    replays.push_back(replay(command, streamPath, sink.lengths, &error));
    encoderCpu = childrenUsage().cpuSeconds - childrenCpu;
    if (replays.back() <= 0) {
      std::fprintf(stderr, "replay failed: %s\n", error.c_str());
      return 1;
    }
  }
  double generation = median(generations), encoderOnly = median(replays);

  std::printf("frames %d\n", sink.frames);
  std::printf("generation_seconds %.2f\n", generation);
  std::printf("encoder_only_seconds %.2f\n", encoderOnly);
  std::printf("ratio %.3f\n", generation / encoderOnly);
  std::printf("peak_rss_mb %.0f\n", own.peakRssMb);
  std::printf("size %dx%d\n", width, height);
  std::printf("picture_size %s\n", large ? "6000x4000" : "3000x2000");
  std::printf("effects_built %zu\n", built.size());
  std::printf("encoded_frames %d\n", sink.encoded);
  std::printf("stream_mb %.1f\n", sink.bytes_ / 1048576.0);
  std::printf("pipe %s\n", raw ? "raw" : "mjpeg");
  std::printf("render_only_seconds %.2f\n", renderOnly);
  std::printf("rounds %d\n", repeat);
  std::printf("generation_cpu_seconds_ours %.2f\n", own.cpuSeconds);
  std::printf("generation_cpu_seconds_encoder %.2f\n", encoderRun.cpuSeconds);
  std::printf("encoder_only_cpu_seconds %.2f\n", encoderCpu);
  std::printf("encoder_peak_rss_mb %.0f\n", childrenUsage().peakRssMb);
  std::printf("prepare_ms_per_picture_full_decode %.1f\n", prepareMs(pictures, width, height, false));
  std::printf("prepare_ms_per_picture_as_frames %.1f\n", prepareMs(pictures, width, height, true));
  std::printf("jpeg_ms_per_frame %.1f\n", jpegMsPerFrame(pictures[0], width, height));
  std::filesystem::remove_all(work);
  return 0;
}
