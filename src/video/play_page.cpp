#include "video/play_page.h"

#include <filesystem>

#include "platform/files.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {

std::string htmlEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string fileUrl(const std::string& path) {
  auto fsName = toFsName(path);
  if (!fsName) return {};
  std::error_code error;
  std::string absolute = std::filesystem::absolute(*fsName, error).lexically_normal().string();
  if (error) return {};
  static const char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (unsigned char c : absolute) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
    if (plain) {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    }
  }
  return url;
}

std::string playPageText(const std::string& videoPath, const std::string& playerAddress) {
  std::string page =
      "<!DOCTYPE HTML><html><head><meta http-equiv='Content-Type' content='text/html; "
      "charset=gbk'><title>";
  page += htmlEscape(baseName(videoPath));
  page +=
      "</title><style>body{padding:0px;margin-top:32px;text-align:center;background-color:"
      "#000000;}</style></head><body>";
  page +=
      "<select name='bgc' style='float:right; margin-right:32px;' onchange=\"if(this."
      "selectedIndex == 0){document.body.style.backgroundColor='#000000';}else{document.body."
      "style.backgroundColor='#FFFFFF';}\"><option>" +
      localText("黑色背景") + "</option><option>" + localText("白色背景") + "</option></select>";
  page += "<video controls autoplay src='" + htmlEscape(fileUrl(videoPath)) + "'>";
  std::string player = "<a target='_blank' style='color:red' href='" + htmlEscape(playerAddress) +
                       "'>" + localText("射手影音") + "</a>";
  page += localFormat("<font color=red>当前浏览器不支持播放mp4视频，支持的浏览器有360极速浏览器、"
                      "搜狗浏览器、QQ浏览器等。<br><br>您也可以下载 %s 来播放视频。",
                      player.c_str());
  page += "</font></video></body></html>";
  return page;
}

bool writePlayPage(const std::string& pagePath, const std::string& videoPath,
                   const std::string& playerAddress) {
  return writeWholeFile(pagePath, playPageText(videoPath, playerAddress));
}

}  // namespace pictavo
