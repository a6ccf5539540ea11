// The vendor service's addresses, below its configured base address, and the program
// version it is told.
#pragma once

namespace pictavo {

inline constexpr double kProgramVersion = 8.2;

inline constexpr const char* kProductImagesPath = "/getProductImg/API.asp";
inline constexpr const char* kErrorReportPath = "/reportError.asp";
inline constexpr const char* kRemoteSettingsPath = "/settings.txt";
inline constexpr const char* kSampleMusicListPath = "/mp3/list.txt";
inline constexpr const char* kCrashReportPagePath = "/app_crash.asp";
inline constexpr const char* kUnpackHelpPagePath = "/unzip.html";

}  // namespace pictavo
