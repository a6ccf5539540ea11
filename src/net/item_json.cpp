#include "net/item_json.h"

#include <cJSON.h>

#include <memory>

#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

using JsonPtr = std::unique_ptr<cJSON, decltype(&cJSON_Delete)>;

// The JSON is parsed as the UTF-8 it arrives in and only the texts taken from it are
// converted: a GBK trail byte can be a backslash, which would break the parse.
std::string gbkOf(const char* utf8Text) { return utf8ToGb18030(utf8Text).value_or(std::string()); }

std::string cutUtf8(std::string text, size_t bytes) {
  if (text.size() <= bytes) return text;
  size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

const cJSON* path(const cJSON* node, std::initializer_list<const char*> keys) {
  for (const char* key : keys) node = node ? cJSON_GetObjectItemCaseSensitive(node, key) : nullptr;
  return node;
}

void add(std::vector<std::string>* out, const cJSON* text) {
  if (!cJSON_IsString(text) || !text->valuestring) return;
  std::string address = gbkOf(text->valuestring);
  if (endsWithNoCase(address, "_.webp")) address.resize(address.size() - 6);
  if (!address.empty()) out->push_back(address);
}

bool isColourProperty(const cJSON* id) {
  if (cJSON_IsString(id) && id->valuestring)
    return std::string(id->valuestring) == kColourPropertyId;
  return cJSON_IsNumber(id) && id->valuedouble == 1627207.0;
}

void addStrings(std::vector<std::string>* out, const cJSON* array) {
  const cJSON* item;
  if (cJSON_IsArray(array)) cJSON_ArrayForEach(item, array) add(out, item);
}

// In `props`, the first element whose `idKey` is the colour property: every `urlKey` of its
// "values".
void addColourPictures(std::vector<std::string>* out, const cJSON* props, const char* idKey,
                       const char* urlKey) {
  if (!cJSON_IsArray(props)) return;
  const cJSON* prop;
  cJSON_ArrayForEach(prop, props) {
    if (!isColourProperty(cJSON_GetObjectItemCaseSensitive(prop, idKey))) continue;
    const cJSON* values = cJSON_GetObjectItemCaseSensitive(prop, "values");
    const cJSON* value;
    if (cJSON_IsArray(values))
      cJSON_ArrayForEach(value, values) add(out, cJSON_GetObjectItemCaseSensitive(value, urlKey));
    return;
  }
}

void readRet(const cJSON* root, ItemJson* item) {
  const cJSON* ret = cJSON_GetObjectItemCaseSensitive(root, "ret");
  const cJSON* element;
  if (!cJSON_IsArray(ret)) return;
  cJSON_ArrayForEach(element, ret) {
    if (!cJSON_IsString(element) || !element->valuestring) continue;
    std::string text = element->valuestring;
    item->retText = gbkOf(cutUtf8(text, 1023).c_str());
    if (text.find("SUCCESS") != std::string::npos || text.find("调用成功") != std::string::npos) {
      item->success = true;
      return;
    }
  }
}

}  // namespace

ItemJson readItemJson(std::string_view utf8Body, ItemLayout layout, int pictureType) {
  ItemJson item;
  JsonPtr root(cJSON_ParseWithLength(utf8Body.data(), utf8Body.size()), &cJSON_Delete);
  if (!root) return item;
  item.parsed = true;
  readRet(root.get(), &item);
  if (!item.success) return item;
  const cJSON* data = cJSON_GetObjectItemCaseSensitive(root.get(), "data");
  bool api = layout == ItemLayout::ItemApi;
  if (pictureType == 0 || pictureType == 2)
    addStrings(&item.addresses,
               api ? path(data, {"itemInfoModel", "picsPath"}) : path(data, {"item", "images"}));
  if (pictureType == 1 || pictureType == 2) {
    if (api)
      addColourPictures(&item.addresses, path(data, {"skuModel", "skuProps"}), "propId", "imgUrl");
    else
      addColourPictures(&item.addresses, path(data, {"skuBase", "props"}), "pid", "image");
  }
  return item;
}

std::optional<UserMessage> itemJsonNotice(const ItemJson& item, std::string_view utf8Body) {
  auto warning = [](const std::string& text) { return noticeMessage(text); };
  if (!item.parsed) return warning(localText("无法解析宝贝的JSON数据，请检查宝贝地址输入是否正确。"));
  if (item.success)
    return item.addresses.empty() ? std::optional(warning(localText("宝贝图片列表为空"))) : std::nullopt;
  const std::string& ret = item.retText;
  for (const char* gone : {"宝贝不存在", "已被删除", "没有找到宝贝"}) {
    if (ret.find(gbk(gone)) != std::string::npos) return warning(localText("宝贝不存在或已被删除！"));
  }
  if (ret.empty()) return warning(utf8ToGb18030(utf8Body).value_or(std::string()));
  return warning(ret);
}

}  // namespace pictavo
