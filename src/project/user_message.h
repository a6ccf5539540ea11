// A message for the user as the user interface shows it: a box with a caption and a text.
// The core returns these instead of showing anything itself.
#pragma once

#include <string>

namespace pictavo {

struct UserMessage {
  std::string caption;  // GBK: "提示", "错误", ...
  std::string text;     // GBK
};

// The two captions the project files use.
UserMessage noticeMessage(const std::string& gbkText);  // caption "提示"
UserMessage errorMessage(const std::string& gbkText);   // caption "错误"

}  // namespace pictavo
