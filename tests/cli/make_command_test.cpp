#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <regex>
#include <vector>

#include "support/make_audio.h"
#include "support/media_probe.h"
#include "support/run_command.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

using test::shellQuote;

test::CommandResult cli(const std::string& arguments) { return test::runCli(arguments); }

bool says(const test::CommandResult& run, const std::string& text) {
  return run.output.find(text) != std::string::npos;
}

class MakeCommand : public testing::Test {
 protected:
  void SetUp() override {
    test::writeSolidPicture(dir_.file("a.jpg"), 200, 150, "#ff0000", "JPEG");
    test::writeSolidPicture(dir_.file("b.png"), 150, 200, "#00ff00", "PNG");
    pictures_ = shellQuote(dir_.file("a.jpg")) + " " + shellQuote(dir_.file("b.png"));
  }
  test::TempDir dir_;
  std::string pictures_;
};

TEST_F(MakeCommand, BadArgumentsAreRefusedWithAMessage) {
  std::string out = " -o " + shellQuote(dir_.file("x.mp4")) + " ";
  EXPECT_EQ(cli("make " + pictures_).exitCode, 2);
  EXPECT_EQ(cli("make" + out).exitCode, 2);
  auto run = cli("make" + out + "--size 641x480 " + pictures_);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(says(run, "641x480"));
  EXPECT_EQ(cli("make" + out + "--size 99999x99999 " + pictures_).exitCode, 2);
  EXPECT_EQ(cli("make" + out + "--pause -1 " + pictures_).exitCode, 2);
  EXPECT_EQ(cli("make" + out + "--effect abc " + pictures_).exitCode, 2);
  EXPECT_EQ(cli("make" + out + "--logo " + shellQuote(dir_.file("a.jpg")) + " --logo-at 7 " + pictures_).exitCode, 2);
  run = cli("make" + out + "--music " + shellQuote(dir_.file("a.jpg")) + " " + pictures_);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(says(run, "MP3"));
  EXPECT_EQ(cli("make" + out + "--loop " + pictures_).exitCode, 2);
  run = cli("make" + out + shellQuote(dir_.file("none.jpg")));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(dir_.file("x.mp4")));
}

// --motion, --motion-strength and --fit: wrong values are refused with a message; right ones
// are saved with the project, keep the video's length, and a filled picture leaves no bars.
TEST_F(MakeCommand, MotionAndFramingFlags) {
  const std::string out = " -o " + shellQuote(dir_.file("m.mp4")) + " --size 320x160 --pause 1 --effect 99 ";
  for (const char* wrong : {"--motion spin", "--motion-strength 3", "--motion-strength 10x", "--fit stretch"}) {
    auto run = cli("make" + out + wrong + " " + pictures_);
    EXPECT_EQ(run.exitCode, 2) << wrong;
    EXPECT_TRUE(says(run, std::string(wrong).substr(0, std::string(wrong).find(' ')))) << run.output;
  }
  auto still = cli("make" + out + pictures_);
  ASSERT_EQ(still.exitCode, 0) << still.output;
  const double stillLength = test::probeMedia(dir_.file("m.mp4")).duration;
  WandPtr fitted = test::frameAt(dir_.file("m.mp4"), 0.5);
  auto moving = cli("make" + out + "--motion auto --motion-strength 16 --fit fill --save " +
                    shellQuote(dir_.file("m.dat")) + " " + pictures_);
  ASSERT_EQ(moving.exitCode, 0) << moving.output;
  EXPECT_DOUBLE_EQ(test::probeMedia(dir_.file("m.mp4")).duration, stillLength);
  WandPtr filled = test::frameAt(dir_.file("m.mp4"), 0.5);
  EXPECT_FALSE(test::near(test::pixelAt(fitted.get(), 4, 80), {255, 0, 0}, 40)) << "a bar beside the picture";
  EXPECT_TRUE(test::near(test::pixelAt(filled.get(), 4, 80), {255, 0, 0}, 40)) << "the picture fills the frame";
  const std::string saved = test::readBytes(dir_.file("m.dat"));
  for (const char* key : {"\"motion\":\t1", "\"motion_strength\":\t16", "\"framing\":\t1"})
    EXPECT_NE(saved.find(key), std::string::npos) << key;
}

