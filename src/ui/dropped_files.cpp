#include "ui/dropped_files.h"

#include <QFileInfo>

#include <sys/stat.h>

namespace pictavo {
namespace {

bool hasPictureExtension(const QString& path) {
  static const QStringList kExtensions = {QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                          QStringLiteral("png"), QStringLiteral("gif"),
                                          QStringLiteral("bmp"), QStringLiteral("tbi")};
  for (const QString& ending : kExtensions)
    if (path.endsWith(ending, Qt::CaseInsensitive)) return true;
  return false;
}

// stat, not open: opening a pipe would wait for a writer.
bool isReadableRegularFile(const QString& path) {
  struct stat info;
  QByteArray name = path.toUtf8();
  return ::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
         QFileInfo(path).isReadable();
}

}  // namespace

QStringList pictureFilesAmong(const QStringList& paths) {
  QStringList pictures;
  for (const QString& path : paths)
    if (hasPictureExtension(path) && isReadableRegularFile(path)) pictures << path;
  return pictures;
}

QStringList localPaths(const QList<QUrl>& urls) {
  QStringList paths;
  for (const QUrl& url : urls)
    if (url.isLocalFile()) paths << url.toLocalFile();
  return paths;
}

}  // namespace pictavo
