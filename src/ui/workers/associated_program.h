// Opens a file with the program the desktop associates with its type (xdg-open), without
// waiting: xdg-open may stay until that program ends. Its exit status arrives as a signal
// on the window's thread.
#pragma once

#include <QObject>

#include <memory>
#include <string>
#include <vector>

namespace pictavo {

class WatchedChild;

// xdg-open's status for "no program can open this" (it found no method); also reported
// when xdg-open itself is missing, as then nothing can open the file either.
inline constexpr int kNoAssociatedProgram = 3;

class AssociatedProgram : public QObject {
  Q_OBJECT

 public:
  explicit AssociatedProgram(QObject* parent = nullptr);
  ~AssociatedProgram() override;

  // `path`: internal text.
  void open(const std::string& path);

 signals:
  // 0 when the file was opened, else xdg-open's exit status.
  void ended(int status);

 private:
  void forget(WatchedChild* child, int status);

  std::vector<std::unique_ptr<WatchedChild>> running_;
};

}  // namespace pictavo
