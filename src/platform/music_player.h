// Plays one music file at a time through an `ffplay -nodisp -autoexit` child: open names
// the file, play starts the child, pause and resume stop and continue it, close ends it.
// Every open closes what was open before, so at most one child plays. The end of a play
// is reported from a watching thread: finished when the file played to its end, failed
// when the player could not play it. A play ended by close (or another open) reports
// nothing. Calls come from one thread, the owner's.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace pictavo {

class WatchedChild;

enum class PlayEnd { kFinished, kFailed };

class MusicPlayer {
 public:
  // `serial` is what play returned; `message` says why a play failed (internal English
  // text with the player's own words), empty for a finished play.
  using EndHandler = std::function<void(uint64_t serial, PlayEnd end, const std::string& message)>;

  // `program`: the player's file-system name; empty when there is none (every play fails).
  MusicPlayer(std::string program, EndHandler onEnd);
  ~MusicPlayer();
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  // Closes what is open and opens the file (a file-system name). False, with `error`, when
  // it is not a regular file that can be read.
  bool open(const std::string& fsPath, std::string* error);

  // Plays the open file from its start, through the ffmpeg audio filter `audioFilter` when
  // it is not empty (fades); the serial its end will carry, or 0 with `error` when nothing
  // is open or the player cannot be started.
  uint64_t play(std::string* error, const std::string& audioFilter = "");

  void pause();
  void resume();
  // Ends the play and leaves no child behind.
  void close();

  // The playing child's process id, -1 when none runs.
  pid_t processId() const;

 private:
  std::string program_;
  EndHandler onEnd_;
  std::string path_;
  std::unique_ptr<WatchedChild> child_;
  uint64_t lastSerial_ = 0;
};

// How a player child's end reads: failed unless it exited with 0 without the lines the
// player writes when it cannot open or read `fsPath` (it exits with 0 after those too).
PlayEnd playEndOf(int exitCode, const std::string& errorOutput, const std::string& fsPath);

}  // namespace pictavo
