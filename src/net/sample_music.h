// The sample-music downloader: a background task that fetches the vendor's list of sample
// tracks ("url|size|name" lines, UTF-8) and downloads each track that the music folder lacks
// or holds with another size.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pictavo {

struct SampleTrack {
  std::string url;
  long long size = 0;
  std::string name;  // GBK file name
};

// The usable lines of the list (GBK text). A line is skipped when its size is not a positive
// number or its name is not a plain file name (no folders, no "." or "..").
std::vector<SampleTrack> parseSampleMusicList(std::string_view gbkText);

// One run; returns the number of tracks written. Nothing (at once) without a service address.
int downloadSampleMusic();

}  // namespace pictavo
