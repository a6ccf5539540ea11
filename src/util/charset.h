// Character-set conversion. Text inside Pictavo is GB18030, the standard superset of GBK:
// every GBK text keeps exactly its bytes, and a character GBK lacks (Korean, most accented
// Latin letters, emoji) takes GB18030's four-byte form. Text is converted only at the
// boundaries (file names, the image library, JSON from the network, the terminal, Qt).
// Many parameters are still called gbk...: they hold this internal text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pictavo {

// The charset name of the internal text, for iconvStr.
inline constexpr const char* kTextCharset = "GB18030";

// Converts inLen bytes of `in` from charset `from` to charset `to`. Characters the target
// cannot represent are dropped. The output buffer is zero-filled up to outCap first, so the
// result is terminated whenever it is shorter than the buffer. *written receives the number
// of bytes produced (also on failure). Returns -1 on failure (unknown charset, invalid
// input, output too small), anything else on success.
int iconvStr(const char* from, const char* to, const char* in, size_t inLen, char* out,
             size_t outCap, size_t* written);

// The allocating wrappers. Each returns the converted text, or nothing when the conversion
// fails. Output capacities follow the program's conventions (2x, 2x, 4x the input length),
// which also hold every four-byte character.
std::optional<std::string> gb18030ToUtf8(std::string_view text);
std::optional<std::string> utf8ToGb18030(std::string_view utf8);
std::optional<std::string> gb18030ToUtf16(std::string_view text);  // UTF-16LE bytes

// Strict conversions: fail instead of dropping a character the target cannot hold. Used
// for file names, where a dropped character would name a different file. From valid UTF-8
// they cannot fail, since GB18030 holds every character.
std::optional<std::string> utf8ToGb18030Strict(std::string_view utf8);
std::optional<std::string> gb18030ToUtf8Strict(std::string_view text);

// The internal text of a UTF-8 literal of the source code (every literal is GBK text).
std::string gbk(std::string_view utf8Literal);

// The UTF-8 form of an internal text, for terminals, logs and captions: invalid bytes are
// dropped, and a text cut in the middle of a character keeps everything before it.
std::string utf8(std::string_view text);

// Bytes taken by the character that starts at text[at]: 4 for a complete four-byte
// sequence, 2 for any other lead byte (0x81 and up), else 1. Never reaches past the end.
size_t charWidthAt(std::string_view text, size_t at);

// At most the first `maxBytes` bytes of an internal text, never ending inside a character.
std::string gb18030Prefix(std::string_view text, size_t maxBytes);

}  // namespace pictavo
