#include "ui/file_choosers.h"

#include <QDir>

#include "app/qt_text.h"
#include "app/user_prompts.h"
#include "platform/files.h"
#include "util/paths.h"

namespace pictavo {
namespace {

QString startFolder(const std::string& preference) {
  QString folder = fromCore(preference);
  return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

void rememberFolder(const QString& path, std::string& preference) {
  preference = folderOf(toCore(QDir::cleanPath(path)));
}

}  // namespace

QString pathTooLongText(bool isFile, bool many, int bytes, const QString& path) {
  QString what = isFile ? QObject::tr("文件路径") : QObject::tr("文件夹路径");
  QString fix = many ? (isFile ? QObject::tr("修改文件名称") : QObject::tr("修改文件夹名称"))
                     : QObject::tr("修改%1长度").arg(what);
  return QObject::tr("%1长度不能大于 %2 个字符！\n\n当前%1长度：%3 个字符\n%4\n\n"
                     "解决方案：%5，使其长度不超过 %2 个字符。\n\n"
                     "提示：一个英文字母占 1 个字符，一个汉字占 2 个字符。")
      .arg(what)
      .arg(kMaxPathBytes)
      .arg(bytes)
      .arg(path, fix);
}

bool FileChoosers::acceptPath(const QString& path, bool many) {
  std::string core = toCore(QDir::cleanPath(path));
  std::string folder = folderOf(core);
  bool isFile = folder.size() <= static_cast<size_t>(kMaxPathBytes);
  if (isFile && core.size() <= static_cast<size_t>(kMaxPathBytes)) return true;
  const std::string& shown = isFile ? core : folder;
  prompts_.message(parent_, QMessageBox::Critical, QObject::tr("提示"),
                   pathTooLongText(isFile, many, static_cast<int>(shown.size()), fromCore(shown)));
  return false;
}

QString FileChoosers::open(const QString& title, const QString& filter, std::string& folderPreference) {
  QString path = prompts_.chooseFileToOpen(parent_, title, startFolder(folderPreference), filter);
  if (path.isEmpty() || !acceptPath(path, false)) return {};
  rememberFolder(path, folderPreference);
  return path;
}

QStringList FileChoosers::openMany(const QString& title, const QString& filter,
                                   std::string& folderPreference) {
  QStringList paths = prompts_.chooseFilesToOpen(parent_, title, startFolder(folderPreference), filter);
  if (paths.isEmpty()) return {};
  for (const QString& path : paths) {
    if (!acceptPath(path, true)) return {};
  }
  rememberFolder(paths.first(), folderPreference);
  return paths;
}

QString FileChoosers::save(const QString& title, const QString& filter, const QString& extension,
                           const QString& suggestedName, std::string& folderPreference) {
  QString start = startFolder(folderPreference);
  if (!suggestedName.isEmpty()) start = QDir(start).filePath(suggestedName);
  QString path = prompts_.chooseFileToSave(parent_, title, start,
                                           filter.isEmpty() ? QObject::tr("所有文件 (*.*)") : filter);
  if (path.isEmpty()) return {};
  QString ending = QLatin1Char('.') + extension;
  if (!extension.isEmpty() && !path.endsWith(ending, Qt::CaseInsensitive)) path += ending;
  if (!acceptPath(path, false)) return {};
  rememberFolder(path, folderPreference);
  return path;
}

}  // namespace pictavo
