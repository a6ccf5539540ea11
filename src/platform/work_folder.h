// Work folders: every window process keeps its temporary files (imported frames, logo and
// cover copies, the encoder's pipe) in a folder of its own inside the shared temporary
// folder, "<pid>-<seconds>", locked (flock) for as long as the process lives. A process removes
// only its own folder; a folder whose lock is free was left by a process that ended without
// removing it (a crash, a kill) and is removed by the next process that starts.
#pragma once

#include <string>

namespace pictavo {

// Removes every work folder inside `sharedFolder` (GBK) whose lock is free; folders held by a
// running process, and anything else in `sharedFolder`, stay. Returns how many went.
int removeAbandonedWorkFolders(const std::string& sharedFolder);

// Removes the abandoned work folders, then makes and locks this process's own inside
// programFolders().sharedTemp and makes it programFolders().temp. True at once when the
// process already holds one; false with `error` (GBK) when it cannot be made.
bool claimOwnWorkFolder(std::string* error);

// Removes this process's own work folder with everything in it and unlocks it;
// programFolders().temp is the shared folder again. Nothing when the process holds none.
void releaseOwnWorkFolder();

}  // namespace pictavo
