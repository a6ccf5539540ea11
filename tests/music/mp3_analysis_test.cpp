#include <gtest/gtest.h>

#include <optional>

#include "music/mp3_analysis.h"
#include "music/mp3_frame_header.h"
#include "support/make_audio.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

// Raw MPEG audio: no ID3v2 tag and no Xing/Info frame, so every byte belongs to a frame.
const char* kBareLayer3 = "-c:a libmp3lame -id3v2_version 0 -write_xing 0";

constexpr double kMpeg1Layer3FrameMs = 1152.0 / 44100 * 1000;  // 26.12 ms

std::string makeMp3(const test::TempDir& dir, const std::string& name, double seconds,
                    const std::string& options) {
  std::string path = dir.file(name);
  std::string failure = test::makeSineAudio(path, seconds, options);
  EXPECT_EQ(failure, "") << options;
  return path;
}

uint32_t headerAt(const std::string& bytes, size_t p) {
  auto b = [&](size_t i) { return uint32_t{static_cast<uint8_t>(bytes[p + i])}; };
  return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
}

// Walks the file frame by frame, requiring each frame to start exactly where the previous
// one ends and the last one to end at the end of the file.
std::vector<Mp3FrameHeader> frameChain(const std::string& bytes) {
  std::vector<Mp3FrameHeader> frames;
  size_t p = 0;
  while (p + 4 <= bytes.size()) {
    auto frame = parseMp3FrameHeader(headerAt(bytes, p));
    if (!frame) {
      ADD_FAILURE() << "no frame header at byte " << p;
      return frames;
    }
    frames.push_back(*frame);
    p += frame->frameBytes;
  }
  EXPECT_EQ(p, bytes.size()) << "the last frame does not end at the end of the file";
  return frames;
}

// MPEG 1 layer III at 44100 Hz (128 kbit/s: 417 or 418 bytes, 1152 samples) and MPEG 2
// layer III at 22050 Hz (64 kbit/s: 208 or 209 bytes, 576 samples), mono and stereo: the
// frames chain up to the end of the file and the analysis sums exactly their durations.
TEST(Mp3Analysis, LayerThreeFramesChainThroughTheFile) {
  struct Case {
    const char* options;
    MpegVersion version;
    int rate, frameBytes, samples;
  };
  const Case cases[] = {{"-ar 44100 -b:a 128k", MpegVersion::kMpeg1, 44100, 417, 1152},
                        {"-ar 22050 -b:a 64k", MpegVersion::kMpeg2, 22050, 208, 576}};
  test::TempDir dir;
  for (const Case& c : cases) {
    for (int channels : {1, 2}) {
      SCOPED_TRACE(testing::Message() << c.options << ", channels " << channels);
      std::string path = makeMp3(dir, "sine.mp3", 3,
                                 std::string(c.options) + " -ac " + std::to_string(channels) +
                                     " " + kBareLayer3);
      auto frames = frameChain(test::readBytes(path));
      ASSERT_GT(frames.size(), 100u);
      for (const Mp3FrameHeader& f : frames) {
        EXPECT_EQ(f.version, c.version);
        EXPECT_EQ(f.layer, 3);
        EXPECT_EQ(f.sampleRate, c.rate);
        EXPECT_EQ(f.channels, channels);
        EXPECT_EQ(f.frameBytes, c.frameBytes + f.padding);
        EXPECT_EQ(f.samples, c.samples);
        EXPECT_NEAR(f.durationMs(), 26.12, 0.01);
      }
      int rate = 0;
      EXPECT_NEAR(analyseMp3(test::g(path.c_str()), &rate),
                  frames.size() * c.samples * 1000.0 / c.rate, 0.01);
      EXPECT_EQ(rate, c.rate);
    }
  }
}

// Files as ffmpeg writes them by default (ID3v2 tag, Info frame) in every version and in
// layers II and III: the sample rate is the file's and the duration agrees with ffprobe's
// within one frame.
TEST(Mp3Analysis, AgreesWithFfprobeAcrossVersionsLayersAndChannels) {
  struct Case {
    const char* options;
    int rate;
    double frameMs;
  };
  const Case cases[] = {
      {"-ar 44100 -ac 2 -b:a 128k -c:a libmp3lame", 44100, 1152.0 / 44100 * 1000},
      {"-ar 48000 -ac 1 -b:a 96k -c:a libmp3lame", 48000, 1152.0 / 48000 * 1000},
      {"-ar 32000 -ac 2 -b:a 320k -c:a libmp3lame", 32000, 1152.0 / 32000 * 1000},
      {"-ar 24000 -ac 1 -b:a 32k -c:a libmp3lame", 24000, 576.0 / 24000 * 1000},
      {"-ar 16000 -ac 2 -c:a libmp3lame", 16000, 576.0 / 16000 * 1000},
      {"-ar 11025 -ac 1 -c:a libmp3lame", 11025, 576.0 / 11025 * 1000},
      {"-ar 8000 -ac 2 -c:a libmp3lame", 8000, 576.0 / 8000 * 1000},
      {"-ar 44100 -ac 2 -b:a 192k -c:a mp2 -f mp2", 44100, 1152.0 / 44100 * 1000},
      {"-ar 24000 -ac 1 -b:a 64k -c:a mp2 -f mp2", 24000, 1152.0 / 24000 * 1000},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    std::string path = makeMp3(dir, "sine.mp3", 4.5, c.options);
    double probed = test::ffprobeSeconds(path);
    ASSERT_GT(probed, 4.0);
    int rate = 0;
    float ms = analyseMp3(test::g(path.c_str()), &rate);
    EXPECT_EQ(rate, c.rate);
    EXPECT_NEAR(ms, probed * 1000, c.frameMs + 0.5);
  }
}

