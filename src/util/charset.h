// Character-set conversion. Text inside Pictavo is GBK; it is converted only at the
// boundaries (file names, the image library, JSON from the network, the terminal, Qt).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pictavo {

// Converts inLen bytes of `in` from charset `from` to charset `to`. Characters the target
// cannot represent are dropped. The output buffer is zero-filled up to outCap first, so the
// result is terminated whenever it is shorter than the buffer. *written receives the number
// of bytes produced (also on failure). Returns -1 on failure (unknown charset, invalid
// input, output too small), anything else on success.
int iconvStr(const char* from, const char* to, const char* in, size_t inLen, char* out,
             size_t outCap, size_t* written);

// The allocating wrappers. Each returns the converted text, or nothing when the conversion
// fails. Output capacities follow the program's conventions (2x, 2x, 4x the input length).
std::optional<std::string> gbkToUtf8(std::string_view gbk);
std::optional<std::string> utf8ToGbk(std::string_view utf8);
std::optional<std::string> gbkToUtf16(std::string_view gbk);  // UCS-2LE bytes

// Strict conversions: fail instead of dropping a character the target cannot hold.
// Used for file names, where a dropped character would name a different file.
std::optional<std::string> utf8ToGbkStrict(std::string_view utf8);
std::optional<std::string> gbkToUtf8Strict(std::string_view gbk);

// A GBK text from a UTF-8 literal of the source code. Every literal the program uses is
// representable in GBK, so this never fails for them; anything else is dropped.
std::string gbk(std::string_view utf8Literal);

// The UTF-8 form of a GBK text, for terminals and logs; invalid bytes are dropped.
std::string utf8(std::string_view gbkText);

// At most the first `maxBytes` bytes of a GBK text, never ending inside a two-byte character.
std::string gbkPrefix(std::string_view gbkText, size_t maxBytes);

}  // namespace pictavo
