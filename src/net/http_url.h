// Addresses for the HTTP client: checking a request address, percent-encoding, the file extension
// of an address and the absolute form of a redirect target.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pictavo {

struct RequestTarget {
  std::string url;      // the address as it is requested ("//host/..." becomes "http://host/...")
  std::string host;     // without the port
  int port = 80;        // explicit port, else 443 for "https:", else 80
  bool secure = false;  // "https:" (any case): TLS with the certificate checked
};

// Accepts addresses beginning with "http" or "//" (any case) that name the http or https
// scheme and a host. Nothing when the address cannot be used: another beginning, an
// explicit port outside 1..65535, or a control character or space.
std::optional<RequestTarget> requestTarget(std::string_view url);

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
