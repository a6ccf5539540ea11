// The program's folders. The per-user data folder stands in for the folder beside the
// program file: $PICTAVO_HOME when set, else $XDG_DATA_HOME/pictavo, else
// ~/.local/share/pictavo. Read-only resources live in share/pictavo beside the binary's
// folder, in the build tree as in an installed or relocated copy.
#pragma once

#include <string>

namespace pictavo {

struct ProgramFolders {
  std::string program;   // the data folder (GBK)
  std::string sharedTemp;  // the temporary folder of every process of this data folder:
                           // "temp" in the data folder, or for a data folder on the desktop
                           // the user's own "PictavoDzxcTemp-<uid>" in $TMPDIR (else /tmp)
                           // when it can be made
  std::string temp;      // this process's temporary files: imports, logo copies, frames pipes;
                         // its own work folder inside sharedTemp once it holds one
                         // (platform/work_folder.h), else sharedTemp itself
  std::string pics;      // pictures copied out of the temporary folder by a save
  std::string music;     // "mp3"
  std::string settings;  // "sz", video settings files
  std::string tool;      // bundled ffmpeg / AtomicParsley, when present
  std::string projects;  // "我的项目"
  std::string videos;    // "我的视频"
};

// Resolves the folders once per process (re-reading the environment after
// resetProgramFolders). Nothing is created here.
const ProgramFolders& programFolders();

// Creates the program, temp and pics folders when missing (a desktop data folder's temporary
// folder that cannot be made, or is not the user's own, becomes "temp" in the data folder
// instead); false when one cannot be made or the data folder's name is not valid UTF-8.
// `error` receives the reason.
bool ensureProgramFolders(std::string* error);

// Forgets the resolved folders, so that a changed PICTAVO_HOME takes effect (tests).
void resetProgramFolders();

// Makes `gbkFolder` this process's temporary folder; empty makes it the shared one again.
void useTemporaryFolder(const std::string& gbkFolder);

// Folder of the preferences store, as a file-system name: $XDG_CONFIG_HOME/pictavo, else
// ~/.config/pictavo. Nothing is created here.
std::string configFolder();

// The user's desktop folder (GBK): XDG_DESKTOP_DIR of the user-dirs file, else ~/Desktop,
// else the home folder. The file choosers start there when no other folder is known.
std::string desktopFolder();

// The running program's file-system name; empty when /proc/self/exe cannot be read.
std::string ownProgramPath();

// Folder of read-only resources (the image library policy, icons), as a file-system name:
// <folder of the running program>/../share/pictavo; empty when the program's own location
// cannot be read.
std::string resourceFolder();

// True when the resource folder is there and its image library policy can be read; else
// `error` (internal text) names the folder looked in and what is wrong with it.
bool checkResourceFolder(std::string* error);

}  // namespace pictavo
