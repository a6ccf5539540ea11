// Writing to file descriptors (pipes to child processes).
#pragma once

#include <atomic>
#include <cstddef>

namespace pictavo {

// Writes every byte, retrying short writes and interruptions. False when the descriptor is
// closed or broken (SIGPIPE is ignored process-wide, so a closed pipe is a failed write).
bool writeAllToFd(int fd, const void* data, size_t length);

enum class FdWrite { Written, Broken, Stalled, Cancelled };

// writeAllToFd for a reader that may stop reading while it lives (a stuck encoder): gives up
// (Stalled) once no byte has gone out for `stallMs` (0: no limit), and (Cancelled) as soon
// as `*cancel` (optional) is true, also in the middle of the data. Broken as above. The
// descriptor's blocking mode is the same afterwards.
FdWrite writeAllToFdWithin(int fd, const void* data, size_t length, int stallMs,
                           const std::atomic<bool>* cancel);

// Ignores SIGPIPE for the whole process, once.
void ignoreBrokenPipeSignal();

}  // namespace pictavo
