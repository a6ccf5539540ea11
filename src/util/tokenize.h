// In-place tokenisers for internal text (downloaded text is converted first): each call cuts
// the next token off the text at *cursor, terminates it and advances the cursor past the
// separator. Separators are looked for only where a character starts, so a byte inside a
// two- or four-byte character never splits it.
#pragma once

namespace pictavo {

// Returns the text up to the first character of `separators`, which is replaced by a
// terminator; the cursor moves past it. When the end comes first, returns the rest and
// sets the cursor to null. A null cursor yields null.
char* splitAtAny(char** cursor, const char* separators);

// The same with a whole separator string, skipped in full.
char* splitAtString(char** cursor, const char* separator);

}  // namespace pictavo
