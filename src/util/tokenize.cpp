#include "util/tokenize.h"

#include <cstring>

namespace pictavo {

char* splitAtAny(char** cursor, const char* separators) {
  if (cursor == nullptr || *cursor == nullptr) return nullptr;
  char* token = *cursor;
  char* hit = std::strpbrk(token, separators);
  if (hit == nullptr) {
    *cursor = nullptr;
    return token;
  }
  *hit = '\0';
  *cursor = hit + 1;
  return token;
}

char* splitAtString(char** cursor, const char* separator) {
  if (cursor == nullptr || *cursor == nullptr) return nullptr;
  char* token = *cursor;
  char* hit = *separator ? std::strstr(token, separator) : nullptr;
  if (hit == nullptr) {
    *cursor = nullptr;
    return token;
  }
  *hit = '\0';
  *cursor = hit + std::strlen(separator);
  return token;
}

}  // namespace pictavo
