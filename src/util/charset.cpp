#include "util/charset.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <vector>

namespace pictavo {
namespace {

// The euro sign: the single byte 0x80 in the GBK of earlier versions (code page 936), two
// bytes in GB18030, which has no 0x80. The internal text keeps the old byte, so texts and
// files of earlier versions stay byte for byte the same.
constexpr std::string_view kOldEuro = "\x80";
constexpr std::string_view kGb18030Euro = "\xA2\xE3";

bool isFourByteSecond(unsigned char c) { return c >= 0x30 && c <= 0x39; }

// Replaces every `from` character of an internal text (at a character start) with `to`.
std::string replaceCharacter(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  result.reserve(text.size() + text.size() / 2);
  for (size_t at = 0; at < text.size();) {
    size_t width = charWidthAt(text, at);
    std::string_view piece = text.substr(at, width);
    result += piece == from ? to : piece;
    at += width;
  }
  return result;
}

std::string toGb18030Euro(std::string_view text) {
  return text.find(kOldEuro[0]) == std::string_view::npos
             ? std::string(text)
             : replaceCharacter(text, kOldEuro, kGb18030Euro);
}

std::string toOldEuro(std::string text) {
  return text.find(kGb18030Euro) == std::string::npos
             ? text
             : replaceCharacter(text, kGb18030Euro, kOldEuro);
}

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

// From the internal text; the capacity factor applies to the text as given.
std::optional<std::string> fromText(const char* to, std::string_view text, size_t factor,
                                    bool strict) {
  std::string input = toGb18030Euro(text);
  return convertAlloc(kTextCharset, to, input, factor * text.size() + 1, strict);
}

// To the internal text. A two-byte UTF-8 character may take four bytes, so twice the input
// length always suffices.
std::optional<std::string> toText(std::string_view utf8, bool strict) {
  auto text = convertAlloc("UTF-8", kTextCharset, utf8, 2 * utf8.size() + 1, strict);
  if (text) *text = toOldEuro(std::move(*text));
  return text;
}

}  // namespace

int iconvStr(const char* from, const char* to, const char* in, size_t inLen, char* out,
             size_t outCap, size_t* written) {
  std::string target = std::string(to) + "//IGNORE";
  return convert(from, target, in, inLen, out, outCap, written, true);
}

std::optional<std::string> gb18030ToUtf8(std::string_view text) {
  return fromText("UTF-8", text, 2, false);
}

std::optional<std::string> utf8ToGb18030(std::string_view utf8) { return toText(utf8, false); }

std::optional<std::string> gb18030ToUtf16(std::string_view text) {
  return fromText("UTF-16LE", text, 4, false);
}

std::optional<std::string> utf8ToGb18030Strict(std::string_view utf8) { return toText(utf8, true); }

std::optional<std::string> gb18030ToUtf8Strict(std::string_view text) {
  // A two-byte character becomes at most three UTF-8 bytes, a four-byte one at most four.
  return fromText("UTF-8", text, 2, true);
}

std::string gbk(std::string_view utf8Literal) {
  return utf8ToGb18030(utf8Literal).value_or(std::string());
}

std::string utf8(std::string_view text) {
  std::string input = toGb18030Euro(text);
  std::vector<char> buffer(4 * input.size() + 1);
  size_t written = 0;
  iconvStr(kTextCharset, "UTF-8", input.data(), input.size(), buffer.data(), buffer.size(), &written);
  return std::string(buffer.data(), written);
}

size_t charWidthAt(std::string_view text, size_t at) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  if (at >= text.size() || byte(at) < 0x81) return 1;
  if (at + 3 < text.size() && isFourByteSecond(byte(at + 1)) && byte(at + 2) >= 0x81 &&
      byte(at + 2) <= 0xFE && isFourByteSecond(byte(at + 3)))
    return 4;
  return std::min<size_t>(2, text.size() - at);
}

std::string gb18030Prefix(std::string_view text, size_t maxBytes) {
  size_t end = 0;
  while (end < text.size()) {
    size_t width = charWidthAt(text, end);
    if (end + width > maxBytes) break;
    end += width;
  }
  return std::string(text.substr(0, std::min(end, text.size())));
}

}  // namespace pictavo
