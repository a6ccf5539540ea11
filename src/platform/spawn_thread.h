// The one thread that forks every child process. A child asks the kernel (PR_SET_PDEATHSIG)
// to kill it when its parent goes, so that no encoder keeps writing after the program was
// killed. The kernel counts the *thread* that forked as that parent: a child forked on a
// worker thread would be killed as soon as that worker ends, while the run it belongs to
// may still wait for it. So children are forked only here, on a thread that lives as long
// as the process; callers on any thread hand their fork to it and wait for the result.
#pragma once

#include <functional>

namespace pictavo {

// Runs `task` on the spawning thread (started on first use, never ended) and returns when
// it has run. False, without running it, when that thread could not be started.
bool runOnSpawnThread(const std::function<void()>& task);

}  // namespace pictavo
