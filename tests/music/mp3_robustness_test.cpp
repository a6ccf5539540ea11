// The analyser on hostile bytes: random data rich in frame-sync bytes, truncated and
// corrupted real files, and tags that claim more than there is. Every buffer is allocated
// at its exact size, so the sanitizer build catches any read past the end.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "music/mp3_analysis.h"
#include "support/make_audio.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

const int kValidRates[] = {44100, 48000, 32000, 22050, 24000, 16000, 11025, 12000, 8000};

// Runs the analyser on an exactly sized heap copy and checks what any input must give: a
// finite, non-negative duration of at most about 1.1 ms per byte (no frame is shorter per
// millisecond), and a sample rate that is untouched or one MPEG audio allows.
float analyseChecked(const std::string& data) {
  std::unique_ptr<char[]> exact(new char[data.size() ? data.size() : 1]);
  std::copy(data.begin(), data.end(), exact.get());
  int rate = -1;
  float ms = analyseMp3Bytes(std::string_view(exact.get(), data.size()), &rate);
  EXPECT_TRUE(std::isfinite(ms));
  EXPECT_GE(ms, 0.0f);
  EXPECT_LE(ms, data.size() * 1.1 + 100);
  if (ms == 0) {
    EXPECT_EQ(rate, -1);
  } else {
    EXPECT_NE(std::find(std::begin(kValidRates), std::end(kValidRates), rate),
              std::end(kValidRates))
        << rate;
  }
  return ms;
}

std::string randomBytes(std::mt19937& random, size_t length) {
  std::string bytes(length, '\0');
  std::uniform_int_distribution<int> byte(0, 255), pick(0, 3);
  for (char& c : bytes) c = static_cast<char>(pick(random) == 0 ? 0xFF : byte(random));
  return bytes;
}

TEST(Mp3Robustness, RandomBytesAndHostileTags) {
  std::mt19937 random(20240607);
  std::uniform_int_distribution<size_t> length(0, 3000);
  for (int i = 0; i < 3000; ++i) {
    std::string bytes = randomBytes(random, length(random));
    analyseChecked(bytes);
    // The same bytes behind an ID3v2 header of random size, with and without footer.
    std::string tag = std::string("ID3\x04\x00", 5) + static_cast<char>(i % 2 ? 0x10 : 0);
    for (int k = 0; k < 4; ++k) tag += static_cast<char>(random() % 0x80);
    analyseChecked(tag + bytes);
    analyseChecked(tag.substr(0, random() % 11));
  }
  analyseChecked(std::string(4096, '\xFF'));
}

// Cutting a real file anywhere never yields more than the whole, and a longer piece never
// yields less than a shorter one: the scan of a prefix follows the scan of the whole.
TEST(Mp3Robustness, TruncatedAndCorruptedRealFiles) {
  test::TempDir dir;
  ASSERT_EQ(test::makeSineAudio(dir.file("a.mp3"), 1.5, "-ar 22050 -ac 2 -c:a libmp3lame"), "");
  std::string audio = test::readBytes(dir.file("a.mp3"));
  float whole = analyseChecked(audio);
  ASSERT_GT(whole, 1400);

  float previous = 0;
  for (size_t cut = 0; cut <= audio.size(); cut += 7) {
    float ms = analyseChecked(audio.substr(0, cut));
    EXPECT_GE(ms, previous) << cut;
    EXPECT_LE(ms, whole) << cut;
    previous = ms;
  }

  std::mt19937 random(77);
  for (int i = 0; i < 300; ++i) {
    std::string damaged = audio;
    for (int k = 0; k < 20; ++k) damaged[random() % damaged.size()] = static_cast<char>(random());
    size_t start = random() % damaged.size();
    analyseChecked(damaged.substr(start, random() % (damaged.size() - start + 1)));
  }
}

}  // namespace
}  // namespace pictavo
