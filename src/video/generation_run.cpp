#include "video/generation_run.h"

#include <algorithm>

#include "imaging/raw_frame.h"
#include "music/beat_cache.h"
#include "music/music_length.h"
#include "platform/child_process.h"
#include "platform/external_tools.h"
#include "platform/folders.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"
#include "video/beat_stays.h"
#include "video/cover_art.h"
#include "video/generation_checks.h"
#include "video/logo_copy.h"
#include "video/mp4_check.h"
#include "video/output_file.h"
#include "video/queued_frame_sink.h"
#include "video/timeline.h"

namespace pictavo {
namespace {

const char* kUnknownError = translatable("未知错误");

std::string failureWithText(const std::string& text) {
  return localFormat("生成视频时发生错误：\n\n%s\n\n解决方案有：\n\n1. 点击【生成视频】按钮时，"
                       "将视频保存到一个你有写入权限的文件夹（例如主目录下的文件夹）。\n"
                       "2. 检查保存视频的磁盘是否还有足够的可用空间。\n\n"
                       "如果问题依然存在，请进入官网联系我们的客服。",
                   text.c_str());
}

std::string failureWithoutText() {
  return localText("生成视频时发生错误，可能是电脑当前可用内存不足造成的。\n\n"
             "可以通过关闭部分其他软件窗口释放内存来解决这个问题，也可以进入官网联系我们的客服。");
}

// A GBK path made absolute: the encoder runs in the temporary folder.
std::optional<std::string> absolutePath(const std::string& gbkPath) {
  auto fsName = toFsName(gbkPath);
  if (!fsName) return std::nullopt;
  return fromFsName(absoluteFsName(*fsName));
}

}  // namespace

MusicFilters musicFiltersFor(const ProjectSettings& s, float videoSeconds, bool measureLevels) {
  MusicFilters filters;
  filters.fadeInSeconds = s.fadeInMs / 1000.0;
  filters.fadeOutSeconds = s.fadeOutMs / 1000.0;
  if (s.levelTracks && measureLevels)
    for (const MusicTrack& track : s.musicTracks) {
      TrackBeats measured = trackBeatsOf(track.path);
      filters.trackGainsDb.push_back(levelGainDb(measured.loudness, measured.peak));
    }
  filters.trackTimes = beatChangesApply(s);
  filters.musicEnd = std::min<double>(videoSeconds, totalMusicLength(s.musicTracks));
  return filters;
}

GenerationRun::GenerationRun(const Project& project, const Preferences& preferences,
                             std::string outputPath, int sampleRate, ProgressObserver& observer,
                             GenerationOptions options)
    : project_(project),
      preferences_(preferences),
      outputPath_(std::move(outputPath)),
      sampleRate_(sampleRate),
      observer_(observer),
      options_(options) {}

GenerationRun::~GenerationRun() {
  cancel();
  wait();
}

void GenerationRun::wait() {
  if (worker_.joinable()) worker_.join();
}

bool GenerationRun::makePathsAbsolute(std::string* error) {
  auto output = absolutePath(outputPath_);
  if (!output) {
    *error = localFormat("视频文件的路径无法转换: %s", outputPath_.c_str());
    return false;
  }
  outputPath_ = *output;
  for (MusicTrack& track : project_.settings.musicTracks) {
    if (auto path = absolutePath(track.path)) track.path = *path;
  }
  return true;
}

bool GenerationRun::start(std::string* error) {
  if (std::string missing = missingPicturesMessage(project_); !missing.empty()) {
    *error = missing;
    return false;
  }
  auto program = findTool(kEncoderTool);
  if (!program) {
    *error = localFormat("找不到 ffmpeg，请安装 ffmpeg，或把它放进 %s 文件夹。",
                       programFolders().tool.c_str());
    return false;
  }
  encoderProgram_ = *program;
  if (!makePathsAbsolute(error)) return false;
  EncoderCommand paths;
  paths.outputPath = outputPath_;
  if (project_.settings.musicOn)
    for (const MusicTrack& track : project_.settings.musicTracks) paths.musicPaths.push_back(track.path);
  if (!checkCommandPaths(paths, error)) return false;
  if (std::string clash = outputRefusal(project_, outputPath_); !clash.empty()) {
    *error = clash;
    return false;
  }
  if (!encoding_.create(outputPath_, error)) return false;
  paths.outputPath = encoding_.path();  // beside the file a symbolic link leads to
  if (!checkCommandPaths(paths, error)) {
    encoding_.discard();
    return false;
  }

  pictureTotal_ = runPictureTotal(project_, preferences_.loopStartEffect, &seconds_);
  cancel_.store(false);
  done_.store(false);
  try {
    worker_ = std::thread([this] { work(); });
  } catch (const std::system_error&) {
    *error = localText("启动线程失败");
    encoding_.discard();
    return false;
  }
  return true;
}

void GenerationRun::work() {
  // With changes on the beat the length follows the beats, which are analysed here, off
  // the window's thread, when they are not known yet.
  if (beatChangesApply(project_.settings)) {
    runPictureTotal(project_, preferences_.loopStartEffect, &seconds_, BeatLookup::AnalyseMissing);
    std::string note = unclearBeatNote(musicBeats(project_.settings.musicTracks, BeatLookup::CachedOnly));
    if (!note.empty()) infoLog(note);
  }
  Outcome outcome = attempt(options_.mode->transport());
  if (outcome == Outcome::RetryThroughStandardInput) {
    options_.mode->setAnonymous();
    outcome = attempt(EncoderTransport::StandardInput);
  }
  switch (outcome) {
    case Outcome::Finished: finishWithCover(); break;
    case Outcome::Cancelled:
      encoding_.discard();
      observer_.cancelled();
      break;
    case Outcome::Failed: break;  // the observer has heard why
    case Outcome::RetryThroughStandardInput: fail(failureWithoutText()); break;  // not reached
  }
  done_.store(true);
}

// A stop while the cover is attached ends the run as cancelled; the video is complete by
// then, so it still takes its place, as the encoder wrote it.
void GenerationRun::finishWithCover() {
  attachCover(
      project_, encoding_.path(), [this](const std::string& text) { observer_.warning(text); },
      options_.reportError, &cancel_, options_.cancelGraceMs);
  if (!commitVideo()) return;
  if (cancel_.load())
    observer_.cancelled();
  else
    observer_.finished();
}

bool GenerationRun::commitVideo() {
  std::string error;
  if (encoding_.commit(&error)) return true;
  options_.reportError(kReportMakeVideo, error);
  fail(failureWithText(error));
  return false;
}

GenerationRun::Outcome GenerationRun::fail(const std::string& message) {
  cancel_.store(true);
  encoding_.discard();
  observer_.failed(message);
  return Outcome::Failed;
}

GenerationRun::Outcome GenerationRun::attempt(EncoderTransport transport) {
  bool named = transport == EncoderTransport::NamedPipe;
  const ProjectSettings& s = project_.settings;
  std::string temp = programFolders().temp;
  std::string error;
  std::unique_ptr<LogoCopy> logo;
  if (s.logoOn && !s.logoPath.empty()) {
    logo = LogoCopy::make(s.logoPath, temp, &error);
    if (!logo) return fail(error);
  }
  EncoderCommand command;
  if (s.musicOn)
    for (const MusicTrack& track : s.musicTracks) command.musicPaths.push_back(track.path);
  command.sampleRate = sampleRate_;
  command.musicFilters = musicFiltersFor(s, seconds_, true);
  command.audioBitRate = preferences_.audioBitRate;
  command.logoName = logo ? logo->name() : "";
  command.logoLocation = s.logoLocation;
  command.width = s.width;
  command.height = s.height;
  command.duration = durationText(seconds_);
  command.outputPath = encoding_.path();
  command.rawFrames = rawFrames();

  EncoderLaunch launch{transport, encoderProgram_, temp, &cancel_, options_.cancelGraceMs,
                      options_.pipeOpenTimeoutMs};
  EncoderFailure failure;
  auto encoder = EncoderProcess::start(launch, command, &failure);
  if (!encoder) {
    options_.reportError(failure.reportName, failure.text);
    return named ? Outcome::RetryThroughStandardInput : fail(failure.text);
  }
  return renderInto(*encoder, named);
}

GenerationRun::Outcome GenerationRun::renderInto(EncoderProcess& encoder, bool named) {
  std::string error;
  switch (encoder.connect(&error)) {
    case EncoderProcess::Connection::Ready: break;
    case EncoderProcess::Connection::Cancelled: encoder.finish(); return Outcome::Cancelled;
    case EncoderProcess::Connection::EncoderEnded: return afterEncoder(encoder, named, false);
    case EncoderProcess::Connection::Failed:
      options_.reportError(kReportMakeVideo, error);
      return Outcome::RetryThroughStandardInput;  // only the named pipe has to connect
  }
  // The writer stops at once on a stop, also while the last queued frames go out, and gives
  // up on an encoder that stops reading for as long as it may take to open the named pipe.
  size_t rawFrameBytes =
      rawFrames() ? rawFrameLength(project_.settings.width, project_.settings.height) : 0;
  QueuedFrameSink sink(encoder.frameFd(), kFrameQueueBytes, kFrameQueueFrames,
                       {&cancel_, options_.pipeOpenTimeoutMs}, rawFrameBytes);
  DispatchContext context = dispatchContextFor(project_, preferences_, &sink);
  TimelineEnd end = runTimeline(project_, context, preferences_.loopStartEffect, cancel_,
                                [this](int number) { observer_.picture(number, pictureTotal_); });
  // Every frame reaches the encoder before its input ends, unless the run was cancelled.
  bool pipeHealthy = false;
  if (end == TimelineEnd::Cancelled)
    sink.abandon();
  else
    pipeHealthy = sink.finish();
  if (sink.stalled()) return stalledEncoder(encoder);
  // The timeline stopped at a frame it could not make while the encoder still read: the
  // encoder would close a shorter video that looks complete, so the run fails instead.
  if (end == TimelineEnd::SinkFailed && pipeHealthy) return unmadeFrame(encoder);
  return afterEncoder(encoder, named, true);
}

GenerationRun::Outcome GenerationRun::unmadeFrame(EncoderProcess& encoder) {
  cancel_.store(true);
  encoder.finish();
  options_.reportError(kReportMakeVideo, localText("有一帧画面没能生成，生成已中止。"));
  return fail(failureWithoutText());
}

// An encoder that lives but no longer reads its frames is stopped like a cancelled one
// (grace, SIGTERM, SIGKILL), and the run fails.
GenerationRun::Outcome GenerationRun::stalledEncoder(EncoderProcess& encoder) {
  cancel_.store(true);
  encoder.finish();
  std::string text = localFormat("ffmpeg 已有 %g 秒没有读取视频画面，可能已停止响应，生成已中止。",
                               options_.pipeOpenTimeoutMs / 1000.0);
  options_.reportError(kReportMakeVideo, text);
  return fail(failureWithText(text));
}

// The encoder's own result decides: cancelled, finished, or a failure that the named pipe
// answers with a second attempt through standard input and standard input with a message.
GenerationRun::Outcome GenerationRun::afterEncoder(EncoderProcess& encoder, bool named,
                                                   bool readFrames) {
  int code = encoder.finish();
  if (cancel_.load()) return Outcome::Cancelled;
  if (code == 0 && readFrames) return checkOutput();
  std::string output = encoder.errorText();
  std::string text = utf8ToGb18030(output).value_or(output);
  if (named) {
    options_.reportError(kReportNamedPipe, text.empty() ? localText(kUnknownError) : text);
    return Outcome::RetryThroughStandardInput;
  }
  options_.reportError(kReportAnonymousPipe, text.empty() ? localText(kUnknownError) : text);
  return fail(text.empty() ? failureWithoutText() : failureWithText(text));
}

// An encoder that ends with exit code 0 has still failed when it left no complete MP4.
GenerationRun::Outcome GenerationRun::checkOutput() {
  std::string problem = mp4Problem(encoding_.path(), 1);
  if (problem.empty()) return Outcome::Finished;
  // The user knows the video by the name they chose, not by the hidden one.
  if (size_t at = problem.rfind(encoding_.path()); at != std::string::npos)
    problem.replace(at, encoding_.path().size(), outputPath_);
  std::string text = localFormat("ffmpeg 已结束，但没有留下完整的 MP4 视频：%s", problem.c_str());
  options_.reportError(kReportMakeVideo, text);
  return fail(failureWithText(text));
}

}  // namespace pictavo