TEST_F(MakeCommand, ProjectCheckRefusalIsShown) {
  auto run = cli("make -o " + shellQuote(dir_.file("x.mp4")) + " --size 160x128 --logo " +
                 shellQuote(dir_.file("a.jpg")) + " " + pictures_);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(says(run, "选择的图标尺寸过大(200 x 150)，请选择一个不大于 160 x 128 的图标。")) << run.output;
}

// Neither the project file nor the video may land on a picture, on each other, or on
// something that is not a regular file; the refusal names the file once.
TEST_F(MakeCommand, NothingIsWrittenOntoAnInput) {
  const std::string picture = test::readBytes(dir_.file("a.jpg"));
  test::writeBytes(dir_.file("p.mp4"), picture);  // a picture under a video's name
  ASSERT_EQ(::mkfifo(dir_.file("fifo.mp4").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(dir_.file("fifo.dat").c_str(), 0600), 0);
  const std::string a = shellQuote(dir_.file("a.jpg"));
  const std::string p = shellQuote(dir_.file("p.mp4"));
  const std::string video = shellQuote(dir_.file("v.mp4"));
  struct Case {
    std::string outputs;
    const char* told;
    std::string named;  // the refused path, named this many times
    size_t mentions;
  };
  const Case cases[] = {
      {"--save " + a + " -o " + video, "保存会覆盖它", dir_.file("a.jpg"), 2},
      {"-o " + p, "生成视频会覆盖它", dir_.file("p.mp4"), 2},
      {"--save " + video + " -o " + video, "不能是同一个文件", dir_.file("v.mp4"), 1},
      {"-o " + shellQuote(dir_.file("fifo.mp4")), "不能写入", dir_.file("fifo.mp4"), 1},
      {"--save " + shellQuote(dir_.file("fifo.dat")) + " -o " + video, "不能写入", dir_.file("fifo.dat"), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.outputs);
    // `timeout` bounds an encoder waiting for a reader of the FIFO.
    auto run = test::runCommand("timeout -s KILL 20 " + shellQuote(PICTAVO_CLI_PATH) +
                                " make --size 160x128 " + c.outputs + " " + a + " " + p);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(says(run, c.told)) << run.output;
    size_t mentions = 0;
    for (size_t at = 0; (at = run.output.find(c.named, at)) != std::string::npos; at += c.named.size())
      ++mentions;
    EXPECT_EQ(mentions, c.mentions) << run.output;
    EXPECT_EQ(test::readBytes(dir_.file("a.jpg")), picture);
    EXPECT_EQ(test::readBytes(dir_.file("p.mp4")), picture);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("v.mp4")));
    EXPECT_TRUE(std::filesystem::is_fifo(dir_.file("fifo.mp4")) && std::filesystem::is_fifo(dir_.file("fifo.dat")));
  }
}

TEST_F(MakeCommand, MakesAnMp4WithProgress) {
  ASSERT_EQ(test::makeSineAudio(dir_.file("m.mp3"), 3, "-ar 44100 -ac 2 -c:a libmp3lame"), "");
  auto run = cli("make -o " + shellQuote(dir_.file("clip")) + " --size 160x128 --pause 1 --effect 99 "
                 "--caption 'Hello 你好' --music " + shellQuote(dir_.file("m.mp3")) + " --auto-pause " + pictures_);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(says(run, "100%  2/2")) << run.output;
  EXPECT_TRUE(says(run, "视频已生成: " + dir_.file("clip.mp4")));
  test::MediaInfo info = test::probeMedia(dir_.file("clip.mp4"));
  ASSERT_TRUE(info.stream("video"));
  EXPECT_EQ(info.stream("video")->at("width"), "160");
  EXPECT_TRUE(info.stream("audio"));
  EXPECT_NEAR(info.duration, 3.0, 0.3) << "the automatic pause fills the music";
}

