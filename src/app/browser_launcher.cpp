#include "app/browser_launcher.h"

#include <QDesktopServices>

#include "app/prompt_recording.h"
#include "app/qt_text.h"
#include "project/service_config.h"

namespace pictavo {

bool openInBrowser(const QUrl& url) {
  if (url.isEmpty()) return false;
  if (QString record = promptRecordFile(); !record.isEmpty()) {
    recordPrompt(record, QStringLiteral("open %1\n\n").arg(url.toString()));
    return true;
  }
  return QDesktopServices::openUrl(url);
}

QUrl vendorPage(const char* path, const QString& query, const QUrl& fallback) {
  std::string address = serviceAddress(serviceSettings(), path);
  if (address.empty()) return fallback;
  return QUrl(fromCore(address) + query);
}

}  // namespace pictavo
