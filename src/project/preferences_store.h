// The preferences store: named string and 32-bit number values kept in one small file in
// the user's configuration folder. Every call reads (and a write rewrites) the whole file,
// so nothing is cached between calls and a failed write leaves the file as it was.
#pragma once

#include <cstdint>
#include <string>

namespace pictavo {

// Strings are read into buffers of this many bytes, terminator included: a longer stored
// text does not fit and reads as missing.
inline constexpr size_t kPreferenceTextBytes = 260;

class PreferencesStore {
 public:
  // The store in `folder` (GBK); the folder and file are created on the first write.
  explicit PreferencesStore(std::string folder);

  // The store in the configuration folder ($XDG_CONFIG_HOME/pictavo, ~/.config/pictavo).
  static PreferencesStore user();

  // True when the value exists with that type (and a text fits the buffer).
  bool readString(const std::string& name, std::string* gbkValue) const;
  bool readNumber(const std::string& name, int32_t* value) const;

  // Creates the store when needed; false when it cannot be written.
  bool writeString(const std::string& name, const std::string& gbkValue);
  bool writeNumber(const std::string& name, int32_t value);

  // The store's file (GBK).
  const std::string& file() const { return file_; }

 private:
  std::string folder_;
  std::string file_;
};

}  // namespace pictavo
