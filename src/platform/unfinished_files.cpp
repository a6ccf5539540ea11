#include "platform/unfinished_files.h"

#include <unistd.h>

#include <atomic>
#include <cstring>

namespace pictavo {
namespace {

constexpr int kSlots = 8;
constexpr size_t kNameBytes = 4096;

struct Slot {
  std::atomic<bool> taken{false};  // owned by an UnfinishedFile
  std::atomic<bool> named{false};  // `name` is complete and may be read by a handler
  char name[kNameBytes];
};

Slot gSlots[kSlots];

}  // namespace

UnfinishedFile::UnfinishedFile(const std::string& fsName) {
  if (fsName.empty() || fsName.size() >= kNameBytes) return;
  for (int i = 0; i < kSlots; ++i) {
    bool free = false;
    if (!gSlots[i].taken.compare_exchange_strong(free, true)) continue;
    std::memcpy(gSlots[i].name, fsName.c_str(), fsName.size() + 1);
    gSlots[i].named.store(true, std::memory_order_release);
    slot_ = i;
    return;
  }
}

UnfinishedFile::~UnfinishedFile() {
  if (slot_ < 0) return;
  gSlots[slot_].named.store(false, std::memory_order_release);
  gSlots[slot_].taken.store(false, std::memory_order_release);
}

void removeUnfinishedFiles() {
  for (Slot& slot : gSlots)
    if (slot.named.load(std::memory_order_acquire)) ::unlink(slot.name);
}

}  // namespace pictavo
