#include "ui/web_pages.h"

#include <QUrl>

#include "app/browser_launcher.h"
#include "app/qt_text.h"
#include "app/user_prompts.h"
#include "net/service_paths.h"
#include "project/service_config.h"

namespace pictavo {

QString servicePage(const QString& path) {
  ServiceSettings settings = serviceSettings();
  if (settings.baseUrl.empty()) return {};
  return path.isEmpty() ? fromCore(settings.baseUrl)
                        : vendorPage(toCore(path).c_str()).toString();
}

void openServicePage(UserPrompts& prompts, QWidget* parent, const QString& path) {
  QString address = servicePage(path);
  if (address.isEmpty()) {
    prompts.message(parent, QMessageBox::Information, QObject::tr("提示"),
                    QObject::tr("没有设置官方网站的地址 (PICTAVO_SERVICE_URL)。"));
    return;
  }
  if (!openInBrowser(QUrl(address)))
    prompts.message(parent, QMessageBox::Warning, QObject::tr("提示"),
                    QObject::tr("无法打开浏览器:\n%1").arg(address));
}

QString aboutText() {
  return QObject::tr("%1 V%2\n\n\n制作由多张图片(最多1000张)组成带多种播放特效的视频，输出视频格式：MP4。"
                     "\n\n支持处理的图片格式：JPG, PNG, GIF(静态), BMP, TBI。\n\n\n官网：")
             .arg(QStringLiteral("Pictavo"))
             .arg(kProgramVersion, 0, 'f', 1) +
         servicePage(QString());
}

}  // namespace pictavo
