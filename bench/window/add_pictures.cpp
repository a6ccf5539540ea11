// Adding many large pictures through the real main window (offscreen): how long the load
// takes, how much memory the process peaks at, and the longest time the window's thread
// went without running its 1 ms timer, which is how long the window looked frozen.
// Usage: bench_add_pictures FOLDER [COUNT] [--moving]   (the first COUNT .jpg files of FOLDER
// by name; --moving adds them to a show with auto motion, so their faces are looked for too)
#include <sys/resource.h>
#include <sys/time.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/session.h"
#include "app/user_prompts.h"
#include "imaging/image_library.h"
#include "imaging/motion_path.h"
#include "platform/folders.h"
#include "ui/main_window.h"
#include "stall_watch.h"

using namespace pictavo;

int main(int argc, char** argv) {
  const bool moving = argc > 2 && std::string(argv[argc - 1]) == "--moving";
  if (moving) --argc;
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER [COUNT] [--moving]\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  std::string error;
  if (!startImageLibrary(&error) || !ensureProgramFolders(&error)) {
    std::fprintf(stderr, "image library or program folder: %s\n", error.c_str());
    return 1;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  QStringList files;
  for (const QString& name : folder.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
    files << folder.filePath(name);
  if (argc == 3) files = files.mid(0, std::atoi(argv[2]));

  Session session;
  if (moving) session.project().settings.motion = Motion::Auto;
  QtUserPrompts prompts;
  MainWindow window(session, prompts);
  window.show();

  QElapsedTimer clock;
  StallWatch stalls;
  // A loop of its own: quitting the application would close the window, which asks to save.
  QEventLoop loop;
  QObject::connect(&window, &MainWindow::picturesLoaded, &loop, &QEventLoop::quit);
  QTimer::singleShot(0, [&] {
    clock.start();
    stalls.start();
    window.addPictureFiles(files);
  });
  loop.exec();
  double seconds = static_cast<double>(clock.elapsed()) / 1000.0;

  rusage usage{}, mainThread{};
  getrusage(RUSAGE_SELF, &usage);
  getrusage(RUSAGE_THREAD, &mainThread);
  std::printf("pictures: %zu of %lld\n", session.project().pictures.size(),
              static_cast<long long>(files.size()));
  std::printf("wall_seconds: %.2f\n", seconds);
  std::printf("peak_rss_mb: %.1f\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  std::printf("longest_main_thread_stall_ms: %lld\n", static_cast<long long>(stalls.longestMs()));
  auto cpu = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  std::printf("main_thread_cpu_seconds: %.2f\n",
              cpu(mainThread.ru_utime) + cpu(mainThread.ru_stime));
  return 0;
}
