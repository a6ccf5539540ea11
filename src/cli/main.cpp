// pictavo-cli: the command-line front end of the Pictavo core.
#include <cstdio>
#include <cstring>

#include "cli/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);
  const char* usage;
};

const Command kCommands[] = {
    {"frame", pictavo::cli::runFrame,
     "frame [IN OUT] [--size WxH] [--background black|white] [--turn DEG]\n"
     "      one picture fitted onto a video frame, as JPEG (default: a built-in picture)"},
    {"info", pictavo::cli::runInfo, "info FILE...\n      the picture information line of each file"},
    {"mp3info", pictavo::cli::runMp3Info,
     "mp3info FILE...\n      duration in milliseconds and sample rate of each MP3 file"},
    {"frames", pictavo::cli::runFrames,
     "frames --effect N [--size WxH] [--hold H] [--caption TEXT] [--out DIR] [--count] [--time]\n"
     "      one effect between two built-in pictures, every frame as a numbered PNG"},
    {"effects", pictavo::cli::runEffects, "effects\n      every effect's index and name"},
    {"import", pictavo::cli::runImport,
     "import [--type 0|1|2] (--out DIR | --save PROJECT.dat) TEXT\n"
     "      the pictures of a product address (or picture addresses), downloaded into DIR\n"
     "      or added to a new project saved as PROJECT.dat"},
    {"make", pictavo::cli::runMake,
     "make -o OUT.mp4 [--size WxH] [--pause SECONDS] [--effect N|random] [--caption TEXT]\n"
     "      [--music MP3]... [--auto-pause|--loop] [--logo PNG --logo-at 0..3]\n"
     "      [--cover PICTURE] [--save PROJECT.dat] PICTURE...\n"
     "      an MP4 of the pictures (and the project saved, to open later); Ctrl+C stops it"},
    {"render", pictavo::cli::runRender,
     "render PROJECT.dat -o OUT.mp4\n      the MP4 of a saved project; Ctrl+C stops it"},
    {"demo", pictavo::cli::runDemo,
     "demo [-o OUT.mp4]\n"
     "      a short show of built-in pictures with effects, captions, a logo, music and a\n"
     "      cover (default demo.mp4)"},
};

int usage() {
  std::fprintf(stderr, "usage: pictavo-cli COMMAND ...\n\n");
  for (const Command& c : kCommands) std::fprintf(stderr, "  %s\n", c.usage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  for (const Command& c : kCommands) {
    if (std::strcmp(argv[1], c.name) == 0) return c.run(argc, argv);
  }
  return usage();
}
