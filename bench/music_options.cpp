// The cost of the music options. First the beat analysis of a 5-minute MP3 (decoding by the
// ffmpeg child and aubio's tempo tracking; run it under `taskset -c 0` for one core). Then
// generation of a standard show (20 pictures at 1280 x 720, effects cycling, 60 s of music
// with the automatic pause) with every music option off and with changes on the beat, both
// fades and levelling on, alternated --repeat N times (default 3); medians and their ratio.
// The beats are analysed before the timed runs, as the window does when a track is added.
// Usage: bench_music_options [--analysis|--generation] [--repeat N] [MUSIC.mp3]
// (default: both parts, on a piece of asc-music)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "effects/effect_table.h"
#include "imaging/image_library.h"
#include "music/beat_cache.h"
#include "music/beat_tracking.h"
#include "music/mp3_analysis.h"
#include "platform/folders.h"
#include "util/text_format.h"
#include "video/auto_pause.h"
#include "video/generation_checks.h"
#include "video/generation_run.h"

using namespace pictavo;
using Clock = std::chrono::steady_clock;

namespace {

const char* kFolder = "/tmp/pictavo-bench-music";
const char* kDefaultMusic = "/usr/share/games/asc/music/machine_wars.mp3";

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

bool run(const std::string& commandLine) { return std::system(commandLine.c_str()) == 0; }

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

class QuietObserver : public ProgressObserver {
 public:
  void picture(int, int) override {}
  void finished() override { ok = true; }
  void cancelled() override {}
  void failed(const std::string& message) override { std::fprintf(stderr, "failed: %s\n", message.c_str()); }
  void warning(const std::string&) override {}
  bool ok = false;
};

Project standardShow(const std::string& music) {
  Project project;
  project.settings.selectSize(project.sizes, project.sizes.findSizeText("1280x720"));
  project.settings.selectPause(21);
  std::vector<int> effects;
  for (int i = 0; i < 99; ++i)
    if (findEffectRow(i)) effects.push_back(i);
  for (int i = 0; i < 20; ++i) {
    std::string path = strprintf("%s/p%02d.jpg", kFolder, i);
    if (!std::filesystem::exists(path))
      run(strprintf("ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=s=2400x1600 -ss %d -frames:v 1 %s",
                    i, path.c_str()));
    ImageItem item;
    item.path = path;
    item.fileName = std::filesystem::path(path).filename().string();
    item.setEffect(effects[static_cast<size_t>(i) % effects.size()]);
    project.pictures.push_back(item);
  }
  int rate = 0;
  float ms = analyseMp3(music, &rate);
  project.settings.musicTracks.push_back({music, ms, rate});
  project.settings.musicOn = true;
  project.settings.autoPause = true;
  autoPauseTime(project);
  return project;
}

double generate(const Project& project, const std::string& output) {
  ProjectCheck check = checkProject(project);
  QuietObserver observer;
  Clock::time_point start = Clock::now();
  GenerationRun generation(project, Preferences(), output, check.sampleRate, observer);
  std::string error;
  if (!generation.start(&error)) {
    std::fprintf(stderr, "cannot start: %s\n", error.c_str());
    std::exit(1);
  }
  generation.wait();
  if (!observer.ok) std::exit(1);
  return secondsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
  int repeat = 3;
  bool analysis = true, generation = true;
  std::string source = kDefaultMusic;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc)
      repeat = std::max(1, std::atoi(argv[++i]));
    else if (std::strcmp(argv[i], "--analysis") == 0)
      generation = false;
    else if (std::strcmp(argv[i], "--generation") == 0)
      analysis = false;
    else
      source = argv[i];
  }
  std::filesystem::create_directories(kFolder);
  std::string error;
  if (!ensureProgramFolders(&error) || !startImageLibrary(&error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  // Five minutes of the piece at 44.1 kHz, and its first minute for the show.
  std::string fiveMinutes = std::string(kFolder) + "/five-minutes.mp3";
  std::string oneMinute = std::string(kFolder) + "/one-minute.mp3";
  if (!run(strprintf("ffmpeg -nostdin -v error -y -stream_loop -1 -i '%s' -t 300 -ar 44100 -c:a libmp3lame '%s'",
                     source.c_str(), fiveMinutes.c_str())) ||
      !run(strprintf("ffmpeg -nostdin -v error -y -i '%s' -t 60 -ar 44100 -c:a libmp3lame '%s'",
                     source.c_str(), oneMinute.c_str()))) {
    std::fprintf(stderr, "ffmpeg could not make the music from %s\n", source.c_str());
    return 1;
  }
  if (analysis) {
    Clock::time_point start = Clock::now();
    TrackBeats beats = analyseTrackBeats(fiveMinutes, &error);
    std::printf("beat_analysis_5min_s %.3f\n", secondsSince(start));
    std::printf("beats_found %zu bpm %.1f clear %d\n", beats.beats.size(), beats.bpm, beats.clear ? 1 : 0);
  }
  if (!generation) return 0;

  Project off = standardShow(oneMinute);
  Project on = off;
  on.settings.beatChanges = true;
  on.settings.fadeInMs = 2000;
  on.settings.fadeOutMs = 3000;
  on.settings.levelTracks = true;
  trackBeatsOf(oneMinute);  // as when the track was added
  std::vector<double> offTimes, onTimes;
  for (int i = 0; i < repeat; ++i) {
    offTimes.push_back(generate(off, std::string(kFolder) + "/off.mp4"));
    onTimes.push_back(generate(on, std::string(kFolder) + "/on.mp4"));
  }
  std::printf("generation_options_off_s %.2f\n", median(offTimes));
  std::printf("generation_options_on_s %.2f\n", median(onTimes));
  std::printf("generation_on_over_off %.3f\n", median(onTimes) / median(offTimes));
  return 0;
}
