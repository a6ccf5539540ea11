#include "music/pcm_decoding.h"

#include <cstring>

#include "platform/child_process.h"
#include "platform/external_tools.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

// ffmpeg writes the samples into a file of its own in the temporary folder, which is read
// whole and removed on every path.
class ScratchFile {
 public:
  explicit ScratchFile(std::string path) : path_(std::move(path)) {}
  ~ScratchFile() { removeFile(path_); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::vector<std::string> decoderArguments(const std::string& input, int sampleRate, int channels,
                                          const std::string& output) {
  return {"-nostdin", "-v", "error", "-y", "-i", input, "-map", "0:a:0", "-vn", "-ac",
          std::to_string(channels), "-ar", std::to_string(sampleRate), "-f", "f32le", output};
}

}  // namespace

std::optional<DecodedSound> decodeSound(const std::string& path, int sampleRate, int channels,
                                        std::string* error) {
  auto program = findTool(kEncoderTool);
  if (!program) {
    *error = localText("找不到 ffmpeg，无法分析音乐。");
    return std::nullopt;
  }
  auto input = toFsName(path);
  auto scratchPath = createReplacementFile(joinPath(programFolders().temp, "decoded"), ".f32");
  if (!input || !scratchPath) {
    *error = localFormat("无法为音乐分析准备临时文件：%s", path.c_str());
    return std::nullopt;
  }
  ScratchFile scratch(scratchPath->path);
  auto output = toFsName(scratch.path());
  if (!output) return std::nullopt;
  SpawnRequest request{*program,
                       decoderArguments(absoluteFsName(*input), sampleRate, channels, *output),
                       "", false};
  std::string spawnError;
  auto child = ChildProcess::spawn(request, &spawnError);
  if (!child) {
    *error = spawnError;
    return std::nullopt;
  }
  if (child->wait() != 0) {
    std::string text = child->errorOutput();
    *error = localFormat("ffmpeg 无法解码音乐 [%s]：%s", baseName(path).c_str(),
                         utf8ToGb18030(text).value_or(text).c_str());
    return std::nullopt;
  }
  auto bytes = readWholeFile(scratch.path());
  if (!bytes) {
    *error = localFormat("无法读取解码后的音乐：%s", path.c_str());
    return std::nullopt;
  }
  DecodedSound sound;
  sound.sampleRate = sampleRate;
  sound.channels = channels;
  sound.samples.resize(bytes->size() / sizeof(float));
  std::memcpy(sound.samples.data(), bytes->data(), sound.samples.size() * sizeof(float));
  return sound;
}

}  // namespace pictavo
