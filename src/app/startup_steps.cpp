#include "app/startup_steps.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include "app/browser_launcher.h"
#include "app/qt_text.h"
#include "app/tool_check.h"
#include "effects/effect_names.h"
#include "imaging/image_library.h"
#include "net/error_report.h"
#include "net/service_paths.h"
#include "net/socket_pool.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/work_folder.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

class StartupTexts {
  Q_DECLARE_TR_FUNCTIONS(StartupTexts)

 public:
  static QString notice() { return tr("提示"); }
  static QString error() { return tr("错误"); }
  static QString attention() { return tr("注意"); }
  static QString toolMissing(const QString& tool) {
    return tr("找不到 %1 文件，可能是没有对下载的软件压缩包进行正确的解压缩。\n\n"
              "点击[确定]按钮，查看正确的解压缩方式。")
        .arg(tool);
  }
  static QString cannotStart() {
    return tr("软件无法正常启动，可能是没有对下载的软件压缩包进行正确的解压缩。\n\n"
              "点击[确定]按钮，查看正确的解压缩方式。");
  }
  static QString imageLibraryFailed(const QString& why) {
    return tr("图像处理库无法正常启动，软件无法读取图片，即将退出。\n\n%1").arg(why);
  }
};

StartupFailure failure(QString caption, QString text, int exitCode = -1) {
  StartupFailure f;
  f.caption = std::move(caption);
  f.text = std::move(text);
  f.exitCode = exitCode;
  return f;
}

StartupFailure installationFailure(QString text) {
  StartupFailure f = failure(StartupTexts::notice(), std::move(text));
  f.opensUnpackHelp = true;
  return f;
}

}  // namespace

std::optional<StartupFailure> prepareProgramFolder() {
  std::string error;
  const std::string& program = programFolders().program;
  // An empty program folder means its name is not UTF-8: ensureProgramFolders then stops at
  // once with the message naming it.
  if (program.empty() && !ensureProgramFolders(&error))
    return failure(StartupTexts::error(), fromCore(error));
  if (!makeFolders(program))
    return failure(StartupTexts::error(),
                   StartupTexts::tr("无法创建文件夹: %1").arg(fromCore(program)));
  return std::nullopt;
}

std::optional<StartupFailure> checkInstallation() {
  if (auto tool = firstMissingTool())
    return installationFailure(StartupTexts::toolMissing(QString::fromStdString(*tool)));
  std::string why;
  if (!checkResourceFolder(&why)) {
    // The box keeps its fixed text; the details go where a terminal can read them.
    std::string detail = utf8(why);
    std::fprintf(stderr, "pictavo: %s\n", detail.c_str());
    return installationFailure(StartupTexts::cannotStart());
  }
  return std::nullopt;
}

std::optional<StartupFailure> prepareWorkFolders() {
  std::string error;
  if (!ensureProgramFolders(&error) || !claimOwnWorkFolder(&error))
    return failure(StartupTexts::error(), fromCore(error));
  return std::nullopt;
}

void startNetworking() { socket_pool_init(); }

std::optional<StartupFailure> startCheckedImageLibrary() {
  std::string why;
  if (startImageLibrary(&why)) return std::nullopt;
  reportError("validateImageMagick", why + "\r\nfolder: " + programFolders().program);
  StartupFailure f = failure(StartupTexts::attention(), StartupTexts::imageLibraryFailed(fromCore(why)), 0);
  f.icon = QMessageBox::Warning;
  return f;
}

void buildEffectTable() { effectIndices(); }

void tellStartupFailure(const StartupFailure& failure, UserPrompts& prompts) {
  prompts.message(nullptr, failure.icon, failure.caption, failure.text);
  if (!failure.opensUnpackHelp) return;
  QString localCopy = QFile::decodeName(resourceFolder().c_str()) + QStringLiteral("/help/unzip.html");
  // The page in the program's language, when there is one.
  if (currentLanguage() != Language::SimplifiedChinese) {
    QString translated = localCopy.chopped(4) + QLatin1String(languageCode(currentLanguage())) +
                         QStringLiteral(".html");
    if (QFileInfo::exists(translated)) localCopy = translated;
  }
  QUrl fallback = QFileInfo::exists(localCopy) ? QUrl::fromLocalFile(localCopy) : QUrl();
  openInBrowser(vendorPage(kUnpackHelpPagePath, QString(), fallback));
}

}  // namespace pictavo
