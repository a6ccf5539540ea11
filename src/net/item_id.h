// The item id in a marketplace product address.
#pragma once

#include <string>
#include <string_view>

namespace pictavo {

inline constexpr size_t kItemIdBytes = 63;

// Looks for "?id=", "&id=", "?item_num_id=", "&item_num_id=" in that order of preference
// and takes the value after the first one found, up to the next "&". The id is accepted
// only when it is a number: an optional "-", digits and at most one ".", at most 63 bytes.
bool extractItemId(std::string_view address, std::string* id);

// `pattern` with its first "%s" replaced by `value` (other "%" signs stay as they are).
std::string fillTemplate(std::string_view pattern, std::string_view value);

}  // namespace pictavo
