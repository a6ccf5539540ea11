// The music player for the window: plays one track at a time and delivers the end of each
// play to the window's thread as a signal. A play that close (or the next play) ended is
// never reported, also when its end was already on its way.
#pragma once

#include <QObject>
#include <QString>

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>

namespace pictavo {

class MusicPlayer;

class MusicPlayback : public QObject {
  Q_OBJECT

 public:
  // Plays through the player tool (tool folder or PATH); `program` names another one.
  explicit MusicPlayback(QObject* parent = nullptr);
  MusicPlayback(const std::string& program, QObject* parent);
  ~MusicPlayback() override;

  // Ends what plays and plays the track at `path` (internal text), through the ffmpeg audio
  // filter `audioFilter` when given. False, with the reason in `error`, when it cannot be
  // opened or the player cannot be started.
  bool play(const std::string& path, QString* error = nullptr, const std::string& audioFilter = "");
  void pause();
  void resume();
  void close();

  bool isPlaying() const { return current_ != 0; }
  pid_t processId() const;

 signals:
  void finished();
  void failed(const QString& reason);

 private:
  void deliver(uint64_t serial, bool finishedWell, const QString& reason);

  std::unique_ptr<MusicPlayer> player_;
  uint64_t current_ = 0;  // the serial of the play whose end counts; 0 when none
};

}  // namespace pictavo
