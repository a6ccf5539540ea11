// The commands of pictavo-cli. Each takes the arguments after its own name, already
// checked against the options it knows, and returns the process exit code.
#pragma once

#include "cli/arguments.h"

namespace pictavo::cli {

int runFrame(const Args& args);
int runInfo(const Args& args);
int runMp3Info(const Args& args);
int runFrames(const Args& args);
int runEffects(const Args& args);
int runImport(const Args& args);
int runMake(const Args& args);
int runRender(const Args& args);
int runDemo(const Args& args);

}  // namespace pictavo::cli
