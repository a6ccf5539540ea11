#include "project/size_list.h"

#include <cctype>
#include <cstdio>

#include "util/text_format.h"

namespace pictavo {

SizeList::SizeList() {
  static const SizeEntry kPresets[] = {
      {"", "", 400, 400},
      {"      ( 400 x  400)", "400x400", 400, 400},
      {" 16:9 ( 480 x  270)", "480x270", 480, 270},
      {"  4:3 ( 480 x  360)", "480x360", 480, 360},
      {" 16:9 ( 640 x  360)", "640x360", 640, 360},
      {"  4:3 ( 640 x  480)", "640x480", 640, 480},
      {"      ( 640 x  640)", "640x640", 640, 640},
      {"  4:3 ( 720 x  540)", "720x540", 720, 540},
      {"      ( 720 x  720)", "720x720", 720, 720},
      {"  3:4 ( 720 x  960)", "720x960", 720, 960},
      {"  3:4 ( 750 x 1000)", "750x1000", 750, 1000},
      {" 16:9 ( 800 x  450)", "800x450", 800, 450},
      {"  4:3 ( 800 x  600)", "800x600", 800, 600},
      {"      ( 800 x  800)", "800x800", 800, 800},
      {" 16:9 (1024 x  576)", "1024x576", 1024, 576},
      {"  4:3 (1024 x  768)", "1024x768", 1024, 768},
      {" 720p (1280 x  720)", "1280x720", 1280, 720},
      {"1080p (1920 x 1080)", "1920x1080", 1920, 1080},
      // Shows for phones and social media, after the older entries so that every index and
      // every label prefix a settings file keeps still names the same size.
      {" 9:16 ( 720 x 1280)", "720x1280", 720, 1280},
      {" 9:16 (1080 x 1920)", "1080x1920", 1080, 1920},
      {"  1:1 (1080 x 1080)", "1080x1080", 1080, 1080},
      {"  4:5 (1080 x 1350)", "1080x1350", 1080, 1350},
  };
  entries_.assign(std::begin(kPresets), std::end(kPresets));
}

const SizeEntry& SizeList::at(int index) const {
  return entries_[index >= 0 && index < count() ? index : 0];
}

int SizeList::findSizeText(const std::string& sizeText) const {
  for (int i = 0; i < count(); ++i)
    if (entries_[i].sizeText == sizeText) return i;
  return -1;
}

int SizeList::findLabelPrefix(const std::string& prefix) const {
  for (int i = 0; i < count(); ++i) {
    const std::string& label = entries_[i].label;
    if (label.size() < prefix.size()) continue;
    bool same = true;
    for (size_t k = 0; k < prefix.size() && same; ++k)
      same = std::tolower(static_cast<unsigned char>(label[k])) ==
             std::tolower(static_cast<unsigned char>(prefix[k]));
    if (same) return i;
  }
  return -1;
}

int SizeList::addCustom(int width, int height) {
  std::string text = strprintf("%dx%d", width, height);
  if (int existing = findSizeText(text); existing >= 0) return existing;
  entries_.push_back({text, text, width, height});
  return count() - 1;
}

bool SizeList::customSizeAllowed(int width, int height) {
  return width % 2 == 0 && height % 2 == 0 && width >= 128 && width <= 3840 && height >= 128 &&
         height <= 2160;
}

bool SizeList::parseSizeText(const std::string& text, int* width, int* height) {
  int w = 0, h = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &tail) != 2 || w <= 0 || h <= 0) return false;
  *width = w;
  *height = h;
  return true;
}

}  // namespace pictavo
