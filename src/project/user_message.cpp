#include "project/user_message.h"

#include "util/charset.h"

namespace pictavo {

UserMessage noticeMessage(const std::string& gbkText) { return {gbk("提示"), gbkText}; }

UserMessage errorMessage(const std::string& gbkText) { return {gbk("错误"), gbkText}; }

}  // namespace pictavo
