// The commands of pictavo-cli. Each takes the arguments after its own name and returns the
// process exit code.
#pragma once

namespace pictavo::cli {

int runFrame(int argc, char** argv);
int runInfo(int argc, char** argv);
int runMp3Info(int argc, char** argv);
int runFrames(int argc, char** argv);
int runEffects(int argc, char** argv);
int runImport(int argc, char** argv);
int runMake(int argc, char** argv);
int runRender(int argc, char** argv);
int runDemo(int argc, char** argv);

}  // namespace pictavo::cli
