// The output sizes a project can choose: the empty entry (no size chosen), the presets and
// the custom sizes added in this run. Each entry has the text the size list shows and the
// "%dx%d" text the project file stores.
#pragma once

#include <string>
#include <vector>

namespace pictavo {

struct SizeEntry {
  std::string label;     // shown in the list, e.g. " 720p (1280 x  720)"; "" for entry 0
  std::string sizeText;  // "1280x720"; "" for entry 0
  int width = 0;
  int height = 0;
  bool operator==(const SizeEntry&) const = default;
};

class SizeList {
 public:
  SizeList();  // the empty entry and the 21 presets

  int count() const { return static_cast<int>(entries_.size()); }
  const SizeEntry& at(int index) const;  // entry 0 for an index out of range

  // Index of the entry whose size text is exactly `sizeText`, or -1.
  int findSizeText(const std::string& sizeText) const;

  // Index of the first entry whose label begins with `prefix` (ASCII case ignored), or -1.
  int findLabelPrefix(const std::string& prefix) const;

  // Adds a custom "%dx%d" size (label and size text alike) and returns its index; a size
  // already listed returns the existing index.
  int addCustom(int width, int height);

  // A size a project may choose beyond the presets: even sides, 128..3840 by 128..2160.
  static bool customSizeAllowed(int width, int height);

  // Parses "WxH" with both parts positive; false otherwise.
  static bool parseSizeText(const std::string& text, int* width, int* height);

  bool operator==(const SizeList&) const = default;

 private:
  std::vector<SizeEntry> entries_;
};

// Index of the entry for "1280x720" and friends in a fresh list.
inline constexpr int kSizeIndex1280x720 = 16;
inline constexpr int kSizeIndex1080x1920 = 19;

}  // namespace pictavo
