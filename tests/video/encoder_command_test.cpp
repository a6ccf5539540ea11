#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_files.h"
#include "util/text_format.h"
#include "video/encoder_command.h"

namespace pictavo {
namespace {

using test::g;

EncoderCommand basicCommand() {
  EncoderCommand c;
  c.width = 1280;
  c.height = 720;
  c.duration = durationText(12.0f);
  c.outputPath = "/v/out.mp4";
  return c;
}

TEST(EncoderCommand, NamedPipeAndStandardInputWithoutMusicOrLogo) {
  EncoderCommand c = basicCommand();
  EXPECT_EQ(namedPipeCommandLine("v17", c),
            " -y -f image2pipe -r 25 -vcodec mjpeg -i v17 -s 1280x720 -t 12.00 -pix_fmt yuv420p "
            "-v error \"/v/out.mp4\"");
  EXPECT_EQ(standardInputCommandLine(c),
            " -y -f mjpeg -r 25 -vcodec mjpeg -i pipe:0  -s 1280x720 -t 12.00 -pix_fmt yuv420p "
            "-v error \"/v/out.mp4\"");
  EXPECT_EQ(audioInputPiece(c), "");
  // Raw frames: the same input options on both transports, and the output tagged with
  // the frames' colour range and matrix.
  c.rawFrames = true;
  const char* raw =
      " -y -f rawvideo -pix_fmt yuv420p -s 1280x720 -r 25 -i %s -s 1280x720 -t 12.00 "
      "-pix_fmt yuv420p -color_range tv -colorspace bt470bg -v error \"/v/out.mp4\"";
  EXPECT_EQ(namedPipeCommandLine("v17", c), strprintf(raw, "v17"));
  EXPECT_EQ(standardInputCommandLine(c), strprintf(raw, "pipe:0"));
}

TEST(EncoderCommand, AudioPieceForOneAndTwoTracksAndKnownRates) {
  EncoderCommand c = basicCommand();
  c.musicPaths = {"/m/a.mp3"};
  EXPECT_EQ(audioInputPiece(c), " -i concat:\"/m/a.mp3\" -ac 2 -ar 44100 -ab 128k");
  c.musicPaths = {"/m/a.mp3", "/m/b.mp3"};
  EXPECT_EQ(audioInputPiece(c), " -i concat:\"/m/a.mp3|/m/b.mp3\" -ac 2 -ar 44100 -ab 128k");
  c.sampleRate = 48000;
  EXPECT_EQ(audioInputPiece(c), " -i concat:\"/m/a.mp3|/m/b.mp3\" -ac 2 -ar 48000 -ab 128k");
  EXPECT_EQ(namedPipeCommandLine("v3", c),
            " -y -f image2pipe -r 25 -vcodec mjpeg -i v3 -i concat:\"/m/a.mp3|/m/b.mp3\" -ac 2 "
            "-ar 48000 -ab 128k -s 1280x720 -t 12.00 -pix_fmt yuv420p -v error \"/v/out.mp4\"");
  EXPECT_EQ(standardInputCommandLine(c),
            " -y -f mjpeg -r 25 -vcodec mjpeg -i pipe:0  -i concat:\"/m/a.mp3|/m/b.mp3\" -ac 2 "
            "-ar 48000 -ab 128k -s 1280x720 -t 12.00 -pix_fmt yuv420p -v error \"/v/out.mp4\"");
}

TEST(EncoderCommand, ConfiguredBitRateCountsOnlyWithin96To320) {
  EncoderCommand c = basicCommand();
  c.musicPaths = {"/m/a.mp3"};
  for (auto [configured, used] : {std::pair{96, 96}, {192, 192}, {320, 320}, {95, 128}, {321, 128}, {0, 128}}) {
    c.audioBitRate = configured;
    EXPECT_EQ(audioInputPiece(c), " -i concat:\"/m/a.mp3\" -ac 2 -ar 44100 -ab " + std::to_string(used) + "k")
        << configured;
  }
}

TEST(EncoderCommand, LogoFilterByLocation) {
  const std::string head = " -vf \"movie='temp_12345.png' [watermark]; [in][watermark] overlay=";
  EXPECT_EQ(logoFilterPiece("temp_12345.png", 0), head + "0:0 [out]\"");
  EXPECT_EQ(logoFilterPiece("temp_12345.png", 1), head + "0:main_h-overlay_h-0 [out]\"");
  EXPECT_EQ(logoFilterPiece("temp_12345.png", 2), head + "main_w-overlay_w-0:0 [out]\"");
  EXPECT_EQ(logoFilterPiece("temp_12345.png", 3), head + "main_w-overlay_w-0:main_h-overlay_h-0 [out]\"");
  EXPECT_EQ(logoFilterPiece("temp_12345.png", 7), logoFilterPiece("temp_12345.png", 1));
  EXPECT_EQ(logoFilterPiece("", 3), "");

  EncoderCommand c = basicCommand();
  c.logoName = "temp_12345.png";
  c.logoLocation = 3;
  EXPECT_EQ(namedPipeCommandLine("v1", c),
            " -y -f image2pipe -r 25 -vcodec mjpeg -i v1 -s 1280x720 -t 12.00" + head +
                "main_w-overlay_w-0:main_h-overlay_h-0 [out]\" -pix_fmt yuv420p -v error \"/v/out.mp4\"");
}

TEST(EncoderCommand, ArgumentsKeepPathsWithBlanksAndChineseWhole) {
  EncoderCommand c = basicCommand();
  c.outputPath = g("/视频/我的 相册.mp4");
  c.musicPaths = {g("/音乐/一 首.mp3"), "/m/b.mp3"};
  c.logoName = "temp_20000.jpg";
  c.logoLocation = 2;
  std::vector<std::string> args;
  std::string error;
  ASSERT_TRUE(commandArguments(namedPipeCommandLine("v9", c), &args, &error));
  std::vector<std::string> expected = {
      "-y", "-f", "image2pipe", "-r", "25", "-vcodec", "mjpeg", "-i", "v9", "-i",
      "concat:/音乐/一 首.mp3|/m/b.mp3", "-ac", "2", "-ar", "44100", "-ab", "128k", "-s",
      "1280x720", "-t", "12.00", "-vf",
      "movie='temp_20000.jpg' [watermark]; [in][watermark] overlay=main_w-overlay_w-0:0 [out]",
      "-pix_fmt", "yuv420p", "-v", "error", "/视频/我的 相册.mp4"};
  EXPECT_EQ(args, expected);
  EXPECT_FALSE(commandArguments(std::string("\x81\x20", 2), &args, &error));  // not GBK
}

TEST(EncoderCommand, PathsTheCommandLineWouldCutAreRefused) {
  EncoderCommand c = basicCommand();
  std::string error;
  EXPECT_TRUE(checkCommandPaths(c, &error));
  c.outputPath = "/v/say \"hi\".mp4";
  EXPECT_FALSE(checkCommandPaths(c, &error));
  EXPECT_NE(error.find(c.outputPath), std::string::npos);
  c.outputPath = "/v/ok.mp4";
  c.musicPaths = {"/m/a|b.mp3"};
  EXPECT_FALSE(checkCommandPaths(c, &error));
  EXPECT_NE(error.find("a|b.mp3"), std::string::npos);
  c.musicPaths = {"/m/dir\\"};
  EXPECT_FALSE(checkCommandPaths(c, &error));
  c.musicPaths = {"/m/back\\slash and blank.mp3"};
  EXPECT_TRUE(checkCommandPaths(c, &error));
  // A GBK character whose trail byte is '|' (0x7C) is no bar once converted.
  c.musicPaths = {std::string("/m/\x81\x7C.mp3")};
  EXPECT_TRUE(checkCommandPaths(c, &error));
}

TEST(EncoderCommand, DurationHasTwoDecimals) {
  EXPECT_EQ(durationText(3.0f), "3.00");
  EXPECT_EQ(durationText(10.8f), "10.80");
  EXPECT_EQ(durationText(34 / 25.0f), "1.36");
}

}  // namespace
}  // namespace pictavo

