#include "net/body_targets.h"

#include <cstdio>

namespace pictavo {

BodySink* MemoryTarget::begin() {
  body_ = std::string();
  lengthKnown_ = false;
  return this;
}

void MemoryTarget::expect(long long length) {
  lengthKnown_ = length >= 0;
  if (lengthKnown_) body_.reserve(static_cast<size_t>(length));
}

bool MemoryTarget::write(const char* data, size_t length) {
  // A body of unknown length gets room for the limit at once: pages are only used as the
  // body fills them, and it never moves (a growing copy would hold it twice).
  if (!lengthKnown_ && body_.capacity() < static_cast<size_t>(limit_))
    body_.reserve(static_cast<size_t>(limit_));
  body_.append(data, length);
  return true;
}

std::string MemoryTarget::takeBody() {
  if (body_.capacity() > 4 * body_.size() + 65536) body_.shrink_to_fit();
  return std::move(body_);
}

FileTarget::~FileTarget() {
  if (file_) abandon();
}

BodySink* FileTarget::begin() {
  file_ = openFile(path_, "wb");
  return file_ ? this : nullptr;
}

bool FileTarget::write(const char* data, size_t length) {
  return std::fwrite(data, 1, length, file_.get()) == length;
}

bool FileTarget::finish() {
  std::FILE* f = file_.release();
  if (std::fclose(f) == 0) return true;
  removeFile(path_);
  return false;
}

void FileTarget::abandon() {
  if (!file_) return;
  file_.reset();
  removeFile(path_);
}

}  // namespace pictavo
