#include "app/crash_report.h"

#include <QCoreApplication>

#include "app/browser_launcher.h"
#include "net/error_report.h"
#include "net/service_paths.h"
#include "platform/crash_guard.h"
#include "project/service_config.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

class CrashTexts {
  Q_DECLARE_TR_FUNCTIONS(CrashTexts)

 public:
  static QString caption() { return tr("错误"); }
  static QString stopped() {
    return tr("Pictavo 已停止工作。\n\n出现了一个问题，导致软件停止工作。请进入软件官网联系客服。");
  }
};

}  // namespace

int runCrashReport(int code, uintptr_t address, UserPrompts& prompts) {
  // Without a service the handler's entry in errors.log is the report.
  if (!serviceAddress(serviceSettings(), kErrorReportPath).empty()) {
    char text[96];
    formatCrashText(text, sizeof text, code, address);
    reportError("AppCrash", text);
  }
  prompts.message(nullptr, QMessageBox::Critical, CrashTexts::caption(), CrashTexts::stopped());
  char hex[24];
  formatHex(hex, sizeof hex, address);
  QString query = QString::fromStdString(strprintf("?v=%0.1f&ecode=0x%x&eip=0x%s&",
                                                   kProgramVersion, code, hex));
  openInBrowser(vendorPage(kCrashReportPagePath, query));
  flushErrorReports();  // the report went out in the background while the box showed
  return 0;
}

}  // namespace pictavo
