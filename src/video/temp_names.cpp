#include "video/temp_names.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <thread>

#include "util/paths.h"
#include "util/text_format.h"

namespace pictavo {

int randomTempNumber(int lo, int hi) {
  thread_local std::minstd_rand engine(static_cast<unsigned>(
      std::hash<std::thread::id>()(std::this_thread::get_id()) ^
      static_cast<size_t>(std::chrono::steady_clock::now().time_since_epoch().count())));
  return std::uniform_int_distribution<int>(lo, hi)(engine);
}

std::string freeTempName(const std::string& folder, const std::string& pattern, int lo, int hi) {
  for (int attempt = 0; attempt < 10000; ++attempt) {
    std::string name = strprintf(pattern.c_str(), randomTempNumber(lo, hi));
    auto fsName = toFsName(joinPath(folder, name));
    if (!fsName) return "";
    std::error_code ec;
    if (std::filesystem::symlink_status(*fsName, ec).type() == std::filesystem::file_type::not_found)
      return name;
  }
  return "";
}

}  // namespace pictavo
