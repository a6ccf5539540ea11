// The information window on the real main window: core messages from a worker thread, F2,
// and closing that only hides.
#include "ui/information_window.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

#include "app/session.h"
#include "app/user_prompts.h"
#include "ui/main_window.h"
#include "util/charset.h"
#include "util/info_log.h"

namespace pictavo {
namespace {

TEST(InformationWindow, ShowsCoreMessagesTogglesWithF2AndOnlyHidesOnClose) {
  Session session;
  QtUserPrompts prompts;
  MainWindow window(session, prompts);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  takeKeptInfoMessages();
  InformationWindow* information = attachInformationWindow(window);
  EXPECT_TRUE(information->isHidden());
  EXPECT_EQ(information->windowTitle(), QStringLiteral("信息 - F2"));

  std::thread worker([] {
    for (const char* name : {"a.jpg", "b.png", "c.gif"}) infoLog(gbk("图片读取失败:\r\n/p/") + name);
  });
  worker.join();
  ASSERT_TRUE(QTest::qWaitFor([&] { return information->isVisible(); }));
  QTest::qWait(50);  // every queued message, not just the first
  const QString log = QStringLiteral(
      "图片读取失败:\n/p/a.jpg\n\n图片读取失败:\n/p/b.png\n\n图片读取失败:\n/p/c.gif\n\n");
  EXPECT_EQ(information->text(), log);

  // F2 hides it from its own window (a tool window counts as part of the main window for the
  // main window's keys) and shows it again from the main window, text intact.
  information->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == information; }));
  QTest::keyClick(information, Qt::Key_F2);
  EXPECT_TRUE(information->isHidden());
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_F2);
  EXPECT_TRUE(information->isVisible());
  EXPECT_EQ(information->text(), log);

  information->close();
  EXPECT_TRUE(information->isHidden());
  infoLog(gbk("无法识别的图片:\r\n/p/d.tbi"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return information->isVisible(); }));
  EXPECT_EQ(information->text(), log + QStringLiteral("无法识别的图片:\n/p/d.tbi\n\n"));
}

}  // namespace
}  // namespace pictavo
