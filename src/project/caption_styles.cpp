#include "project/caption_styles.h"

#include "util/charset.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

const char* const kLocationLabels[kCaptionLocationCount] = {
    translatable("贴边   - 左侧上方"), translatable("贴边   - 左侧下方"),
    translatable("贴边   - 右侧上方"), translatable("贴边   - 右侧下方"),
    translatable("中间下方"),          translatable("不贴边 - 左侧上方"),
    translatable("不贴边 - 左侧下方"), translatable("不贴边 - 右侧上方"),
    translatable("不贴边 - 右侧下方"),
};

constexpr WindowsColour rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

const ColourScheme kSchemes[kColourSchemeCount] = {
    {translatable("黑底白字"), rgb(0x00, 0x00, 0x00), rgb(0xff, 0xff, 0xff)},
    {translatable("黑底黄字"), rgb(0x00, 0x00, 0x00), rgb(0xff, 0xff, 0x00)},
    {translatable("黑底蓝字"), rgb(0x00, 0x00, 0x00), rgb(0x00, 0x80, 0xff)},
    {translatable("黑底绿字"), rgb(0x00, 0x00, 0x00), rgb(0x00, 0xff, 0x00)},
    {translatable("白底黑字"), rgb(0xff, 0xff, 0xff), rgb(0x00, 0x00, 0x00)},
    {translatable("白底蓝字"), rgb(0xff, 0xff, 0xff), rgb(0x00, 0x00, 0xff)},
    {translatable("白底绿字"), rgb(0xff, 0xff, 0xff), rgb(0x00, 0x40, 0x00)},
    {translatable("粉底白字"), rgb(0xff, 0x61, 0x9d), rgb(0xff, 0xff, 0xff)},
    {translatable("白色"), rgb(0xff, 0xff, 0xff), rgb(0xff, 0xff, 0xff)},
    {translatable("黑色"), rgb(0x00, 0x00, 0x00), rgb(0x00, 0x00, 0x00)},
    {translatable("粉色"), rgb(0xff, 0x61, 0x9d), rgb(0xff, 0x61, 0x9d)},
    {translatable("蓝色"), rgb(0x00, 0x80, 0xff), rgb(0x00, 0x80, 0xff)},
    {translatable("黄色"), rgb(0xff, 0x80, 0x00), rgb(0xff, 0x80, 0x00)},
    {translatable("绿色"), rgb(0x00, 0x80, 0x00), rgb(0x00, 0x80, 0x00)},
};

const char* const kLogoLabels[kLogoLocationCount] = {translatable("左侧上方"), translatable("左侧下方"),
                                                       translatable("右侧上方"), translatable("右侧下方")};

}  // namespace

std::string captionLocationLabel(int location) {
  if (location < 0 || location >= kCaptionLocationCount) return std::string();
  return localText(kLocationLabels[location]);
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
  return localText(kLogoLabels[location]);
}

}  // namespace pictavo
