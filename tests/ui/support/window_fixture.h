// A real main window over a fresh session, with scripted prompts and a folder of pictures.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>

#include "app/session.h"
#include "support/scoped_env.h"
#include "support/test_files.h"
#include "ui/main_window.h"
#include "ui/support/scripted_prompts.h"

namespace pictavo::test {

class WindowTest : public testing::Test {
 protected:
  WindowTest();

  // `count` small PNG pictures in the test folder, named p1.png, p2.png...
  QStringList makePictures(int count, int width = 64, int height = 48);
  QString file(const QString& name) const;
  // Adds the files through the window and waits until the load has ended.
  void addPictures(const QStringList& paths);
  int pictureCount() const { return static_cast<int>(session.project().pictures.size()); }

  TempDir dir{"pictavo-ui"};
  // Each test starts from no stored preferences, whatever a test before it chose.
  ScopedEnv config{"XDG_CONFIG_HOME", dir.file("config")};
  Session session;
  ScriptedPrompts prompts;
  std::unique_ptr<MainWindow> window;
};

}  // namespace pictavo::test
