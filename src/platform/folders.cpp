#include "platform/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>

#include "platform/files.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

// The image library policy, inside the resource folder.
constexpr const char* kPolicyFile = "magick/policy.xml";

std::mutex gFoldersMutex;
std::optional<ProgramFolders> gFolders;
bool gNameRefused = false;

std::string homeFsName() {
  const char* home = std::getenv("HOME");
  return home && *home ? home : ".";
}

std::string dataFolderFsName() {
  if (const char* home = std::getenv("PICTAVO_HOME"); home && *home) return home;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
    return std::string(xdg) + "/pictavo";
  return homeFsName() + "/.local/share/pictavo";
}

std::string configHomeFsName() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return xdg;
  return homeFsName() + "/.config";
}

// XDG_DESKTOP_DIR="$HOME/Desktop" from the user-dirs file; empty when it is not there.
std::string userDirsDesktop() {
  std::ifstream in(configHomeFsName() + "/user-dirs.dirs");
  const std::string key = "XDG_DESKTOP_DIR=\"";
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.empty() || value.back() != '"') return std::string();
    value.pop_back();
    if (value.rfind("$HOME", 0) == 0) value = homeFsName() + value.substr(5);
    return value;
  }
  return std::string();
}

// The user's desktop as a file-system name when there is one (not the home folder that
// desktopFolder falls back to); empty otherwise.
std::string realDesktopFsName() {
  std::error_code ec;
  for (const std::string& candidate : {userDirsDesktop(), homeFsName() + "/Desktop"}) {
    if (!candidate.empty() && std::filesystem::is_directory(candidate, ec)) return candidate;
  }
  return std::string();
}

bool isInside(const std::string& fsPath, const std::string& fsFolder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::string path = fs::absolute(fsPath, ec).lexically_normal().string();
  std::string folder = fs::absolute(fsFolder, ec).lexically_normal().string();
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return !ec && folder.size() > 1 && path.rfind(folder, 0) == 0;
}

// A program folder on the desktop keeps its temporary files off the desktop, in the system's
// temporary folder. The folder there is the user's own: its name carries the user id, and
// ensureProgramFolders takes it only when it is a real folder of that user.
std::string desktopTempFsName() {
  const char* tmp = std::getenv("TMPDIR");
  std::string base = tmp && *tmp ? tmp : "/tmp";
  return base + "/PictavoDzxcTemp-" + std::to_string(getuid());
}

// Creates the private temporary folder of desktopTempFsName; false when it cannot be made or
// what is there under that name is not a folder of this user (a link, someone else's).
bool makePrivateFolder(const std::string& fsName) {
  if (mkdir(fsName.c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat info {};
  return lstat(fsName.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid();
}

ProgramFolders resolve() {
  ProgramFolders f;
  auto program = fromFsName(dataFolderFsName());
  gNameRefused = !program;
  f.program = program.value_or(std::string());
  f.sharedTemp = joinPath(f.program, "temp");
  std::string desktop = realDesktopFsName();
  if (!desktop.empty() && isInside(dataFolderFsName(), desktop)) {
    if (auto temp = fromFsName(desktopTempFsName())) f.sharedTemp = *temp;
  }
  f.temp = f.sharedTemp;
  f.pics = joinPath(f.program, "pics");
  f.music = joinPath(f.program, "mp3");
  f.settings = joinPath(f.program, "sz");
  f.tool = joinPath(f.program, "tool");
  f.projects = joinPath(f.program, gbk("我的项目"));
  f.videos = joinPath(f.program, gbk("我的视频"));
  return f;
}

}  // namespace

const ProgramFolders& programFolders() {
  std::lock_guard lock(gFoldersMutex);
  if (!gFolders) gFolders = resolve();
  return *gFolders;
}

void resetProgramFolders() {
  std::lock_guard lock(gFoldersMutex);
  gFolders.reset();
}

void useTemporaryFolder(const std::string& gbkFolder) {
  programFolders();
  std::lock_guard lock(gFoldersMutex);
  gFolders->temp = gbkFolder.empty() ? gFolders->sharedTemp : gbkFolder;
}

bool ensureProgramFolders(std::string* error) {
  const ProgramFolders& f = programFolders();
  if (gNameRefused) {
    if (error) *error = unsupportedNameMessage(dataFolderFsName());
    return false;
  }
  std::string ownTemp = joinPath(f.program, "temp");
  if (f.sharedTemp != ownTemp) {
    auto fsName = toFsName(f.sharedTemp);
    if (!fsName || !makePrivateFolder(*fsName)) {
      std::lock_guard lock(gFoldersMutex);
      if (gFolders->temp == gFolders->sharedTemp) gFolders->temp = ownTemp;
      gFolders->sharedTemp = ownTemp;
    }
  }
  for (const std::string* folder : {&f.program, &f.sharedTemp, &f.temp, &f.pics}) {
    if (!makeFolders(*folder)) {
      if (error) *error = localFormat("无法创建文件夹: %s", folder->c_str());
      return false;
    }
  }
  return true;
}

std::string configFolder() { return configHomeFsName() + "/pictavo"; }

std::string desktopFolder() {
  std::error_code ec;
  for (const std::string& candidate : {userDirsDesktop(), homeFsName() + "/Desktop"}) {
    if (candidate.empty() || !std::filesystem::is_directory(candidate, ec)) continue;
    if (auto name = fromFsName(candidate)) return *name;
  }
  return fromFsName(homeFsName()).value_or(std::string());
}

std::string ownProgramPath() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.string();
}

std::string resourceFolder() {
  std::filesystem::path exe = ownProgramPath();
  if (exe.empty()) return std::string();
  return (exe.parent_path().parent_path() / "share" / "pictavo").lexically_normal().string();
}

bool checkResourceFolder(std::string* error) {
  std::string folder = resourceFolder();
  std::string problem;
  if (folder.empty())
    problem = localText("无法确定程序所在的文件夹 (/proc/self/exe 不可读)");
  else if (access(folder.c_str(), F_OK) != 0)
    problem = localText("找不到程序的数据文件夹: ");
  else if (access(folder.c_str(), R_OK | X_OK) != 0)
    problem = localText("无法读取程序的数据文件夹: ");
  else if (access((folder + "/" + kPolicyFile).c_str(), R_OK) != 0)
    problem = localFormat("程序的数据文件夹中缺少可读的 %s: ", kPolicyFile);
  if (problem.empty()) return true;
  if (error) {
    std::string shown = fromFsName(folder).value_or(std::string());
    if (shown.empty())  // a name that is not valid UTF-8: its ASCII letters, the rest as '?'
      for (unsigned char c : folder) shown += c < 0x80 ? static_cast<char>(c) : '?';
    *error = problem + shown;
    if (!folder.empty()) *error += localText("。请重新安装本软件。");
  }
  return false;
}

}  // namespace pictavo
