// The caption font table: display name -> font file, for the fonts found in the folders
// fontconfig knows. The classic Chinese Windows fonts are looked for first, then CJK fonts
// common on Linux, so captions work on a stock machine.
#pragma once

#include <string>
#include <vector>

namespace pictavo {

struct CaptionFont {
  std::string name;  // display name (GBK), at most 15 bytes
  std::string file;  // font file, file-system name
};

// Searches the font folders once per process; the order is the table's.
const std::vector<CaptionFont>& captionFonts();

// The font of that display name, or null.
const CaptionFont* findCaptionFont(const std::string& gbkName);

// The font file for a caption's font name: that font when the table has it, else the
// table's first font; empty when the table is empty (then no caption can be drawn).
std::string captionFontFile(const std::vector<CaptionFont>& table, const std::string& gbkName);
std::string captionFontFile(const std::string& gbkName);  // over captionFonts()

// The font file a caption falls back to when its own font cannot be used: the table's Linux
// fonts first (文泉驿微米黑, 文泉驿正黑, 思源黑体), then any scalable font fontconfig knows
// that covers simplified Chinese. Found once per process; empty when there is none.
const std::string& fallbackCaptionFontFile();

// Builds a table from explicit folders (tests, and the cached search above).
std::vector<CaptionFont> searchCaptionFonts(const std::vector<std::string>& folders);

}  // namespace pictavo
