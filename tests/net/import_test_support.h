// An import sink that records what the loaders hand it, for the product import tests.
#pragma once

#include <string>
#include <vector>

#include "net/product_import.h"
#include "support/test_files.h"
#include "util/paths.h"

namespace pictavo::test {

class RecordingImportSink : public ImportSink {
 public:
  explicit RecordingImportSink(std::string folder, int limit = 1000)
      : folder_(std::move(folder)), limit_(limit) {}
  std::string folder() const override { return folder_; }
  bool full() const override { return static_cast<int>(files.size()) >= limit_; }
  std::string fullMessage() const override { return "full"; }
  bool add(const std::string& path) override {
    files.push_back(path);
    contents.push_back(readBytes(*toFsName(path)));
    return true;
  }
  void status(const std::string& text) override { statuses.push_back(text); }

  std::vector<std::string> files;
  std::vector<std::string> contents;
  std::vector<std::string> statuses;

 private:
  std::string folder_;
  int limit_;
};

}  // namespace pictavo::test