// A 61-minute file: the frame durations must not be summed in single precision, which
// would lose seven seconds by the end.
TEST(Mp3Analysis, HourLongFileKeepsMillisecondPrecision) {
  test::TempDir dir;
  std::string sample = test::readBytes(
      makeMp3(dir, "short.mp3", 1, "-ar 44100 -ac 1 -b:a 32k " + std::string(kBareLayer3)));
  auto first = parseMp3FrameHeader(headerAt(sample, 0));
  ASSERT_TRUE(first);
  ASSERT_EQ(first->padding, 0);
  const int frames = 140000;
  std::string frame = sample.substr(0, first->frameBytes);
  std::string bytes;
  bytes.reserve(frame.size() * frames + 128);
  for (int i = 0; i < frames; ++i) bytes += frame;
  bytes.append(128, '\0');
  test::writeBytes(dir.file("long.mp3"), bytes);
  int rate = 0;
  EXPECT_NEAR(analyseMp3(test::g(dir.file("long.mp3").c_str()), &rate),
              frames * kMpeg1Layer3FrameMs, 1.0);
}

// An ID3v2 tag of (syncsafe) size 1000 whose last four bytes look like a frame header of
// 72 ms; with the footer flag the footer also starts with one. Skipping the tag exactly
// leaves the duration of the audio behind it; starting a byte early or late does not.
std::string id3v2Tag(bool footer, uint8_t majorVersion = 4, uint8_t lastSizeByte = 0x68) {
  const std::string fakeHeader = "\xFF\xE3\x18\xC0";  // MPEG 2.5 layer III, 8000 Hz, 8 kbit/s
  std::string tag = "ID3";
  tag += static_cast<char>(majorVersion);
  tag += '\0';
  tag += static_cast<char>(footer ? 0x10 : 0x00);
  tag += std::string("\x00\x00\x07", 3) + static_cast<char>(lastSizeByte);  // 7 * 128 + 104
  tag += std::string(996, '\0') + fakeHeader;
  if (footer) tag += fakeHeader + "3DI" + std::string(3, '\0');
  return tag;
}

TEST(Mp3Analysis, SkipsAnId3v2TagWithAndWithoutFooter) {
  test::TempDir dir;
  std::string audio =
      test::readBytes(makeMp3(dir, "bare.mp3", 2, "-ar 44100 -ac 2 -b:a 128k " +
                                                     std::string(kBareLayer3)));
  int bareRate = 0;
  float bare = analyseMp3Bytes(audio, &bareRate);
  ASSERT_GT(bare, 1900);

  for (bool footer : {false, true}) {
    SCOPED_TRACE(footer);
    std::string tag = id3v2Tag(footer);
    EXPECT_EQ(id3v2TagEnd(tag), footer ? 1020u : 1010u);
    test::writeBytes(dir.file("tagged.mp3"), tag + audio);
    int rate = 0;
    EXPECT_EQ(analyseMp3(test::g(dir.file("tagged.mp3").c_str()), &rate), bare);
    EXPECT_EQ(rate, 44100);
  }

  // Not a tag: a version byte of 0xFF, or a size byte with its top bit set. The scan then
  // starts at byte 0 and counts the fake header.
  for (std::string notTag : {id3v2Tag(false, 0xFF), id3v2Tag(false, 4, 0xE8)}) {
    EXPECT_EQ(id3v2TagEnd(notTag), 0u);
    EXPECT_GT(analyseMp3Bytes(notTag + audio, nullptr), bare + 20);
  }
}

