// The temporary copy of the logo that the encoder's overlay filter reads: "temp_N.ext" in
// the temporary folder, where the encoder runs, so the filter names it without a folder.
// The copy is removed when the run no longer needs it.
#pragma once

#include <memory>
#include <string>

namespace pictavo {

class LogoCopy {
 public:
  // Copies the logo byte for byte. Null when it cannot be copied; `error` then holds
  // "无法创建图标文件的副本".
  static std::unique_ptr<LogoCopy> make(const std::string& logoPath, const std::string& tempFolder,
                                        std::string* error);
  ~LogoCopy();
  LogoCopy(const LogoCopy&) = delete;
  LogoCopy& operator=(const LogoCopy&) = delete;

  const std::string& name() const { return name_; }  // bare file name
  const std::string& path() const { return path_; }

 private:
  LogoCopy(std::string name, std::string path) : name_(std::move(name)), path_(std::move(path)) {}
  std::string name_;
  std::string path_;
};

// The copy's extension: the logo's own when it is plain letters and digits (the filter
// text can carry those), else "png".
std::string logoCopyExtension(const std::string& logoPath);

}  // namespace pictavo
