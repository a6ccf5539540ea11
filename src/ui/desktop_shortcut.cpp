#include "ui/desktop_shortcut.h"

#include <QDir>
#include <QSaveFile>

namespace pictavo {
namespace {

// An argument of Exec: quoted, with the characters that keep a meaning inside quotes escaped,
// and "%" doubled because Exec gives it a meaning of its own.
QString execArgument(QString text) {
  text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  for (QChar c : {QLatin1Char('"'), QLatin1Char('`'), QLatin1Char('$')})
    text.replace(c, QStringLiteral("\\") + c);
  text.replace(QLatin1Char('%'), QStringLiteral("%%"));
  return QLatin1Char('"') + text + QLatin1Char('"');
}

// Values other than Exec: no line breaks, backslashes escaped.
QString plainValue(QString text) {
  text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  return text;
}

}  // namespace

QString desktopLauncherText(const QString& program, const QString& workingFolder,
                            const QString& icon) {
  return QStringLiteral(
             "[Desktop Entry]\nType=Application\nName=Pictavo\nExec=%1\nPath=%2\nIcon=%3\n"
             "Terminal=false\n")
      .arg(execArgument(program), plainValue(workingFolder), plainValue(icon));
}

bool createDesktopShortcut(const QString& desktopFolder, const QString& program,
                           const QString& workingFolder, const QString& icon) {
  QSaveFile file(QDir(desktopFolder).filePath(QStringLiteral("Pictavo.desktop")));
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(desktopLauncherText(program, workingFolder, icon).toUtf8());
  if (!file.commit()) return false;
  return QFile::setPermissions(file.fileName(), QFile::permissions(file.fileName()) |
                                                    QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

}  // namespace pictavo
