// pictavo-cli's command line: help and version on standard output with status 0, a wrong
// command line on standard error with its usage and status 2.
#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

struct Streams {
  int exitCode;
  std::string out, err;
};

// Runs pictavo-cli in `folder`, keeping standard output and standard error apart.
Streams runApart(const std::string& arguments, const test::TempDir& folder) {
  std::string errFile = folder.file("stderr.txt");
  auto run = test::runCommand("cd " + test::shellQuote(folder.path()) + " && { " +
                              test::shellQuote(PICTAVO_CLI_PATH) + " " + arguments + " 2>" +
                              test::shellQuote(errFile) + "; }");
  return {run.exitCode, run.output, test::readBytes(errFile)};
}

TEST(CliUsage, HelpAndVersionGoToStandardOutput) {
  test::TempDir dir;
  const struct {
    const char* arguments;
    const char* printed;
  } cases[] = {
      {"--help", "usage: pictavo-cli COMMAND"},
      {"-h", "  render PROJECT.dat -o OUT.mp4"},
      {"make --help", "usage: pictavo-cli make -o OUT.mp4"},
      {"frames -h --effect 3", "usage: pictavo-cli frames --effect N"},
      {"--version", "pictavo-cli " PICTAVO_VERSION "\n"},
  };
  for (const auto& c : cases) {
    Streams run = runApart(c.arguments, dir);
    EXPECT_EQ(run.exitCode, 0) << c.arguments;
    EXPECT_NE(run.out.find(c.printed), std::string::npos) << c.arguments << ": " << run.out;
    EXPECT_EQ(run.err, "") << c.arguments;
  }
}

TEST(CliUsage, WrongCommandLinesPrintWhatIsWrongAndTheUsage) {
  test::TempDir dir;
  const struct {
    const char* arguments;
    const char* problem;
    const char* usage;
  } cases[] = {
      {"", "no command given", "usage: pictavo-cli COMMAND"},
      {"paint", "unknown command 'paint'", "usage: pictavo-cli COMMAND"},
      {"frame --bogus", "unknown option '--bogus'", "usage: pictavo-cli frame [IN OUT]"},
      {"info -x a.png", "unknown option '-x'", "usage: pictavo-cli info FILE..."},
      {"demo --size 640x480", "unknown option '--size'", "usage: pictavo-cli demo"},
      {"make a.png -o", "option '-o' needs a value", "usage: pictavo-cli make"},
      {"frames --effect 1 --count=yes", "option '--count' takes no value", "usage: pictavo-cli frames"},
  };
  for (const auto& c : cases) {
    Streams run = runApart(c.arguments, dir);
    EXPECT_EQ(run.exitCode, 2) << c.arguments;
    EXPECT_EQ(run.out, "") << c.arguments;
    EXPECT_NE(run.err.find(c.problem), std::string::npos) << c.arguments << ": " << run.err;
    EXPECT_NE(run.err.find(c.usage), std::string::npos) << c.arguments << ": " << run.err;
  }
}

TEST(CliUsage, EqualsFormAndOptionEndAreAccepted) {
  test::TempDir dir;
  Streams spaced = runApart("frames --effect 99 --size 160x120 --hold 7 --count", dir);
  Streams joined = runApart("frames --effect=99 --size=160x120 --hold=7 --count", dir);
  EXPECT_EQ(joined.exitCode, 0) << joined.err;
  EXPECT_EQ(joined.out, spaced.out);

  // After "--" a word with a dash is a file name.
  test::writeSolidPicture(dir.file("-dash.png"), 12, 7, "#00ff00", "PNG");
  Streams info = runApart("info -- -dash.png", dir);
  EXPECT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("12 x 7"), std::string::npos) << info.out;
}

// Help and errors follow the locale, also one this machine never generated; with none set
// they read as they always have (the help in English, errors in Simplified Chinese).
TEST(CliUsage, SpeaksTheLanguageOfTheLocale) {
  const struct {
    const char* lang;
    const char* help;
    const char* error;
  } cases[] = {
      {"en_US.UTF-8", "usage: pictavo-cli COMMAND",
       "Write the video size as WIDTHxHEIGHT, both even, for example 1280x720: big"},
      {"zh_TW.UTF-8", "usage: pictavo-cli COMMAND", "影片尺寸應寫成 寬x高，兩者都是偶數，例如 1280x720: big"},
      {"", "usage: pictavo-cli COMMAND", "视频尺寸应写成 宽x高，两者都是偶数，例如 1280x720: big"},
  };
  for (const auto& c : cases) {
    std::string locale = std::string("env LC_ALL= LC_MESSAGES= LANGUAGE= LANG=") + c.lang + " ";
    std::string cli = test::shellQuote(PICTAVO_CLI_PATH);
    auto help = test::runCommand(locale + cli + " --help");
    EXPECT_EQ(help.output.rfind(c.help, 0), 0u) << c.lang << ": " << help.output;
    auto run = test::runCommand(locale + cli + " frame --size big 2>&1");
    EXPECT_NE(run.exitCode, 0) << c.lang;
    EXPECT_NE(run.output.find(c.error), std::string::npos) << c.lang << ": " << run.output;
  }
}

}  // namespace
}  // namespace pictavo
