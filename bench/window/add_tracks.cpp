// Adding 10 music tracks through the real music panel (offscreen): the durations are
// measured behind a progress dialog and the beats found in the background, while a 1 ms
// timer on the window's thread shows the longest time the window went without running it,
// which is how long the window looked frozen. Prints that stall and the time until every
// track's tempo is known.
// Usage: bench_add_tracks [MUSIC.mp3]   (default: a piece of asc-music, cut into 10 tracks)
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/session.h"
#include "app/user_prompts.h"
#include "imaging/image_library.h"
#include "platform/folders.h"
#include "ui/main_window.h"
#include "ui/panels/music_panel.h"
#include "stall_watch.h"

using namespace pictavo;

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  std::string source = argc > 1 ? argv[1] : "/usr/share/games/asc/music/machine_wars.mp3";
  std::string error;
  if (!startImageLibrary(&error) || !ensureProgramFolders(&error)) {
    std::fprintf(stderr, "image library or program folder: %s\n", error.c_str());
    return 1;
  }
  std::vector<std::string> tracks;
  for (int i = 0; i < 10; ++i) {
    std::string path = "/tmp/pictavo-bench-track-" + std::to_string(i) + ".mp3";
    std::string line = "ffmpeg -nostdin -v error -y -ss " + std::to_string(i * 25) + " -t 30 -i '" +
                       source + "' -c:a libmp3lame '" + path + "'";
    if (std::system(line.c_str()) != 0) {
      std::fprintf(stderr, "ffmpeg could not cut %s\n", source.c_str());
      return 1;
    }
    tracks.push_back(path);
  }

  Session session;
  QtUserPrompts prompts;
  MainWindow window(session, prompts);
  window.show();
  MusicPanel& panel = window.musicPanel();

  QElapsedTimer clock;
  StallWatch stalls;
  QEventLoop loop;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (!panel.findingBeats()) loop.quit();
  });
  QTimer::singleShot(0, [&] {
    clock.start();
    stalls.start();
    for (const std::string& track : tracks) panel.selectOrAddTrack(track);
    watch.start(10);
  });
  loop.exec();
  std::printf("tracks: %zu\n", session.project().settings.musicTracks.size());
  std::printf("seconds_until_every_tempo_is_known: %.2f\n", static_cast<double>(clock.elapsed()) / 1000.0);
  std::printf("longest_main_thread_stall_ms: %lld\n", static_cast<long long>(stalls.longestMs()));
  return 0;
}
