// pictavo-cli: the command-line front end of the Pictavo core. The command table holds each
// command's options and usage; parsing and help are handled here, once for all commands.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "platform/folders.h"
#include "platform/large_blocks.h"
#include "project/language_choice.h"
#include "util/paths.h"

namespace {

using pictavo::cli::Args;
using pictavo::cli::KnownOptions;

struct Command {
  const char* name;
  int (*run)(const Args& args);
  KnownOptions options;
  const char* usage;
};

const Command kCommands[] = {
    {"frame", pictavo::cli::runFrame, {{"size", "background", "turn"}, {}},
     "frame [IN OUT] [--size WxH] [--background black|white] [--turn DEG]\n"
     "      one picture fitted onto a video frame, as JPEG (default: a built-in picture)"},
    {"info", pictavo::cli::runInfo, {}, "info FILE...\n      the picture information line of each file"},
    {"mp3info", pictavo::cli::runMp3Info, {},
     "mp3info FILE...\n      duration in milliseconds and sample rate of each MP3 file"},
    {"frames", pictavo::cli::runFrames, {{"effect", "size", "hold", "caption", "out"}, {"count", "time"}},
     "frames --effect N [--size WxH] [--hold H] [--caption TEXT] [--out DIR] [--count] [--time]\n"
     "      one effect between two built-in pictures, every frame as a numbered PNG"},
    {"effects", pictavo::cli::runEffects, {}, "effects\n      every effect's index and name"},
    {"import", pictavo::cli::runImport, {{"type", "out", "save"}, {}},
     "import [--type 0|1|2] (--out DIR | --save PROJECT.dat) TEXT\n"
     "      the pictures of a product address (or picture addresses), downloaded into DIR\n"
     "      or added to a new project saved as PROJECT.dat"},
    {"make", pictavo::cli::runMake,
     {{"out", "size", "pause", "effect", "caption", "music", "logo", "logo-at", "cover", "save",
       "pipe", "fade-in", "fade-out", "motion", "motion-strength", "fit"},
      {"auto-pause", "loop", "beat", "level"}},
     "make -o OUT.mp4 [--size WxH] [--pause SECONDS] [--effect N|random|cycle] [--caption TEXT]\n"
     "      [--music MP3]... [--auto-pause|--loop] [--beat] [--fade-in S] [--fade-out S]\n"
     "      [--level] [--logo PNG --logo-at 0..3]\n"
     "      [--cover PICTURE] [--save PROJECT.dat] [--pipe raw|mjpeg]\n"
     "      [--motion off|auto|in|out|left|right|up|down] [--motion-strength 4..20]\n"
     "      [--fit fit|fill|blur] PICTURE...\n"
     "      an MP4 of the pictures (and the project saved, to open later); Ctrl+C stops it;\n"
     "      --pipe mjpeg sends the encoder each frame as JPEG instead of raw pixels;\n"
     "      --motion moves each picture over its stay (auto: towards its faces, in and out\n"
     "      by turns), --fit fill covers the frame and --fit blur fills the bars with a\n"
     "      blurred copy of the picture"},
    {"render", pictavo::cli::runRender, {{"out", "pipe", "fade-in", "fade-out"}, {"beat", "level"}},
     "render PROJECT.dat -o OUT.mp4 [--beat] [--fade-in S] [--fade-out S] [--level]\n"
     "      [--pipe raw|mjpeg]\n"
     "      the MP4 of a saved project, with these music options added; Ctrl+C stops it"},
    {"demo", pictavo::cli::runDemo, {{"out", "pipe"}, {"tall"}},
     "demo [-o OUT.mp4] [--pipe raw|mjpeg] [--tall]\n"
     "      a short show of built-in pictures with effects, captions, moving pictures, a logo,\n"
     "      music and a cover (default demo.mp4); --tall makes it 720 x 1280 for phones"},
};

void printUsage(std::FILE* to) {
  std::fprintf(to,
               "usage: pictavo-cli COMMAND [ARGUMENTS]\n"
               "       pictavo-cli COMMAND --help\n"
               "       pictavo-cli --help | --version\n\ncommands:\n");
  for (const Command& c : kCommands) std::fprintf(to, "  %s\n", c.usage);
  std::fprintf(to, "\nThe manual page pictavo-cli(1) describes each command and option.\n");
}

// A wrong command line: what is wrong, then the usage, on standard error.
int usageError(const std::string& problem, const Command* command) {
  std::fprintf(stderr, "pictavo-cli: %s\n", problem.c_str());
  if (command)
    std::fprintf(stderr, "usage: pictavo-cli %s\n", command->usage);
  else
    printUsage(stderr);
  return 2;
}

const Command* findCommand(const char* name) {
  for (const Command& c : kCommands) {
    if (std::strcmp(name, c.name) == 0) return &c;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  pictavo::returnLargeBlocksToTheSystem();
  // Messages in the user's language (the window's stored choice, else the locale).
  pictavo::useLanguage(pictavo::languageOfThisRun(pictavo::PreferencesStore::user()),
                       pictavo::joinPath(pictavo::resourceFolder(), "locale"));
  if (argc < 2) return usageError("no command given", nullptr);
  std::string first = argv[1];
  if (first == "--help" || first == "-h") {
    printUsage(stdout);
    return 0;
  }
  if (first == "--version") {
    std::printf("pictavo-cli %s\n", PICTAVO_VERSION);
    return 0;
  }
  const Command* command = findCommand(argv[1]);
  if (!command) return usageError("unknown command '" + first + "'", nullptr);
  std::string error;
  auto args = pictavo::cli::parseArgs(argc, argv, 2, command->options, &error);
  if (!args) return usageError(error, command);
  if (args->has("help")) {
    std::printf("usage: pictavo-cli %s\n", command->usage);
    return 0;
  }
  return command->run(*args);
}
