// Ctrl+C (SIGINT) and SIGTERM turned into a flag that the command line polls, so that an
// interrupted run is cancelled like the stop button cancels it instead of ending the
// process with the encoder behind it.
#pragma once

namespace pictavo {

// Installs the handlers; a second interrupt still ends the process at once.
void catchInterrupts();

bool interruptRequested();

}  // namespace pictavo
