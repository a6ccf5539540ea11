// Writing to file descriptors (pipes to child processes).
#pragma once

#include <cstddef>

namespace pictavo {

// Writes every byte, retrying short writes and interruptions. False when the descriptor is
// closed or broken (SIGPIPE is ignored process-wide, so a closed pipe is a failed write).
bool writeAllToFd(int fd, const void* data, size_t length);

// Ignores SIGPIPE for the whole process, once.
void ignoreBrokenPipeSignal();

}  // namespace pictavo
