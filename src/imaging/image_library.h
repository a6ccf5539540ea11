// Start and stop of the image library. The program runs ImageMagick under its own policy
// (resource limits that refuse decompression bombs, a coder allow-list), found through
// MAGICK_CONFIGURE_PATH before the library starts; its temporary files go to the program's
// own temporary folder.
#pragma once

#include <cstdint>
#include <string>

namespace pictavo {

// Starts the library once per process. Safe to call again. False with a message when the
// library fails the self-test of validateImageLibrary.
bool startImageLibrary(std::string* error);

// Decodes four small embedded pictures (PNG, JPEG, GIF, BMP) and encodes a 16 x 16 ICO;
// true when all of that works.
bool validateImageLibrary(std::string* error);

// Largest picture accepted, in pixels per side and in total. A file that declares more is
// refused before its pixels are decoded.
inline constexpr long kMaxPictureSide = 16384;
inline constexpr long long kMaxPicturePixels = 120LL * 1000 * 1000;
// Largest picture file read at all: the policy's disk limit, beyond which the library
// could not hold the decoded picture anyway.
inline constexpr uint64_t kMaxPictureFileBytes = 4ULL << 30;

}  // namespace pictavo
