// Names for the run's temporary files: a random number put into a pattern, drawn again
// until no file of that name exists in the folder.
#pragma once

#include <string>

namespace pictavo {

// Uniform in lo..hi; each thread has its own generator, seeded from its id and the clock.
int randomTempNumber(int lo, int hi);

// A bare name from `pattern` (one %d) with a number in lo..hi that names no file in
// `folder` (GBK). Empty after many tries without a free name.
std::string freeTempName(const std::string& folder, const std::string& pattern, int lo, int hi);

}  // namespace pictavo
