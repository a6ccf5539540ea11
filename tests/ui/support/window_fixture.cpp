#include "ui/support/window_fixture.h"

#include <QTest>

namespace pictavo::test {

WindowTest::WindowTest() : window(std::make_unique<MainWindow>(session, prompts)) {}

QStringList WindowTest::makePictures(int count, int width, int height) {
  static const char* kColours[] = {"red", "green", "blue", "yellow", "purple"};
  QStringList paths;
  for (int i = 1; i <= count; ++i) {
    QString path = file(QStringLiteral("p%1.png").arg(i));
    writeSolidPicture(path.toStdString(), width, height, kColours[i % 5], "PNG");
    paths << path;
  }
  return paths;
}

void WindowTest::addPictures(const QStringList& paths) {
  window->addPictureFiles(paths);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->loadingPictures(); }, 60000));
}

QString WindowTest::file(const QString& name) const {
  return QString::fromStdString(dir.file(name.toStdString()));
}

}  // namespace pictavo::test
