#include "video/cover_art.h"

#include <cmath>

#include "imaging/image.h"
#include "platform/child_process.h"
#include "platform/disk_space.h"
#include "platform/external_tools.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/unfinished_files.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"
#include "video/encoder_command.h"
#include "video/generation_checks.h"
#include "video/mp4_check.h"
#include "video/temp_names.h"

namespace pictavo {
namespace {

const char* kCoverFailed = translatable("设置封面没有成功：\n");

// The turn of the first picture of the project with exactly this path (0 when none).
int turnOfPicture(const Project& project, const std::string& path) {
  for (const ImageItem& item : project.pictures) {
    if (item.path == path) return item.turnAngle;
  }
  return 0;
}

// Runs the cover tool; true when it ended with exit code 0 and the run was not cancelled.
bool runCoverTool(const std::string& program, const std::string& commandLine,
                  const std::function<void(const std::string&)>& warn,
                  const ErrorReporter& reportError, const std::atomic<bool>* cancel,
                  int cancelGraceMs) {
  SpawnRequest request;
  request.program = program;
  std::string error;
  if (!commandArguments(commandLine, &request.arguments, &error)) {
    reportError(kReportCover, error);
    warn(localText(kCoverFailed) + error);
    return false;
  }
  auto child = ChildProcess::spawn(request, &error);
  if (!child) {
    reportError(kReportCover, error);
    // A pipe that cannot be made is shown; a tool that cannot be started is only reported.
    if (error.rfind("pipe()", 0) == 0) warn(localText(kCoverFailed) + error);
    return false;
  }
  int code = child->waitUnlessCancelled(cancel, cancelGraceMs);
  if (cancel && cancel->load()) return false;
  if (code == 0) return true;
  std::string output = child->errorOutput();
  if (output.empty()) {
    reportError(kReportCover, strprintf("AtomicParsley exitCode:%d", code));
    warn(localText(kCoverFailed) +
         localFormat("AtomicParsley 没有给出错误信息就结束了（退出码 %d）。", code));
    return false;
  }
  std::string text = utf8ToGb18030(output).value_or(output);
  reportError(kReportCover, text);
  warn(localText(kCoverFailed) + text);
  return false;
}

// A tool that reports success may still have left a copy cut short by a full disk, or
// something that is no MP4 at all: only a complete MP4 at least as large as the video may
// take the video's place.
bool taggedCopyComplete(const std::string& copyPath, const std::string& videoPath,
                        const std::function<void(const std::string&)>& warn,
                        const ErrorReporter& reportError) {
  std::string problem = mp4Problem(copyPath, fileSize(videoPath).value_or(0));
  if (problem.empty()) return true;
  reportError(kReportCover, problem);
  warn(localText(kCoverFailed) + localFormat("AtomicParsley 写出的带封面的视频不完整（%s），可能是磁盘空间不足。视频保持原样，没有封面。",
                   problem.c_str()));
  return false;
}

// The tagged copy holds the whole video and the artwork, and the tool adds a little of its
// own (AtomicParsley pads 2 KB): when the file system cannot take that much, the tool can
// only fail (AtomicParsley on a full disk was seen to wait forever on a pipe of its own
// instead), so it is not started.
constexpr uint64_t kCopyMarginBytes = 64 * 1024;

bool roomForTaggedCopy(const std::string& videoPath, const std::string& artworkPath,
                       const std::function<void(const std::string&)>& warn,
                       const ErrorReporter& reportError) {
  uint64_t needed = fileSize(videoPath).value_or(0) + fileSize(artworkPath).value_or(0) +
                    kCopyMarginBytes;
  std::optional<uint64_t> free = freeBytesIn(folderOf(videoPath));
  if (!free || *free >= needed) return true;
  std::string text = localFormat("磁盘空间不足：带封面的视频需要 %llu 字节，只剩 %llu 字节。"
                                   "视频保持原样，没有封面。",
                               static_cast<unsigned long long>(needed),
                               static_cast<unsigned long long>(*free));
  reportError(kReportCover, text);
  warn(localText(kCoverFailed) + text);
  return false;
}

}  // namespace

void coverSize(int width, int height, int* newWidth, int* newHeight) {
  *newWidth = width;
  *newHeight = height;
  if (width <= kCoverEdge && height <= kCoverEdge) return;
  if (width < height) {
    *newHeight = kCoverEdge;
    *newWidth = std::max(1, static_cast<int>(std::lround(kCoverEdge * static_cast<double>(width) / height)));
  } else {
    *newWidth = kCoverEdge;
    *newHeight = std::max(1, static_cast<int>(std::lround(kCoverEdge * static_cast<double>(height) / width)));
  }
}

WandPtr coverImage(const Project& project, const std::string& coverPath) {
  WandPtr picture = readPicture(coverPath, "#ffffff");
  if (!picture) return nullptr;
  if (int turn = turnOfPicture(project, coverPath); turn > 0) {
    PixelPtr fill(NewPixelWand());
    MagickRotateImage(picture.get(), fill.get(), turn);
  }
  int width = static_cast<int>(MagickGetImageWidth(picture.get()));
  int height = static_cast<int>(MagickGetImageHeight(picture.get()));
  int newWidth, newHeight;
  coverSize(width, height, &newWidth, &newHeight);
  if (newWidth != width || newHeight != height)
    MagickResizeImage(picture.get(), newWidth, newHeight, LanczosFilter, 1.0);
  MagickSetImageCompression(picture.get(), JPEGCompression);
  MagickSetImageCompressionQuality(picture.get(), 91);
  MagickSetImageFormat(picture.get(), "JPEG");
  return picture;
}

bool writeCoverImage(MagickWand* cover, const std::string& jpegPath) {
  return makeFolders(folderOf(jpegPath)) && writeImageFile(cover, jpegPath);
}

std::string taggedCopyPath(const std::string& videoPath, std::time_t now) {
  std::string name = baseName(videoPath);
  size_t dot = name.rfind('.');
  std::string stem = videoPath.substr(0, videoPath.size() - name.size()) +
                     (dot == std::string::npos ? name : name.substr(0, dot));
  for (std::time_t seconds = now;; ++seconds) {
    std::string copy = stem + strprintf("-%ld.mp4", static_cast<long>(seconds));
    if (!fileExists(copy)) return copy;
  }
}

std::string coverToolCommandLine(const std::string& videoPath, const std::string& artworkPath,
                                 const std::string& copyPath) {
  return strprintf(" \"%s\" --artwork \"%s\" --output \"%s\"", videoPath.c_str(),
                   artworkPath.c_str(), copyPath.c_str());
}

void attachCover(const Project& project, const std::string& videoPath,
                 const std::function<void(const std::string&)>& warn,
                 const ErrorReporter& report, const std::atomic<bool>* cancel,
                 int cancelGraceMs) {
  const ProjectSettings& s = project.settings;
  if (!s.coverOn || s.coverPath.empty() || !fileExists(s.coverPath)) return;
  WandPtr cover = coverImage(project, s.coverPath);
  if (!cover) return;
  // A name of this run's own: pictavo-cli runs share one temporary folder, and a fixed name
  // let one run attach, or remove, the cover another had just prepared.
  const std::string folder = programFolders().temp;
  const std::string name = freeTempName(folder, "cover_%d.jpg", 10000, 30000);
  std::string prepared = joinPath(folder, name);
  bool made = !name.empty() && writeCoverImage(cover.get(), prepared);
  cover.reset();
  std::string artwork = made ? prepared : s.coverPath;

  auto tool = findTool(kCoverTool);
  if (!tool) {
    warn(localText(kCoverFailed) + missingCoverToolMessage());
  } else if (roomForTaggedCopy(videoPath, artwork, warn, report)) {
    std::string copy = taggedCopyPath(videoPath, std::time(nullptr));
    UnfinishedFile unfinished(toFsName(copy).value_or(std::string()));
    bool tagged = runCoverTool(*tool, coverToolCommandLine(videoPath, artwork, copy), warn, report,
                               cancel, cancelGraceMs) &&
                  taggedCopyComplete(copy, videoPath, warn, report);
    // The rename replaces the video in one step; when the tool or the rename fails the video
    // stays as it was and no copy is left.
    if (fileExists(copy) && !(tagged && renameFile(copy, videoPath))) removeFile(copy);
  }
  if (made) removeFile(prepared);
}

}  // namespace pictavo
