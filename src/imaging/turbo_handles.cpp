#include "imaging/turbo_handles.h"

#include <memory>

namespace pictavo {
namespace {

struct TurboDeleter {
  void operator()(void* handle) const {
    if (handle) tjDestroy(handle);
  }
};

}  // namespace

tjhandle threadCompressor() {
  thread_local std::unique_ptr<void, TurboDeleter> handle(tjInitCompress());
  return handle.get();
}

tjhandle threadDecompressor() {
  thread_local std::unique_ptr<void, TurboDeleter> handle(tjInitDecompress());
  return handle.get();
}

}  // namespace pictavo
