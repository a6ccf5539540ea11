// Ctrl+C (SIGINT), SIGTERM and SIGHUP turned into a flag that the program polls or is woken
// by, so that an interrupted run is cancelled like the stop button cancels it instead of
// ending the process with the encoder behind it.
#pragma once

namespace pictavo {

// Installs the handlers. A second interrupt before the first was cleared ends the process at
// once, after removing the unfinished files (platform/unfinished_files.h).
void catchInterrupts();

bool interruptRequested();

// The signal that asked for the stop (0 while none did). A command stopped by it exits
// with 128 + that number, as the shell expects of a program ended by the signal.
int interruptSignal();

// Readable (one byte per interrupt) once an interrupt arrived, for an event loop to watch;
// -1 before catchInterrupts. Read it empty before clearing.
int interruptWakeFd();

// Forgets the interrupt, so that the next one is a first one again.
void clearInterrupt();

}  // namespace pictavo