// The music options: refused without music or with a fade out of range; with music they
// make the video and are saved with the project, and render adds them to a saved one.
TEST_F(MakeCommand, MusicOptionsReachTheVideoAndTheProject) {
  ASSERT_EQ(test::makeClickTrack(dir_.file("m.mp3"), 120, 6, "-c:a libmp3lame"), "");
  std::string out = " -o " + shellQuote(dir_.file("x.mp4")) + " --size 160x128 ";
  std::string music = " --music " + shellQuote(dir_.file("m.mp3")) + " ";
  EXPECT_EQ(cli("make" + out + "--beat " + pictures_).exitCode, 2);
  auto run = cli("make" + out + music + "--fade-out 31 " + pictures_);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(says(run, "31"));

  run = cli("make" + out + music + "--auto-pause --beat --fade-in 0.5 --fade-out 1 --level --save " +
            shellQuote(dir_.file("p.dat")) + " " + pictures_);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NEAR(test::probeMedia(dir_.file("x.mp4")).duration, 6.0, 0.5);
  std::string saved = test::readBytes(dir_.file("p.dat"));
  for (const char* key : {"\"bgsound_beat_changes\":\t1", "\"bgsound_fade_in_ms\":\t500",
                          "\"bgsound_fade_out_ms\":\t1000", "\"bgsound_level\":\t1"})
    EXPECT_NE(saved.find(key), std::string::npos) << key;

  run = cli("make" + out + music + "--save " + shellQuote(dir_.file("plain.dat")) + " " + pictures_);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::string plain = test::readBytes(dir_.file("plain.dat"));
  for (const char* key : {"bgsound_beat", "bgsound_fade", "bgsound_level"})
    EXPECT_EQ(plain.find(key), std::string::npos) << key;
  run = cli("render " + shellQuote(dir_.file("plain.dat")) + " -o " + shellQuote(dir_.file("r.mp4")) +
            " --fade-out 1 --level");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(test::probeMedia(dir_.file("r.mp4")).stream("audio"));
}

