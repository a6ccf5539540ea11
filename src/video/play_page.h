// The page that plays a finished video in a browser, written when the system has no player
// for it. The file name and path are HTML-escaped and the source is a percent-encoded
// file:// address of the absolute path, so any file name plays and nothing in it is markup.
#pragma once

#include <string>

namespace pictavo {

// The page for the video at `videoPath` (internal text); `playerAddress` is where the
// recommended player can be downloaded. Internal text, one line.
std::string playPageText(const std::string& videoPath, const std::string& playerAddress);

// Writes the page to `pagePath`; false when it cannot be written.
bool writePlayPage(const std::string& pagePath, const std::string& videoPath,
                   const std::string& playerAddress);

// "file://" and the absolute file-system name, every byte but letters, digits, "-._~/"
// percent-encoded. Empty when the path cannot be carried.
std::string fileUrl(const std::string& path);

// Text with &, <, >, " and ' replaced by their entities.
std::string htmlEscape(const std::string& text);

}  // namespace pictavo
