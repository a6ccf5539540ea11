#include "support/fake_tools.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/error_log.h"
#include "platform/folders.h"
#include "support/test_files.h"

namespace pictavo::test {

FakeTool::FakeTool(const std::string& name, const std::string& body) {
  const std::string tool = programFolders().tool;
  std::filesystem::create_directories(tool);
  script_ = tool + "/" + name;
  log_ = tool + "/" + name + ".log";
  pidFile_ = tool + "/" + name + ".pid";
  std::filesystem::remove(log_);
  std::filesystem::remove(pidFile_);
  std::string text =
      "#!/bin/sh\n"
      "echo \"$*\" >> '" + log_ + "'\n"
      "PIDFILE='" + pidFile_ + "'\n"
      "IN=''; OUT=''; take=0\n"
      "for a; do\n"
      "  if [ $take = 1 ] && [ -z \"$IN\" ]; then IN=$a; fi\n"
      "  if [ \"$a\" = -i ]; then take=1; else take=0; fi\n"
      "  OUT=$a\n"
      "done\n" + body + "\n";
  writeBytes(script_, text);
  std::filesystem::permissions(script_, std::filesystem::perms::owner_all);
}

FakeTool::~FakeTool() {
  std::error_code ec;
  for (const std::string& file : {script_, log_, pidFile_}) std::filesystem::remove(file, ec);
}

std::vector<std::string> FakeTool::invocations() const {
  std::vector<std::string> lines;
  std::ifstream in(log_);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string errorLogText() { return readBytes(errorLogPath()); }

void clearErrorLog() {
  std::error_code ec;
  std::filesystem::remove(errorLogPath(), ec);
}

std::set<std::string> tempFolderEntries() {
  std::set<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(programFolders().temp, ec))
    names.insert(entry.path().filename().string());
  return names;
}

bool processAlive(int pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  if (!status) return false;
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("State:", 0) == 0) return line.find('Z') == std::string::npos;
  }
  return true;
}

}  // namespace pictavo::test
