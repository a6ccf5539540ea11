// "快捷方式": a launcher for the program in the user's desktop folder.
#pragma once

#include <QString>

namespace pictavo {

// The launcher's text for the program at `program`, started in `workingFolder`.
QString desktopLauncherText(const QString& program, const QString& workingFolder,
                            const QString& icon);

// Writes "Pictavo.desktop" into `desktopFolder` and marks it executable (desktops only
// start trusted launchers); false when it cannot be written.
bool createDesktopShortcut(const QString& desktopFolder, const QString& program,
                           const QString& workingFolder, const QString& icon);

}  // namespace pictavo
