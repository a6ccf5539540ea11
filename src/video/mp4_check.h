// Whether a file is a whole MP4: big enough, its top-level boxes follow one another to the
// exact end of the file, and the movie index ("moov") is among them. A copy cut short by a
// full disk or a file the tool filled with something else fails the walk.
#pragma once

#include <cstdint>
#include <string>

namespace pictavo {

// Why the file at the GBK path is not a complete MP4 of at least `minimumBytes` bytes, as
// text for the user (GBK); empty when it is one.
std::string mp4Problem(const std::string& gbkPath, uint64_t minimumBytes);

}  // namespace pictavo
