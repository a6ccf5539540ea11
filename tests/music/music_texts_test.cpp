#include <gtest/gtest.h>

#include "music/music_length.h"
#include "music/music_texts.h"
#include "support/test_files.h"
#include "util/time_text.h"

namespace pictavo {
namespace {

using test::g;

TEST(TimeText, SwitchesFormatAtAMinuteAndAnHour) {
  EXPECT_EQ(timeText(0), "00:00:00");
  EXPECT_EQ(timeText(59.99), "00:00:59");
  EXPECT_EQ(timeText(60), "00:01:00");
  EXPECT_EQ(timeText(3599.9f), "00:59:59");
  EXPECT_EQ(timeText(3600), "01:00:00");
  EXPECT_EQ(timeText(3725), "01:02:05");
  EXPECT_EQ(timeText(100 * 3600 + 1), "100:00:01");
  // Nonsense lengths never make a negative or undefined text.
  EXPECT_EQ(timeText(-3), "00:00:00");
  EXPECT_EQ(timeText(std::nan("")), "00:00:00");
  EXPECT_EQ(timeText(1e300), "596523:14:07");
}

TEST(MusicTexts, TotalLengthListLineAndAudioLength) {
  EXPECT_EQ(totalMusicLength({}), 0.0f);
  EXPECT_EQ(audioLengthText({}), g("音频长度: 00:00:00"));

  std::vector<MusicTrack> tracks = {
      {g("/音乐/第一首.mp3"), 59999.0f, 44100},
      {"/music/b.mp3", 1.5f, 22050},
      {"c.mp3", 3540000.0f, 48000},
  };
  EXPECT_FLOAT_EQ(totalMusicLength(tracks), 3600.0005f);
  EXPECT_EQ(audioLengthText(tracks), g("音频长度: 01:00:00"));
  tracks.pop_back();
  EXPECT_EQ(audioLengthText(tracks), g("音频长度: 00:01:00"));

  std::string line = musicListLine(tracks[0]);
  EXPECT_EQ(line, g("第一首.mp3") + std::string(108 - 10, ' ') + " 44100Hz     00:00:59");
  EXPECT_EQ(musicListLine(tracks[1]), "b.mp3" + std::string(103, ' ') + " 22050Hz     00:00:00");
  // A name longer than the column is kept whole.
  std::string longName(120, 'x');
  EXPECT_EQ(musicListLine({"/m/" + longName, 3600000.0f, 8000}),
            longName + " 8000Hz     01:00:00");
}

}  // namespace
}  // namespace pictavo
