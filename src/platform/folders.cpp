#include "platform/folders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>

#include "platform/files.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

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

ProgramFolders resolve() {
  ProgramFolders f;
  auto program = fromFsName(dataFolderFsName());
  gNameRefused = !program;
  f.program = program.value_or(std::string());
  f.temp = joinPath(f.program, "temp");
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

bool ensureProgramFolders(std::string* error) {
  const ProgramFolders& f = programFolders();
  if (gNameRefused) {
    if (error) *error = unsupportedNameMessage(dataFolderFsName());
    return false;
  }
  for (const std::string* folder : {&f.program, &f.temp, &f.pics}) {
    if (!makeFolders(*folder)) {
      if (error) *error = gbk("无法创建文件夹: ") + *folder;
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

std::string resourceFolder() {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    for (const fs::path& candidate : {exe.parent_path().parent_path() / "share",
                                      exe.parent_path() / "share"}) {
      if (fs::is_directory(candidate / "magick", ec)) return candidate.string();
    }
  }
#ifdef PICTAVO_RESOURCE_DIR
  return PICTAVO_RESOURCE_DIR;
#else
  return exe.parent_path().string();
#endif
}

}  // namespace pictavo
