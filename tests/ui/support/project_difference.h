// Comparing projects to the byte, for the checks that undo and redo give back exactly what
// was there: the window's tests and the soak driver share them.
#pragma once

#include <string>

#include "project/project_model.h"

namespace pictavo {
class Session;
}

namespace pictavo::test {

// What differs between two projects, one line per difference (the project file's lines,
// then the fields the file does not hold); empty when they are the same.
std::string projectDifference(const Project& a, const Project& b);

// Undoes the newest step of the session's history and redoes it. Empty when that gave the
// project back as it was; else the step's name and what changed.
std::string undoThenRedoChange(Session& session);

}  // namespace pictavo::test
