#include "imaging/caption_fonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

#include "util/charset.h"

namespace pictavo {
namespace {

struct FontRow {
  const char* name;                  // UTF-8 literal
  std::vector<const char*> files;    // first one found wins
  bool fallback = false;             // a font of Linux, tried when a caption's own font fails
};

const std::vector<FontRow>& fontRows() {
  static const std::vector<FontRow> rows = {
      {"黑体", {"SIMHEI.TTF"}},
      {"楷体", {"SIMKAI.TTF"}},
      {"宋体", {"simsun.ttc"}},
      {"微软雅黑", {"msyh.ttf", "msyh.ttc"}},
      {"幼圆", {"simyou.ttf", "youyuan.ttf"}},
      {"阿里普惠体", {"alibaba-puhuiti-regular.ttf"}},
      {"文泉驿微米黑", {"wqy-microhei.ttc"}, true},
      {"文泉驿正黑", {"wqy-zenhei.ttc"}, true},
      {"思源黑体", {"NotoSansCJK-Regular.ttc"}, true},
  };
  return rows;
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Lower-case file name -> first path found, over the folders and their subfolders.
std::map<std::string, std::string> indexFontFiles(const std::vector<std::string>& folders) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> files;
  for (const std::string& folder : folders) {
    std::error_code ec;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
      if (it->is_regular_file(ec)) files.emplace(lower(it->path().filename().string()), it->path().string());
    }
  }
  return files;
}

std::vector<std::string> fontconfigFolders() {
  std::vector<std::string> folders;
  FcConfig* config = FcInitLoadConfig();
  if (!config) return folders;
  FcStrList* dirs = FcConfigGetFontDirs(config);
  while (FcChar8* dir = FcStrListNext(dirs)) folders.emplace_back(reinterpret_cast<const char*>(dir));
  FcStrListDone(dirs);
  FcConfigDestroy(config);
  return folders;
}

// The first, by file name, of the scalable fonts fontconfig knows that cover simplified
// Chinese; empty when there is none.
std::string anyChineseFontFile() {
  std::vector<std::string> files;
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (!config) return std::string();
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(":lang=zh-cn:scalable=true"));
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
  FcFontSet* set = pattern && objects ? FcFontList(config, pattern, objects) : nullptr;
  for (int i = 0; set && i < set->nfont; ++i) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
      files.emplace_back(reinterpret_cast<const char*>(file));
  }
  if (set) FcFontSetDestroy(set);
  if (objects) FcObjectSetDestroy(objects);
  if (pattern) FcPatternDestroy(pattern);
  FcConfigDestroy(config);
  return files.empty() ? std::string() : *std::min_element(files.begin(), files.end());
}

std::string searchFallbackFontFile() {
  for (const FontRow& row : fontRows()) {
    if (!row.fallback) continue;
    if (const CaptionFont* font = findCaptionFont(gbk(row.name))) return font->file;
  }
  return anyChineseFontFile();
}

}  // namespace

std::vector<CaptionFont> searchCaptionFonts(const std::vector<std::string>& folders) {
  std::map<std::string, std::string> files = indexFontFiles(folders);
  std::vector<CaptionFont> fonts;
  for (const FontRow& row : fontRows()) {
    for (const char* file : row.files) {
      auto hit = files.find(lower(file));
      if (hit == files.end()) continue;
      fonts.push_back({gbk(row.name), hit->second});
      break;
    }
  }
  return fonts;
}

const std::vector<CaptionFont>& captionFonts() {
  static const std::vector<CaptionFont> fonts = searchCaptionFonts(fontconfigFolders());
  return fonts;
}

const CaptionFont* findCaptionFont(const std::string& gbkName) {
  for (const CaptionFont& font : captionFonts())
    if (font.name == gbkName) return &font;
  return nullptr;
}

std::string captionFontFile(const std::vector<CaptionFont>& table, const std::string& gbkName) {
  for (const CaptionFont& font : table)
    if (font.name == gbkName) return font.file;
  return table.empty() ? std::string() : table.front().file;
}

std::string captionFontFile(const std::string& gbkName) {
  return captionFontFile(captionFonts(), gbkName);
}

const std::string& fallbackCaptionFontFile() {
  static const std::string file = searchFallbackFontFile();
  return file;
}

}  // namespace pictavo
