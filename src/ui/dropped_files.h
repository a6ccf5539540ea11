// Which dropped (or chosen) paths are pictures to add: existing regular files that can be
// read and whose names end in a picture extension. Folders, pipes, devices and unreadable
// files are skipped without opening them, so a drop never waits on one.
#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

namespace pictavo {

QStringList pictureFilesAmong(const QStringList& paths);

// The local files among dropped addresses.
QStringList localPaths(const QList<QUrl>& urls);

}  // namespace pictavo
