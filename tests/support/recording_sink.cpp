#include "support/recording_sink.h"

#include "support/test_files.h"

namespace pictavo::test {

bool RecordingSink::take(const unsigned char* bytes, size_t length, bool repeat) {
  int number = attempts_++;
  if (failFrom_ >= 0 && number >= failFrom_) return false;
  if (!bytes || length == 0) return false;
  entries_.push_back({keepBytes_ ? std::string(reinterpret_cast<const char*>(bytes), length) : std::string(),
                      repeat});
  return true;
}

WandPtr RecordingSink::decoded(int index) const {
  const std::string& bytes = entries_.at(index).bytes;
  return decode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

}  // namespace pictavo::test
