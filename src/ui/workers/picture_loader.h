// Adds picture files to the project without holding up the window: the files are read,
// classified and thumbnailed by a pool of threads (the core's preparePicture), while the
// window's thread puts the results into the project strictly in the order the files were
// given, whatever order the threads finish in (each picture's effect depends on the one
// before it). Files handed over while a load runs join the end of it. Only a few files are
// read ahead of the next one due, so memory stays flat however many are queued.
#pragma once

#include <QImage>
#include <QObject>
#include <QThreadPool>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "project/picture_list.h"

namespace pictavo {

struct Project;

class PictureLoader : public QObject {
  Q_OBJECT

 public:
  explicit PictureLoader(Project& project, QObject* parent = nullptr);
  // Drops what is queued and waits for the files being read.
  ~PictureLoader() override;

  // Queues GBK paths. A new load appends when `position` is -1, else inserts before the
  // picture now at `position` and moves on by one for each picture added; files given while
  // a load runs join its end.
  void load(const std::vector<std::string>& paths, int position = -1);
  bool running() const { return running_; }
  // Stops the load: pictures already in the project stay, the rest is dropped.
  void cancel();

 signals:
  // `number` of `total`: the file being loaded now (total once all are done).
  void progress(int number, int total);
  // The list icon made while adding the picture at `path` (not turned).
  void thumbnailMade(const std::string& path, const QImage& image);
  // Pictures inserted into the project at first..first + count - 1.
  void picturesInserted(int first, int count);
  // The load ended: all files tried, cancelled, or the list became full with files left.
  void finished(bool reachedLimit);

 private:
  struct Result {
    PreparedPicture picture;
    QImage image;
  };

  void submit();
  void arrived(unsigned generation, size_t index, std::shared_ptr<Result> result);
  void addReady();
  bool full() const;
  void finish(bool reachedLimit);
  void reportProgress();

  Project& project_;
  QThreadPool pool_;
  std::vector<std::string> queue_;
  std::map<size_t, std::shared_ptr<Result>> ready_;
  size_t submitted_ = 0;
  size_t done_ = 0;
  int position_ = -1;
  unsigned generation_ = 0;
  bool running_ = false;
};

}  // namespace pictavo
