// Ctrl+C (SIGINT), SIGTERM and SIGHUP turned into a flag that the command line polls, so
// that an interrupted run is cancelled like the stop button cancels it instead of ending
// the process with the encoder behind it.
#pragma once

namespace pictavo {

// Installs the handlers; a second interrupt still ends the process at once.
void catchInterrupts();

bool interruptRequested();

// The signal that asked for the stop (0 while none did). A command stopped by it exits
// with 128 + that number, as the shell expects of a program ended by the signal.
int interruptSignal();

}  // namespace pictavo