namespace pictavo {
namespace {

// With a music option on, each track is an input of its own and one filter graph, passed
// as one argument, joins, levels and fades them; the frames stay the first input's video.
TEST(EncoderCommand, MusicFiltersMakeOneGraphOfPerTrackInputs) {
  EncoderCommand c = basicCommand();
  c.musicPaths = {"/m/a b.mp3", "/m/c.mp3"};
  c.musicFilters.fadeOutSeconds = 2;
  c.musicFilters.musicEnd = 12;
  c.musicFilters.trackGainsDb = {-3.5, 12};
  std::vector<std::string> arguments;
  std::string error;
  ASSERT_TRUE(commandArguments(namedPipeCommandLine("v3", c), &arguments, &error));
  auto at = std::find(arguments.begin(), arguments.end(), "-filter_complex");
  ASSERT_NE(at, arguments.end());
  EXPECT_EQ(*(at - 3), "/m/a b.mp3");
  EXPECT_EQ(*(at - 1), "/m/c.mp3");
  const std::string& graph = *(at + 1);
  EXPECT_EQ(graph.find("[1:a]"), 0u);
  EXPECT_NE(graph.find("[2:a]"), std::string::npos);
  EXPECT_EQ(std::count(graph.begin(), graph.end(), ';'), 2);
  EXPECT_NE(graph.find("volume=-3.50dB"), std::string::npos);
  EXPECT_NE(graph.find("volume=12.00dB"), std::string::npos);
  EXPECT_NE(graph.find("concat=n=2:v=0:a=1,afade=t=out:st=10.000:d=2.000[music]"), std::string::npos);
  EXPECT_EQ(std::vector<std::string>(at + 2, at + 6),
            (std::vector<std::string>{"-map", "0:v", "-map", "[music]"}));
}

// The preview plays each track on its own: the fade-in belongs to the first, the fade-out
// to the track playing where the music stops, cut short when that track started later.
TEST(EncoderCommand, EachTrackOfThePreviewFadesWhereTheVideoDoes) {
  MusicFilters f;
  f.fadeInSeconds = 1;
  f.fadeOutSeconds = 2;
  struct Case {
    double musicEnd;
    size_t track;
    double start;
    const char* filter;
  };
  for (Case c : {Case{15, 0, 0, "afade=t=in:st=0:d=1.000"},
                 Case{15, 1, 10, "afade=t=out:st=3.000:d=2.000"},
                 Case{10, 0, 0, "afade=t=in:st=0:d=1.000,afade=t=out:st=8.000:d=2.000"},
                 Case{10, 1, 10, ""},
                 Case{11, 1, 10, "afade=t=out:st=0.000:d=1.000"}}) {
    f.musicEnd = c.musicEnd;
    EXPECT_EQ(trackFadeFilter(f, c.track, c.start, 10), c.filter) << c.musicEnd << " " << c.track;
  }
}

}  // namespace
}  // namespace pictavo

namespace pictavo {
namespace {

// Levelling aims every track at one loudness, never raising one past the room its peaks
// leave, and leaves a track without a measured loudness (silence) as it is.
TEST(EncoderCommand, LevelGainAimsAtOneLoudnessWithinThePeaksRoom) {
  struct Case {
    double loudness, peak, gain;
  };
  for (Case c : {Case{-28, -20, 12}, Case{-10, -1, -6}, Case{-28, -4, 3}, Case{0, -90, 0},
                 Case{-70, -60, kMaxLevelGainDb}}) {
    EXPECT_DOUBLE_EQ(levelGainDb(c.loudness, c.peak), c.gain) << c.loudness << " " << c.peak;
  }
}

}  // namespace
}  // namespace pictavo
