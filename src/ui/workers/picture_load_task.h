// Adds picture files to the project without holding up the window: a pool of threads reads,
// classifies and thumbnails the files (the core's preparePicture), and the window's thread
// puts the results into the project strictly in the order the files were given, whatever
// order the threads finish in (each picture's effect depends on the one before it). Files
// appended while the task runs join the end of it. Only a few files are read ahead of the
// next one due, so memory stays flat however many are queued. When the project fills or
// moves its pictures, each picture's faces are found here too.
#pragma once

#include <QImage>

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <string>
#include <vector>

#include "project/picture_list.h"
#include "ui/workers/task.h"

class QThreadPool;

namespace pictavo {

struct Project;

class PictureLoadTask : public Task {
  Q_OBJECT

 public:
  // Inserts before the picture now at `position` (moving on by one for each picture added),
  // or appends when it is -1.
  PictureLoadTask(Project& project, int position, QObject* parent = nullptr);
  ~PictureLoadTask() override;

  // Queues GBK paths. False once the task has taken its last file: they are not queued.
  bool append(const std::vector<std::string>& paths);
  // Where the next picture goes (-1: the end).
  int position() const { return position_; }

 signals:
  // The list icon made while adding the picture at `path` (not turned).
  void thumbnailMade(const std::string& path, const QImage& image);
  // Pictures inserted into the project at first..first + count - 1.
  void picturesInserted(int first, int count);
  // The list became full with files left; nothing more is added.
  void limitReached();

 public:
  struct Result {
    PreparedPicture picture;
    QImage image;
  };

 protected:
  void run() override;
  void stopRequested() override;

 private:
  bool waitForWindow(size_t limit);
  bool takePath(std::string& path, bool closeWhenNone);
  static std::future<Result> startReading(QThreadPool& pool, const std::string& path,
                                          bool lookForFaces);
  void handOver(std::deque<std::future<Result>>& reading);
  void add(std::vector<Result>& batch);
  bool full() const;
  void reportCount();

  Project& project_;
  int position_;
  // The project frames by faces (filled or moving pictures): find each picture's faces while
  // it is read, so that the preview and the video find them remembered.
  const bool lookForFaces_;
  size_t done_ = 0;  // files handled on the window's thread
  // Shared with the task's thread:
  mutable std::mutex mutex_;
  std::condition_variable room_;  // results handed over have been added
  std::vector<std::string> queue_;
  size_t taken_ = 0;
  bool closed_ = false;
  size_t handedOver_ = 0;
  size_t added_ = 0;
};

}  // namespace pictavo