// Raw frames by default: the encoder is asked for raw input and tags the video with the
// frames' colour range and matrix; --pipe mjpeg keeps the JPEG pipe's command line and
// frames. Both videos have the same size and frame count, and every sampled frame (the fade
// in, the captioned hold, the fade between the pictures, the last frame) shows the same.
TEST_F(MakeCommand, RawPipeByDefaultAndMjpegPipeAsBefore) {
  // An ffmpeg ahead on the path that notes its arguments, keeps the frame stream it is
  // sent through the named pipe and runs the real one on that copy.
  std::filesystem::create_directories(dir_.file("bin"));
  test::writeBytes(dir_.file("bin/ffmpeg"),
                   "#!/bin/bash\necho \"$@\" >> " + shellQuote(dir_.file("args")) +
                       "\nargs=(\"$@\")\nfor i in \"${!args[@]}\"; do\n"
                       "  if [ \"${args[$i]}\" = -i ] && [ -p \"${args[$((i + 1))]}\" ]; then\n"
                       "    cat \"${args[$((i + 1))]}\" > " + shellQuote(dir_.file("stream")) +
                       "; args[$((i + 1))]=" + shellQuote(dir_.file("stream")) + "\n  fi\ndone\n"
                       "PATH=${PATH#*:} exec ffmpeg \"${args[@]}\"\n");
  ASSERT_EQ(::chmod(dir_.file("bin/ffmpeg").c_str(), 0755), 0);
  auto make = [&](const std::string& arguments) {
    std::filesystem::remove(dir_.file("args"));
    return test::runCommand("PATH=" + shellQuote(dir_.file("bin")) + ":\"$PATH\" " +
                            shellQuote(PICTAVO_CLI_PATH) + " make " + arguments +
                            " --size 320x240 --pause 1 --effect 31 --caption 'Hello 你好' " + pictures_);
  };
  EXPECT_EQ(make("-o " + shellQuote(dir_.file("x.mp4")) + " --pipe rgb").exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(dir_.file("x.mp4")));
  auto raw = make("-o " + shellQuote(dir_.file("raw.mp4")));
  ASSERT_EQ(raw.exitCode, 0) << raw.output;
  EXPECT_TRUE(std::regex_match(test::readBytes(dir_.file("args")),
                               std::regex("-y -f rawvideo -pix_fmt yuv420p -s 320x240 -r 25 -i \\S+/v\\d+ "
                                          "-s 320x240 -t [0-9.]+ -pix_fmt yuv420p -color_range tv "
                                          "-colorspace bt470bg -v error \\S+/\\.pictavo-\\w+\\.mp4\n")))
      << test::readBytes(dir_.file("args"));
  size_t rawStream = test::readBytes(dir_.file("stream")).size();
  auto mjpeg = make("-o " + shellQuote(dir_.file("mjpeg.mp4")) + " --pipe mjpeg");
  ASSERT_EQ(mjpeg.exitCode, 0) << mjpeg.output;
  EXPECT_TRUE(std::regex_match(test::readBytes(dir_.file("args")),
                               std::regex("-y -f image2pipe -r 25 -vcodec mjpeg -i \\S+/v\\d+ -s 320x240 "
                                          "-t [0-9.]+ -pix_fmt yuv420p -v error \\S+/\\.pictavo-\\w+\\.mp4\n")))
      << test::readBytes(dir_.file("args"));

  test::MediaInfo expected = test::probeMedia(dir_.file("mjpeg.mp4"));
  test::MediaInfo got = test::probeMedia(dir_.file("raw.mp4"));
  ASSERT_TRUE(expected.stream("video") && got.stream("video"));
  EXPECT_EQ(got.stream("video")->at("width"), "320");
  EXPECT_EQ(got.stream("video")->at("height"), "240");
  EXPECT_EQ(got.stream("video")->at("color_range"), "tv");
  EXPECT_EQ(got.stream("video")->at("color_space"), "bt470bg");
  int frames = std::stoi(got.stream("video")->at("nb_frames"));
  EXPECT_EQ(expected.stream("video")->at("nb_frames"), std::to_string(frames));
  EXPECT_GT(frames, 50);
  // Every frame went through the pipe whole: raw frames of 1.5 bytes a pixel, and JPEGs of
  // quality 92 with half-resolution chroma, one per frame.
  EXPECT_EQ(rawStream, static_cast<size_t>(frames) * 320 * 240 * 3 / 2);
  std::string stream = test::readBytes(dir_.file("stream"));
  size_t jpegs = 0;
  for (size_t at = stream.find("\xFF\xD8\xFF"); at != std::string::npos; at = stream.find("\xFF\xD8\xFF", at + 3))
    ++jpegs;
  EXPECT_EQ(jpegs, static_cast<size_t>(frames));
  WandPtr first(NewMagickWand());
  ASSERT_TRUE(MagickReadImageBlob(first.get(), stream.data(), stream.size()));
  EXPECT_EQ(MagickGetImageCompressionQuality(first.get()), 92u);

  const double last = got.duration - 0.05;
  WandPtr end = test::frameAt(dir_.file("raw.mp4"), last);
  ASSERT_TRUE(end);
  EXPECT_TRUE(test::near(test::pixelAt(end.get(), 160, 120), {0, 255, 0}, 24));
  WandPtr held = test::frameAt(dir_.file("raw.mp4"), 0.8);
  ASSERT_TRUE(held);
  EXPECT_TRUE(test::near(test::pixelAt(held.get(), 160, 60), {255, 0, 0}, 24));
  for (double at : {0.1, 0.3, 0.8, got.duration / 2 + 0.1, last}) {
    WandPtr a = test::frameAt(dir_.file("mjpeg.mp4"), at), b = test::frameAt(dir_.file("raw.mp4"), at);
    ASSERT_TRUE(a && b) << at;
    for (long y = 10; y < 240; y += 20)
      for (long x = 10; x < 320; x += 20)
        ASSERT_TRUE(test::near(test::pixelAt(a.get(), x, y), test::pixelAt(b.get(), x, y), 24))
            << "at " << at << " s, pixel " << x << "," << y;
  }
}

// A caption far longer than a frame can show is cut to the caption's limit, the terminal says
// so, and the cut caption is drawn.
TEST_F(MakeCommand, ACaptionTooLongIsCutSaidAndDrawn) {
  auto make = [&](const std::string& name, const std::string& caption) {
    return cli("make -o " + shellQuote(dir_.file(name)) + " --size 320x240 --pause 1 --effect 99 " +
               caption + shellQuote(dir_.file("a.jpg")));
  };
  auto plain = make("plain.mp4", "");
  ASSERT_EQ(plain.exitCode, 0) << plain.output;
  auto captioned = make("long.mp4", "--caption " + std::string(30000, 'W') + " ");
  ASSERT_EQ(captioned.exitCode, 0) << captioned.output;
  EXPECT_TRUE(says(captioned, "文字太长，只使用前 195 个字节")) << captioned.output.substr(0, 300);
  WandPtr a = test::frameAt(dir_.file("plain.mp4"), 0.8), b = test::frameAt(dir_.file("long.mp4"), 0.8);
  ASSERT_TRUE(a && b);
  int differing = 0;
  for (long y = 4; y < 240; y += 8)
    for (long x = 4; x < 320; x += 8)
      differing += !test::near(test::pixelAt(a.get(), x, y), test::pixelAt(b.get(), x, y), 24);
  EXPECT_GT(differing, 20) << "the caption shows";
}

