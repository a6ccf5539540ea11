#include "app/toolkit_start.h"

#include <cstdio>
#include <cstdlib>

namespace pictavo {
namespace {

QtMessageHandler gPreviousHandler = nullptr;

void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    if (gPreviousHandler) gPreviousHandler(type, context, text);
    return;
  }
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  std::fprintf(stderr,
               "pictavo: the display cannot be opened (DISPLAY=%s, WAYLAND_DISPLAY=%s).\n%s\n",
               display ? display : "", wayland ? wayland : "", qPrintable(text));
  std::fflush(nullptr);
  // Nothing has been built yet that needs tearing down, and returning would abort.
  std::_Exit(1);
}

}  // namespace

std::unique_ptr<QApplication> startToolkit(int& argc, char** argv) {
  gPreviousHandler = qInstallMessageHandler(onStartupMessage);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(gPreviousHandler);
  return app;
}

}  // namespace pictavo
