#include "net/item_id.h"

#include <cctype>

namespace pictavo {
namespace {

bool isNumber(std::string_view text) {
  size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  int digits = 0;
  int points = 0;
  for (; i < text.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(text[i])))
      ++digits;
    else if (text[i] == '.' && ++points <= 1)
      continue;
    else
      return false;
  }
  return digits > 0;
}

}  // namespace

bool extractItemId(std::string_view address, std::string* id) {
  for (std::string_view key : {"?id=", "&id=", "?item_num_id=", "&item_num_id="}) {
    size_t at = address.find(key);
    if (at == std::string_view::npos) continue;
    std::string_view value = address.substr(at + key.size());
    value = value.substr(0, value.find('&'));
    if (value.size() > kItemIdBytes || !isNumber(value)) return false;
    *id = std::string(value);
    return true;
  }
  return false;
}

std::string fillTemplate(std::string_view pattern, std::string_view value) {
  size_t at = pattern.find("%s");
  if (at == std::string_view::npos) return std::string(pattern);
  std::string filled(pattern.substr(0, at));
  filled += value;
  filled += pattern.substr(at + 2);
  return filled;
}

}  // namespace pictavo