TEST_F(MakeCommand, CtrlCStopsTheRunAndTheEncoder) {
  std::string many;
  for (int i = 0; i < 30; ++i) many += " " + pictures_;
  std::string out = dir_.file("stopped.mp4");
  test::writeBytes(out, "an earlier video");
  // --foreground: one SIGINT to pictavo-cli alone, as Ctrl+C on a terminal gives (a second
  // interrupt ends the program at once).
  auto run = test::runCommand("timeout --foreground --preserve-status -s INT 2 " + shellQuote(PICTAVO_CLI_PATH) +
                              " make -o " + shellQuote(out) + " --size 320x240 --pause 8 --effect 99" + many);
  EXPECT_EQ(run.exitCode, 130) << run.output;
  EXPECT_TRUE(says(run, "已停止")) << run.output;
  // "[v]codec" matches the encoder's command line but not the shell that runs pgrep.
  auto left = test::runCommand("pgrep -f " + shellQuote("[v]codec mjpeg .*" + dir_.path() + "/"));
  EXPECT_NE(left.exitCode, 0) << "an encoder is still running: " << left.output;
  // The run wrote beside the video, never over it, and took what it wrote away again.
  EXPECT_EQ(test::readBytes(out), "an earlier video");
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
    EXPECT_EQ(entry.path().filename().string().rfind(".pictavo-", 0), std::string::npos);
}

TEST(DemoCommand, MakesTheShowWithMusicLogoAndCover) {
  test::TempDir dir;
  auto run = cli("demo -o " + shellQuote(dir.file("demo.mp4")));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  test::MediaInfo info = test::probeMedia(dir.file("demo.mp4"));
  ASSERT_TRUE(info.stream("video"));
  EXPECT_EQ(info.stream("video")->at("width"), "1280");
  EXPECT_EQ(info.stream("video")->at("height"), "720");
  EXPECT_TRUE(info.stream("audio"));
  EXPECT_TRUE(info.artwork());
  EXPECT_GT(info.duration, 5.0);
}

TEST(DemoCommand, TheTallVariantIsForPhones) {
  test::TempDir dir;
  auto run = cli("demo --tall -o " + shellQuote(dir.file("tall.mp4")));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  test::MediaInfo info = test::probeMedia(dir.file("tall.mp4"));
  ASSERT_TRUE(info.stream("video"));
  EXPECT_EQ(info.stream("video")->at("width"), "720");
  EXPECT_EQ(info.stream("video")->at("height"), "1280");
}

// --effect cycle gives the pictures the animated effects in index order, passing over the
// indices without one and starting again after the last.
TEST_F(MakeCommand, CycleTakesTheAnimatedEffectsInTurn) {
  std::string many;
  for (int i = 0; i < 99; ++i) many += " " + shellQuote(dir_.file("a.jpg"));
  auto run = cli("make -o " + shellQuote(dir_.file("c.mp4")) + " --size 128x128 --pause 1 --effect cycle --save " +
                 shellQuote(dir_.file("c.dat")) + many);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string saved = test::readBytes(dir_.file("c.dat"));
  std::vector<int> effects;
  const std::regex index("\"animationIndex\":\\s*(\\d+)");
  for (std::sregex_iterator it(saved.begin(), saved.end(), index), end; it != end; ++it)
    effects.push_back(std::stoi((*it)[1]));
  ASSERT_EQ(effects.size(), 99u);
  EXPECT_EQ(effects[0], 0);
  EXPECT_EQ(effects[92], 92);
  EXPECT_EQ(effects[93], 95) << "93 and 94 have no effect";
  EXPECT_EQ(effects[96], 98);
  EXPECT_EQ(effects[97], 0) << "after the last animated effect the cycle starts again";
}

}  // namespace
}  // namespace pictavo
