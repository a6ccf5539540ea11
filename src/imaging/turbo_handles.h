// libjpeg-turbo's compressor and decompressor, one of each per thread: creating one costs
// more than encoding a small frame, and frames and pictures are made on more than one thread.
#pragma once

#include <turbojpeg.h>

namespace pictavo {

tjhandle threadCompressor();
tjhandle threadDecompressor();

}  // namespace pictavo
