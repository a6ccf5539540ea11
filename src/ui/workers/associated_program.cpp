#include "ui/workers/associated_program.h"

#include "platform/child_process.h"
#include "platform/watched_child.h"
#include "util/paths.h"

namespace pictavo {

AssociatedProgram::AssociatedProgram(QObject* parent) : QObject(parent) {}

AssociatedProgram::~AssociatedProgram() = default;

void AssociatedProgram::open(const std::string& path) {
  std::optional<std::string> program = findOnPath("xdg-open");
  std::optional<std::string> fsPath = toFsName(path);
  if (!program || !fsPath) {
    // Queued like every other end, so callers see one order of events.
    QMetaObject::invokeMethod(this, [this] { emit ended(kNoAssociatedProgram); }, Qt::QueuedConnection);
    return;
  }
  SpawnRequest request{*program, {absoluteFsName(*fsPath)}, {}, false};
  auto slot = std::make_shared<WatchedChild*>(nullptr);
  auto onEnd = [this, slot](int status, const std::string&) {
    QMetaObject::invokeMethod(this, [this, slot, status] { forget(*slot, status); },
                              Qt::QueuedConnection);
  };
  std::string error;
  std::unique_ptr<WatchedChild> child = WatchedChild::start(request, onEnd, &error);
  if (!child) {
    QMetaObject::invokeMethod(this, [this] { emit ended(kNoAssociatedProgram); }, Qt::QueuedConnection);
    return;
  }
  *slot = child.get();
  running_.push_back(std::move(child));
}

void AssociatedProgram::forget(WatchedChild* child, int status) {
  std::erase_if(running_, [child](const std::unique_ptr<WatchedChild>& c) { return c.get() == child; });
  emit ended(status);
}

}  // namespace pictavo
