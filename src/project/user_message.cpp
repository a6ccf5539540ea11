#include "project/user_message.h"

#include "util/charset.h"
#include "util/translate.h"

namespace pictavo {

UserMessage noticeMessage(const std::string& gbkText) { return {localText("提示"), gbkText}; }

UserMessage errorMessage(const std::string& gbkText) { return {localText("错误"), gbkText}; }

}  // namespace pictavo
