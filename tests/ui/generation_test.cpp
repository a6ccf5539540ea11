// A real generation run started from the window: real pictures, the real encoder, the
// progress window and the completion question.
#include <QPushButton>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <utility>

#include "platform/interrupts.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/generation_command.h"
#include "ui/interrupt_exit.h"
#include "ui/support/window_fixture.h"
#include "ui/toolbar.h"
#include "util/charset.h"

namespace pictavo {
namespace {

class GenerationTest : public test::WindowTest {
 protected:
  // Starts "生成视频" and, on every turn of the window's event loop while the run goes,
  // records the counter line and lets `during` act on the progress window.
  void generate(const QString& name, const std::function<void(ProgressDialog&)>& during = {}) {
    prompts.choices.enqueue({file(name)});
    ProgressDialog& progress = *window->generationCommand().progressDialog();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (!progress.isVisible()) return;
      EXPECT_FALSE(window->isEnabled());
      if (counters.isEmpty() || counters.last() != progress.counterText())
        counters << progress.counterText();
      if (during) during(progress);
    });
    watch.start(5);
    window->toolbarActions().generate->trigger();
    EXPECT_TRUE(window->isEnabled());
  }

  QStringList counters;
};

TEST_F(GenerationTest, RunsWithProgressOffersTheVideoAndStopsWhenAsked) {
  addPictures(makePictures(3, 320, 240));
  window->toolbarActions().generate->trigger();  // no size chosen: refused before the chooser
  EXPECT_EQ(prompts.titles(), QStringList{QStringLiteral("提示")});
  prompts.shown.clear();
  Project& project = session.project();
  project.settings.selectSize(project.sizes, project.sizes.findSizeText("640x360"));

  prompts.answers.enqueue(QMessageBox::No);
  generate(QStringLiteral("full"));
  EXPECT_GT(std::filesystem::file_size(dir.file("full.mp4")), 0u);
  EXPECT_TRUE(counters.contains(QStringLiteral("共 3 张图片，正在处理第 3 张。"))) << counters.join('|').toStdString();
  EXPECT_EQ(prompts.titles(), QStringList{QStringLiteral("完成")});

  // 停止 during the first picture: the button says so at once, the run ends early, and no
  // completion question follows.
  prompts.shown.clear();
  counters.clear();
  QString pressedText;
  generate(QStringLiteral("stopped"), [&](ProgressDialog& progress) {
    QPushButton* stop = progress.stopButton();
    if (pressedText.isEmpty() && stop->isEnabled()) {
      stop->click();
      pressedText = stop->text();
      EXPECT_FALSE(stop->isEnabled());
    }
  });
  EXPECT_EQ(pressedText, QStringLiteral("停止中..."));
  EXPECT_EQ(counters.first(), QStringLiteral("共 3 张图片，正在处理第 1 张。"));
  EXPECT_FALSE(counters.contains(QStringLiteral("共 3 张图片，正在处理第 3 张。")));
  EXPECT_TRUE(prompts.shown.isEmpty());
}

// SIGTERM, SIGINT or SIGHUP during a run: the run stops without a question, the unfinished
// video goes, and an earlier video of the chosen name stays as it was.
TEST_F(GenerationTest, ATerminationSignalStopsTheRunAndKeepsTheEarlierVideo) {
  addPictures(makePictures(3, 320, 240));
  Project& project = session.project();
  project.settings.selectSize(project.sizes, project.sizes.findSizeText("640x360"));
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    test::writeBytes(dir.file("signalled.mp4"), "an earlier video");
    int left = 0;
    InterruptExit interrupts(*window, [&](int caught) { left = caught; });
    bool sent = false;
    generate(QStringLiteral("signalled"), [&](ProgressDialog&) {
      if (!std::exchange(sent, true)) std::raise(signal);
    });
    clearInterrupt();
    EXPECT_EQ(left, signal);
    EXPECT_EQ(test::readBytes(dir.file("signalled.mp4")), "an earlier video");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
      EXPECT_EQ(entry.path().filename().string().rfind(".pictavo-", 0), std::string::npos);
    EXPECT_TRUE(prompts.shown.isEmpty());
  }
}

}  // namespace
}  // namespace pictavo
