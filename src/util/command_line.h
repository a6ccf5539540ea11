// Splitting a command-line text into its arguments by the Windows quoting rules, so that the
// encoder and cover-tool command lines, written as one text, run as an argument vector
// without any shell in between.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pictavo {

// The arguments of `text` as CommandLineToArgvW reads the arguments after the program name:
// blanks and tabs separate arguments outside double quotes; 2n backslashes before a quote
// give n backslashes and the quote opens or closes quoting; 2n+1 give n backslashes and a
// literal quote; other backslashes are literal; inside quotes "" gives a literal quote and
// ends the quoting.
std::vector<std::string> splitCommandLine(std::string_view text);

// True when `argumentText` (a piece of a command line) splits into exactly `expected`:
// the check that a path put between quotes arrives whole.
bool splitsInto(std::string_view argumentText, const std::vector<std::string>& expected);

}  // namespace pictavo
