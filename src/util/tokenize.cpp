#include "util/tokenize.h"

#include <cstring>
#include <string_view>

#include "util/charset.h"

namespace pictavo {
namespace {

// Width of the character at `at`, looking no further than the terminator.
size_t widthAt(const char* at) { return charWidthAt(std::string_view(at, strnlen(at, 4)), 0); }

// The first character start at or after `token` where `matches` holds; null at the end.
template <typename Match>
char* findAtCharacterStart(char* token, Match matches) {
  for (char* at = token; *at != '\0'; at += widthAt(at))
    if (matches(at)) return at;
  return nullptr;
}

char* cutAt(char** cursor, char* hit, size_t separatorLength) {
  char* token = *cursor;
  if (hit == nullptr) {
    *cursor = nullptr;
    return token;
  }
  *hit = '\0';
  *cursor = hit + separatorLength;
  return token;
}

}  // namespace

char* splitAtAny(char** cursor, const char* separators) {
  if (cursor == nullptr || *cursor == nullptr) return nullptr;
  char* hit = findAtCharacterStart(*cursor, [&](const char* at) {
    return std::strchr(separators, *at) != nullptr;
  });
  return cutAt(cursor, hit, 1);
}

char* splitAtString(char** cursor, const char* separator) {
  if (cursor == nullptr || *cursor == nullptr) return nullptr;
  size_t length = std::strlen(separator);
  char* hit = length == 0 ? nullptr : findAtCharacterStart(*cursor, [&](const char* at) {
    return std::strncmp(at, separator, length) == 0;
  });
  return cutAt(cursor, hit, length);
}

}  // namespace pictavo
