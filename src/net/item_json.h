// Reading the item data a marketplace returns: the "ret" messages and the picture
// addresses of the two layouts (item data interface and item page).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/product_import.h"

namespace pictavo {

enum class ItemLayout { ItemApi, ItemPage };

inline constexpr const char* kColourPropertyId = "1627207";

struct ItemJson {
  bool parsed = false;                 // the body is JSON
  bool success = false;                // a "ret" element says the call succeeded
  std::string retText;                 // the last "ret" element looked at (GBK, at most 1023 bytes)
  std::vector<std::string> addresses;  // main pictures first, then colour pictures
};

// pictureType 0: main pictures, 1: colour-category pictures, 2: both. Addresses ending in
// "_.webp" lose that suffix.
ItemJson readItemJson(std::string_view utf8Body, ItemLayout layout, int pictureType);

// The message for an answer that gives no pictures to download; nothing when it gives some.
std::optional<UserMessage> itemJsonNotice(const ItemJson& item, std::string_view utf8Body);

}  // namespace pictavo
