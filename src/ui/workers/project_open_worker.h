// Reads a project file into a fresh project on its own thread; a project of 1000 pictures
// takes a while (every picture is classified and gets its list icon).
#pragma once

#include <string>

#include "project/project_model.h"
#include "project/user_message.h"
#include "ui/workers/task.h"

namespace pictavo {

class ProjectOpenWorker : public Task {
  Q_OBJECT

 public:
  // `sizes`: the size list as it is now, so that sizes added in this run stay.
  ProjectOpenWorker(std::string path, SizeList sizes);
  ~ProjectOpenWorker() override;

  bool succeeded() const { return succeeded_; }
  Project& result() { return result_; }
  const UserMessage& message() const { return message_; }

 protected:
  void run() override;

 private:
  std::string path_;
  Project result_;
  UserMessage message_;
  bool succeeded_ = false;
};

}  // namespace pictavo
