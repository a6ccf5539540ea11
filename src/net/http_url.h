// Addresses for the HTTP client: parsing, percent-encoding, the file extension of an
// address and the absolute form of a redirect target.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pictavo {

struct ParsedUrl {
  std::string host;  // without the port
  std::string path;  // from the first "/" after the host on (path and query); at least "/"
  int port = 80;     // explicit port, else 443 for "https:", else 80
};

// Accepts addresses beginning with "http" or "//" (any case). False when the address
// cannot be used: another beginning, an explicit port outside 1..65535, or a control
// character or space (which would break the request line).
bool parseUrl(std::string_view url, ParsedUrl* out);

// Percent-encoding for form values: a space becomes "+", every byte other than a letter,
// a digit, "-", "." or "_" becomes "%XX" (upper-case hex); the bytes of a two- or four-byte
// character are encoded one by one.
std::string urlEncode(std::string_view text);

// Decodes in place ("+" -> space, "%xx" -> byte) and returns the new length.
size_t urlDecode(char* buffer, size_t length);

// The extension of the address's last path segment (query and fragment ignored), at most
// maxLength bytes; "" when there is no "/" or ".".
std::string urlFileExtension(std::string_view url, size_t maxLength);

// A redirect target made absolute against the request address: "http:" and "https:"
// targets stay as they are, "/..." joins the scheme and host, anything else joins the
// request's folder.
std::string absoluteLocation(std::string_view requestUrl, std::string_view location);

// True when `text` begins with `prefix`, ignoring ASCII letter case.
bool startsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace pictavo
