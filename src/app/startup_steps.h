// The checks of start-up that can stop it, in the order start-up runs them (main/main.cpp):
// the program folder, the installation (external programs, the program's data), the working
// folders and the image library; and the preparations that cannot fail. A failed step
// gives the box to show and the exit code; there is no partial start.
#pragma once

#include <QMessageBox>
#include <QString>

#include <optional>

#include "app/user_prompts.h"

namespace pictavo {

struct StartupFailure {
  QMessageBox::Icon icon = QMessageBox::Critical;
  QString caption;
  QString text;
  int exitCode = -1;
  bool opensUnpackHelp = false;  // the installation help page follows the box
};

// The program folder: its name usable and the folder there.
std::optional<StartupFailure> prepareProgramFolder();

// ffmpeg, ffplay and AtomicParsley present, and the program's read-only data beside it.
std::optional<StartupFailure> checkInstallation();

// The temporary folder (by the desktop rule), this window's own work folder inside it (work
// folders left by windows that ended abruptly are removed first) and the pics folder.
std::optional<StartupFailure> prepareWorkFolders();

// The connection pool of the HTTP client.
void startNetworking();

// The image library under the program's policy, validated with four embedded pictures. A
// failure is reported (errors.log or the service) and ends the program with exit code 0.
std::optional<StartupFailure> startCheckedImageLibrary();

// The effect name table, built once before the window lists effects.
void buildEffectTable();

// Shows the failure's box and, when it says so, the installation help page: the vendor's
// page, or the copy in the program's data when no service address is set.
void tellStartupFailure(const StartupFailure& failure, UserPrompts& prompts);

}  // namespace pictavo