TEST(Mp3Analysis, UnusableFilesGiveZeroAndLeaveTheSampleRate) {
  test::TempDir dir;
  std::string audio =
      test::readBytes(makeMp3(dir, "bare.mp3", 1, "-ar 44100 " + std::string(kBareLayer3)));
  std::string hugeTag = std::string("ID3\x04\x00\x00\x7F\x7F\x7F\x7F", 10) + audio;
  test::writeBytes(dir.file("huge-tag.mp3"), hugeTag);
  test::writeBytes(dir.file("text.mp3"), std::string(5000, 'a'));
  test::writeBytes(dir.file("empty.mp3"), "");
  // A valid header, but in the last 128 bytes where only an ID3v1 tag may be.
  test::writeBytes(dir.file("tail.mp3"), std::string(300, '\0') + audio.substr(0, 127));
  test::writeSolidPicture(dir.file("picture.mp3"), 64, 64, "#336699", "PNG");

  for (const char* name :
       {"huge-tag.mp3", "text.mp3", "empty.mp3", "tail.mp3", "picture.mp3", "missing.mp3", ""}) {
    SCOPED_TRACE(name);
    int rate = -7;
    EXPECT_EQ(analyseMp3(test::g(dir.file(name).c_str()), &rate), 0.0f);  // "" is the folder
    EXPECT_EQ(rate, -7);
  }
  // Exactly 128 bytes before the end is still a frame start.
  int tailRate = 0;
  EXPECT_NEAR(analyseMp3Bytes(std::string(300, '\0') + audio.substr(0, 128), &tailRate),
              kMpeg1Layer3FrameMs, 0.01);
  EXPECT_EQ(tailRate, 44100);
  // A path that is not valid GBK cannot name a file.
  int rate = -7;
  EXPECT_EQ(analyseMp3(dir.file("\x81"), &rate), 0.0f);
  EXPECT_EQ(rate, -7);
}

TEST(Mp3Analysis, ReadsAFileWithAChineseName) {
  test::TempDir dir;
  std::string path = makeMp3(dir, "背景音乐.mp3", 2, "-ar 22050 -ac 1 -c:a libmp3lame");
  int rate = 0;
  EXPECT_NEAR(analyseMp3(test::g(path.c_str()), &rate), test::ffprobeSeconds(path) * 1000, 27);
  EXPECT_EQ(rate, 22050);
}

// Hand-made headers of the layers ffmpeg cannot write, and the edges of the tables.
uint32_t header(int versionBits, int layerBits, int bitRateIndex, int rateIndex, int padding,
                int mode) {
  return 0xFFE00000u | versionBits << 19 | layerBits << 17 | 1u << 16 | bitRateIndex << 12 |
         rateIndex << 10 | padding << 9 | mode << 6;
}

TEST(Mp3FrameHeader, FrameLengthsAndSamplesOfEveryVersionAndLayer) {
  struct Case {
    uint32_t h;
    int rate, kbps, bytes, samples, channels;
  };
  const Case cases[] = {
      {header(3, 3, 14, 1, 0, 0), 48000, 448, 448, 384, 2},   // MPEG 1 layer I
      {header(3, 3, 1, 0, 1, 3), 44100, 32, 36, 384, 1},      // (8 + 1) slots of 4 bytes
      {header(3, 2, 14, 2, 0, 1), 32000, 384, 1728, 1152, 2}, // MPEG 1 layer II
      {header(3, 1, 9, 0, 1, 2), 44100, 128, 418, 1152, 2},   // MPEG 1 layer III
      {header(3, 1, 14, 1, 0, 3), 48000, 320, 960, 1152, 1},
      {header(2, 3, 14, 1, 0, 0), 24000, 256, 512, 384, 2},   // MPEG 2 layer I
      {header(2, 2, 1, 2, 0, 0), 16000, 8, 72, 1152, 2},      // MPEG 2 layer II
      {header(2, 1, 14, 0, 0, 0), 22050, 160, 522, 576, 2},   // MPEG 2 layer III
      {header(0, 1, 8, 2, 0, 3), 8000, 64, 576, 576, 1},      // MPEG 2.5 layer III
      {header(0, 1, 1, 0, 1, 0), 11025, 8, 53, 576, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.h);
    auto f = parseMp3FrameHeader(c.h);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->sampleRate, c.rate);
    EXPECT_EQ(f->bitRateKbps, c.kbps);
    EXPECT_EQ(f->frameBytes, c.bytes);
    EXPECT_EQ(f->samples, c.samples);
    EXPECT_EQ(f->channels, c.channels);
  }
  EXPECT_FALSE(parseMp3FrameHeader(header(3, 0, 9, 0, 0, 0)));   // reserved layer
  EXPECT_FALSE(parseMp3FrameHeader(header(3, 1, 0, 0, 0, 0)));   // free format
  EXPECT_FALSE(parseMp3FrameHeader(header(3, 1, 15, 0, 0, 0)));  // bad bit rate
  EXPECT_FALSE(parseMp3FrameHeader(header(3, 1, 9, 3, 0, 0)));   // bad sample rate
  EXPECT_FALSE(parseMp3FrameHeader(header(3, 1, 9, 0, 0, 0) & ~(1u << 21)));  // no sync
}

}  // namespace
}  // namespace pictavo
