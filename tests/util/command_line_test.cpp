#include <gtest/gtest.h>

#include "util/command_line.h"

namespace pictavo {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLineSplit, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(splitCommandLine(""), Args{});
  EXPECT_EQ(splitCommandLine("  \t "), Args{});
  EXPECT_EQ(splitCommandLine(" -y -f  image2pipe\t-r 25"), (Args{"-y", "-f", "image2pipe", "-r", "25"}));
  EXPECT_EQ(splitCommandLine("\"/a b/c.mp4\""), Args{"/a b/c.mp4"});
  EXPECT_EQ(splitCommandLine("concat:\"/m/a b.mp3|/m/c.mp3\" -ac 2"),
            (Args{"concat:/m/a b.mp3|/m/c.mp3", "-ac", "2"}));
  EXPECT_EQ(splitCommandLine("a\"b c\"d e"), (Args{"ab cd", "e"}));
  EXPECT_EQ(splitCommandLine("\"\" x"), (Args{"", "x"}));
  EXPECT_EQ(splitCommandLine("\"open to the end"), Args{"open to the end"});
}

TEST(CommandLineSplit, BackslashesCountOnlyBeforeAQuote) {
  EXPECT_EQ(splitCommandLine("C:\\m\\a.mp3"), Args{"C:\\m\\a.mp3"});
  EXPECT_EQ(splitCommandLine("a\\\\b"), Args{"a\\\\b"});
  EXPECT_EQ(splitCommandLine("a\\\"b"), Args{"a\"b"});          // 1 -> literal quote
  EXPECT_EQ(splitCommandLine("a\\\\\"b c\""), Args{"a\\b c"});   // 2 -> one, quote opens
  EXPECT_EQ(splitCommandLine("a\\\\\\\"b"), Args{"a\\\"b"});     // 3 -> one and a quote
  EXPECT_EQ(splitCommandLine("\"dir\\\" next"), Args{"dir\" next"});  // a trailing \ eats the quote
}

TEST(CommandLineSplit, DoubledQuoteInsideQuotesIsLiteralAndEndsQuoting) {
  EXPECT_EQ(splitCommandLine("\"a\"\"b c\""), (Args{"a\"b", "c"}));
  EXPECT_EQ(splitCommandLine("\"\"\"x y\""), (Args{"\"x", "y"}));
}

TEST(CommandLineSplit, FilterTextWithSingleQuotesStaysOneArgument) {
  EXPECT_EQ(splitCommandLine("-vf \"movie='temp_1.png' [watermark]; [in][watermark] overlay=0:0 [out]\""),
            (Args{"-vf", "movie='temp_1.png' [watermark]; [in][watermark] overlay=0:0 [out]"}));
}

TEST(CommandLineSplit, SplitsIntoComparesWholeArguments) {
  EXPECT_TRUE(splitsInto("\"/tmp/my video.mp4\"", {"/tmp/my video.mp4"}));
  EXPECT_FALSE(splitsInto("\"/tmp/a\"b.mp4\"", {"/tmp/a\"b.mp4"}));
  EXPECT_FALSE(splitsInto("\"/tmp/end\\\"", {"/tmp/end\\"}));
}

}  // namespace
}  // namespace pictavo
