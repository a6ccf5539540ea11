#include "support/recording_observer.h"

#include <gtest/gtest.h>

#include "util/charset.h"
#include "video/generation_checks.h"

namespace pictavo::test {

std::string generateVideo(const Project& project, const std::string& path) {
  ProjectCheck check = checkProject(project);
  EXPECT_TRUE(check.ok);
  RecordingObserver observer;
  GenerationRun run(project, Preferences(), path, check.sampleRate, observer);
  std::string error;
  EXPECT_TRUE(run.start(&error)) << utf8(error);
  run.wait();
  EXPECT_EQ(observer.ends(), std::vector<std::string>{"finished"});
  return path;
}

void RecordingObserver::picture(int number, int total) {
  if (onPicture) onPicture(number);
  std::lock_guard lock(mutex_);
  pictures_.push_back(number);
  total_ = total;
}

void RecordingObserver::failed(const std::string& message) {
  {
    std::lock_guard lock(mutex_);
    failure_ = message;
  }
  add("failed");
}

void RecordingObserver::warning(const std::string& message) {
  std::lock_guard lock(mutex_);
  warnings_.push_back(message);
}

void RecordingObserver::add(const std::string& end) {
  std::lock_guard lock(mutex_);
  ends_.push_back(end);
}

std::vector<std::string> RecordingObserver::ends() const {
  std::lock_guard lock(mutex_);
  return ends_;
}

std::vector<int> RecordingObserver::pictures() const {
  std::lock_guard lock(mutex_);
  return pictures_;
}

int RecordingObserver::total() const {
  std::lock_guard lock(mutex_);
  return total_;
}

std::string RecordingObserver::failure() const {
  std::lock_guard lock(mutex_);
  return failure_;
}

std::vector<std::string> RecordingObserver::warnings() const {
  std::lock_guard lock(mutex_);
  return warnings_;
}

}  // namespace pictavo::test
