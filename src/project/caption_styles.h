// The caption choices a project offers: locations, colour schemes and point sizes.
#pragma once

#include <cstdint>
#include <string>

namespace pictavo {

inline constexpr int kCaptionLocationCount = 9;
inline constexpr int kDefaultCaptionLocation = 4;  // "中间下方"

// Label of a caption location 0..8 (GBK); empty for any other index.
std::string captionLocationLabel(int location);

// A Windows colour value: 0x00BBGGRR, red in the low byte.
using WindowsColour = uint32_t;

struct ColourScheme {
  const char* label;  // UTF-8 literal; shown through gbk()
  WindowsColour band;
  WindowsColour text;
};

inline constexpr int kColourSchemeCount = 14;
inline constexpr int kDefaultColourScheme = 8;  // "白色"

// The scheme at `index`, or scheme 0 for an index outside 0..13.
const ColourScheme& colourScheme(int index);

// "#rrggbb" of a Windows colour value.
std::string colourText(WindowsColour colour);

// The caption point sizes of the size list: "12" ... "64".
inline constexpr int kCaptionPointSizes[] = {12, 14, 16, 18, 20, 24, 28, 32, 36, 42, 48, 56, 64};
inline constexpr int kCaptionPointSizeCount = 13;
inline constexpr int kDefaultCaptionPointSizeIndex = 8;  // "36"

// The point size of list entry `index`; the default entry's size for an index out of range.
int captionPointSize(int index);

// Logo positions 0..3: top left, bottom left, top right, bottom right.
inline constexpr int kLogoLocationCount = 4;
inline constexpr int kDefaultLogoLocation = 2;
std::string logoLocationLabel(int location);

}  // namespace pictavo
