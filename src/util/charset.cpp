#include "util/charset.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <vector>

namespace pictavo {
namespace {

// Runs one conversion with an explicit target name (which may carry //IGNORE).
int convert(const char* from, const std::string& target, const char* in, size_t inLen,
            char* out, size_t outCap, size_t* written, bool ignoring) {
  iconv_t cd = iconv_open(target.c_str(), from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    if (written) *written = 0;
    return -1;
  }
  if (outCap > 0) std::memset(out, 0, outCap);
  char* inPtr = const_cast<char*>(in);
  size_t inLeft = inLen;
  char* outPtr = out;
  size_t outLeft = outCap;
  size_t rc = iconv(cd, inLen ? &inPtr : nullptr, &inLeft, &outPtr, &outLeft);
  int result = rc == static_cast<size_t>(-1) ? -1 : static_cast<int>(rc);
  // glibc reports EILSEQ at the end of a //IGNORE conversion that dropped characters,
  // even though every input byte was consumed; that is the drop the caller asked for.
  if (result == -1 && ignoring && errno == EILSEQ && inLeft == 0) result = 0;
  if (result != -1) {
    // Flush any shift state of the converter.
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) result = -1;
  }
  if (written) *written = outCap - outLeft;
  iconv_close(cd);
  return result;
}

std::optional<std::string> convertAlloc(const char* from, const char* to, std::string_view in,
                                        size_t capacity, bool strict) {
  std::vector<char> buffer(capacity + 1);
  size_t written = 0;
  int rc = strict ? convert(from, to, in.data(), in.size(), buffer.data(), capacity, &written, false)
                  : iconvStr(from, to, in.data(), in.size(), buffer.data(), capacity, &written);
  if (rc == -1) return std::nullopt;
  return std::string(buffer.data(), written);
}

}  // namespace

int iconvStr(const char* from, const char* to, const char* in, size_t inLen, char* out,
             size_t outCap, size_t* written) {
  std::string target = std::string(to) + "//IGNORE";
  return convert(from, target, in, inLen, out, outCap, written, true);
}

std::optional<std::string> gbkToUtf8(std::string_view gbk) {
  return convertAlloc("GBK", "UTF-8", gbk, 2 * gbk.size() + 1, false);
}

std::optional<std::string> utf8ToGbk(std::string_view utf8) {
  return convertAlloc("UTF-8", "GBK", utf8, 2 * utf8.size() + 1, false);
}

std::optional<std::string> gbkToUtf16(std::string_view gbk) {
  return convertAlloc("GBK", "UCS-2LE", gbk, 4 * gbk.size() + 1, false);
}

std::optional<std::string> utf8ToGbkStrict(std::string_view utf8) {
  return convertAlloc("UTF-8", "GBK", utf8, 2 * utf8.size() + 1, true);
}

std::optional<std::string> gbkToUtf8Strict(std::string_view gbk) {
  // A GBK character takes at most two bytes and becomes at most three UTF-8 bytes.
  return convertAlloc("GBK", "UTF-8", gbk, 2 * gbk.size() + 1, true);
}

std::string gbk(std::string_view utf8Literal) {
  return utf8ToGbk(utf8Literal).value_or(std::string());
}

std::string utf8(std::string_view gbkText) {
  return gbkToUtf8(gbkText).value_or(std::string());
}

std::string gbkPrefix(std::string_view gbkText, size_t maxBytes) {
  size_t end = 0;
  while (end < gbkText.size()) {
    size_t width = static_cast<unsigned char>(gbkText[end]) >= 0x81 ? 2 : 1;
    if (end + width > maxBytes) break;
    end += width;
  }
  return std::string(gbkText.substr(0, std::min(end, gbkText.size())));
}

}  // namespace pictavo
