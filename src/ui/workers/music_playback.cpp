#include "ui/workers/music_playback.h"

#include "platform/external_tools.h"
#include "platform/music_player.h"
#include "util/paths.h"

namespace pictavo {

MusicPlayback::MusicPlayback(QObject* parent)
    : MusicPlayback(findTool(kPlayerTool).value_or(std::string()), parent) {}

MusicPlayback::MusicPlayback(const std::string& program, QObject* parent) : QObject(parent) {
  // Runs on the player's watching thread: only hands the end over to ours.
  auto onEnd = [this](uint64_t serial, PlayEnd end, const std::string& message) {
    QMetaObject::invokeMethod(
        this,
        [this, serial, well = end == PlayEnd::kFinished, reason = QString::fromStdString(message)] {
          deliver(serial, well, reason);
        },
        Qt::QueuedConnection);
  };
  player_ = std::make_unique<MusicPlayer>(program, onEnd);
}

// The player ends its child and its watching thread before this object goes.
MusicPlayback::~MusicPlayback() { player_.reset(); }

bool MusicPlayback::play(const std::string& path, QString* error, const std::string& audioFilter) {
  close();
  std::string reason;
  std::optional<std::string> fsPath = toFsName(path);
  if (!fsPath) reason = "the file name cannot be converted";
  if (fsPath && player_->open(*fsPath, &reason)) current_ = player_->play(&reason, audioFilter);
  if (current_ == 0 && error) *error = QString::fromStdString(reason);
  return current_ != 0;
}

void MusicPlayback::pause() { player_->pause(); }

void MusicPlayback::resume() { player_->resume(); }

void MusicPlayback::close() {
  current_ = 0;
  player_->close();
}

pid_t MusicPlayback::processId() const { return player_->processId(); }

void MusicPlayback::deliver(uint64_t serial, bool finishedWell, const QString& reason) {
  if (serial != current_) return;
  current_ = 0;
  if (finishedWell)
    emit finished();
  else
    emit failed(reason);
}

}  // namespace pictavo
