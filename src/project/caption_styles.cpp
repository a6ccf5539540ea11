#include "project/caption_styles.h"

#include "util/charset.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

const char* const kLocationLabels[kCaptionLocationCount] = {
    "贴边   - 左侧上方", "贴边   - 左侧下方", "贴边   - 右侧上方",
    "贴边   - 右侧下方", "中间下方",          "不贴边 - 左侧上方",
    "不贴边 - 左侧下方", "不贴边 - 右侧上方", "不贴边 - 右侧下方",
};

constexpr WindowsColour rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

const ColourScheme kSchemes[kColourSchemeCount] = {
    {"黑底白字", rgb(0x00, 0x00, 0x00), rgb(0xff, 0xff, 0xff)},
    {"黑底黄字", rgb(0x00, 0x00, 0x00), rgb(0xff, 0xff, 0x00)},
    {"黑底蓝字", rgb(0x00, 0x00, 0x00), rgb(0x00, 0x80, 0xff)},
    {"黑底绿字", rgb(0x00, 0x00, 0x00), rgb(0x00, 0xff, 0x00)},
    {"白底黑字", rgb(0xff, 0xff, 0xff), rgb(0x00, 0x00, 0x00)},
    {"白底蓝字", rgb(0xff, 0xff, 0xff), rgb(0x00, 0x00, 0xff)},
    {"白底绿字", rgb(0xff, 0xff, 0xff), rgb(0x00, 0x40, 0x00)},
    {"粉底白字", rgb(0xff, 0x61, 0x9d), rgb(0xff, 0xff, 0xff)},
    {"白色", rgb(0xff, 0xff, 0xff), rgb(0xff, 0xff, 0xff)},
    {"黑色", rgb(0x00, 0x00, 0x00), rgb(0x00, 0x00, 0x00)},
    {"粉色", rgb(0xff, 0x61, 0x9d), rgb(0xff, 0x61, 0x9d)},
    {"蓝色", rgb(0x00, 0x80, 0xff), rgb(0x00, 0x80, 0xff)},
    {"黄色", rgb(0xff, 0x80, 0x00), rgb(0xff, 0x80, 0x00)},
    {"绿色", rgb(0x00, 0x80, 0x00), rgb(0x00, 0x80, 0x00)},
};

const char* const kLogoLabels[kLogoLocationCount] = {"左侧上方", "左侧下方", "右侧上方", "右侧下方"};

}  // namespace

std::string captionLocationLabel(int location) {
  if (location < 0 || location >= kCaptionLocationCount) return std::string();
  return gbk(kLocationLabels[location]);
}

const ColourScheme& colourScheme(int index) {
  return kSchemes[index >= 0 && index < kColourSchemeCount ? index : 0];
}

std::string colourText(WindowsColour colour) {
  return strprintf("#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int captionPointSize(int index) {
  if (index < 0 || index >= kCaptionPointSizeCount) index = kDefaultCaptionPointSizeIndex;
  return kCaptionPointSizes[index];
}

std::string logoLocationLabel(int location) {
  if (location < 0 || location >= kLogoLocationCount) return std::string();
  return gbk(kLogoLabels[location]);
}

}  // namespace pictavo
