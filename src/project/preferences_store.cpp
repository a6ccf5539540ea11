// The file is a JSON object: a number value is a JSON number, a string value a JSON string
// in UTF-8 (the program's GBK is converted at this boundary, so the file stays readable and
// editable). Value names compare without regard to letter case, like the registry's.
#include "project/preferences_store.h"

#include <cjson/cJSON.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/files.h"
#include "platform/folders.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

struct JsonDeleter {
  void operator()(cJSON* item) const { cJSON_Delete(item); }
};
using JsonPtr = std::unique_ptr<cJSON, JsonDeleter>;

constexpr const char* kFileName = "preferences.json";
// The store holds a handful of values; anything far bigger is not ours.
constexpr uint64_t kMaxStoreBytes = 1u << 20;

// The stored object, or null when the file is missing, too big or not a JSON object.
JsonPtr loadObject(const std::string& file) {
  std::optional<uint64_t> size = fileSize(file);
  if (!size || *size > kMaxStoreBytes) return nullptr;
  std::optional<std::string> text = readWholeFile(file);
  if (!text) return nullptr;
  JsonPtr root(cJSON_Parse(text->c_str()));
  return root && cJSON_IsObject(root.get()) ? std::move(root) : nullptr;
}

bool saveWithValue(const std::string& folder, const std::string& file, const std::string& name,
                   cJSON* value) {
  JsonPtr root = loadObject(file);
  if (!root) root.reset(cJSON_CreateObject());
  cJSON_DeleteItemFromObject(root.get(), name.c_str());
  cJSON_AddItemToObject(root.get(), name.c_str(), value);
  char* printed = cJSON_Print(root.get());
  if (!printed) return false;
  std::string text(printed);
  cJSON_free(printed);
  return makeFolders(folder) && replaceFileAtomically(file, text + "\n");
}

}  // namespace

PreferencesStore::PreferencesStore(std::string folder)
    : folder_(std::move(folder)), file_(joinPath(folder_, kFileName)) {}

PreferencesStore PreferencesStore::user() {
  return PreferencesStore(fromFsName(configFolder()).value_or(std::string()));
}

bool PreferencesStore::readString(const std::string& name, std::string* gbkValue) const {
  JsonPtr root = loadObject(file_);
  const cJSON* item = root ? cJSON_GetObjectItem(root.get(), name.c_str()) : nullptr;
  if (!cJSON_IsString(item)) return false;
  std::optional<std::string> value = utf8ToGb18030Strict(item->valuestring);
  if (!value || value->size() >= kPreferenceTextBytes) return false;
  *gbkValue = *value;
  return true;
}

// A 32-bit value: any whole number that fits in 32 bits, signed or not.
bool PreferencesStore::readNumber(const std::string& name, int32_t* value) const {
  JsonPtr root = loadObject(file_);
  const cJSON* item = root ? cJSON_GetObjectItem(root.get(), name.c_str()) : nullptr;
  if (!cJSON_IsNumber(item)) return false;
  double number = item->valuedouble;
  if (number != std::floor(number) || number < INT32_MIN || number > UINT32_MAX) return false;
  *value = static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(number)));
  return true;
}

bool PreferencesStore::writeString(const std::string& name, const std::string& gbkValue) {
  std::optional<std::string> text = gb18030ToUtf8Strict(gbkValue);
  return text && saveWithValue(folder_, file_, name, cJSON_CreateString(text->c_str()));
}

bool PreferencesStore::writeNumber(const std::string& name, int32_t value) {
  return saveWithValue(folder_, file_, name, cJSON_CreateNumber(value));
}

}  // namespace pictavo
