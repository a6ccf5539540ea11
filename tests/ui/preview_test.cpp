// The preview window over a real main window: real pictures rendered by the real timeline,
// the display thread showing them, closing, running to the end and starting again.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListView>
#include <QTest>

#include <cstring>
#include <fstream>
#include <mutex>

#include "project/pause_table.h"
#include "project/service_config.h"
#include "support/recording_observer.h"
#include "support/run_command.h"
#include "ui/panels/option_panels.h"
#include "ui/panels/output_panel.h"
#include "ui/preview/preview_command.h"
#include "ui/preview/preview_window.h"
#include "ui/support/window_fixture.h"
#include "ui/toolbar.h"
#include "ui/workers/preview_run.h"
#include "video/timeline.h"

namespace pictavo {
namespace {

constexpr int kWaitMs = 90000;

class PreviewTest : public test::WindowTest {
 protected:
  void chooseSize(int width, int height, int pauseIndex) {
    Project& project = session.project();
    int index = project.sizes.findSizeText(std::to_string(width) + "x" + std::to_string(height));
    if (index < 0) index = project.sizes.addCustom(width, height);
    project.settings.selectSize(project.sizes, index);
    project.settings.selectPause(pauseIndex);
  }
  PreviewCommand& preview() { return window->previewCommand(); }
  PreviewWindow& shown() { return *preview().window(); }
  // Until the run that is going (or has just gone) has ended.
  bool waitForEnd() {
    bool done = QTest::qWaitFor([&] { return ended; }, kWaitMs);
    ended = false;
    return done;
  }

  bool ended = false;
  QMetaObject::Connection watch = QObject::connect(
      &window->previewCommand(), &PreviewCommand::runEnded, [this] { ended = true; });
};

using Kind = PreviewPicture;

TEST_F(PreviewTest, ANarrowShowRunsToTheEndFrameForFrameAndAClickOnEndStartsAgain) {
  addPictures(makePictures(3, 300, 200));
  chooseSize(240, 136, 0);
  ProjectSettings& settings = session.project().settings;
  settings.logoOn = true;  // drawn onto every previewed frame, here at the top left
  settings.logoPath = file(QStringLiteral("logo.png")).toStdString();
  settings.logoLocation = 0;
  test::writeSolidPicture(settings.logoPath, 24, 24, "red", "PNG");
  QAction* button = window->toolbarActions().preview;
  button->trigger();
  ASSERT_TRUE(shown().isVisible());
  EXPECT_TRUE(shown().isMaximized());
  EXPECT_FALSE(window->isEnabled());
  EXPECT_FALSE(button->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return shown().currentKind() == Kind::Frame; }, kWaitMs));
  QImage frame = shown().currentImage();
  EXPECT_EQ(frame.size(), QSize(240, 136));
  EXPECT_GT(qRed(frame.pixel(4, 4)), 200);
  EXPECT_LT(qGreen(frame.pixel(4, 4)), 60);
  ASSERT_TRUE(waitForEnd());

  // Waiting while buffering, then blank (the video is narrower than the waiting picture),
  // then the frames, every one of them, and "end".
  QList<Kind> history = shown().pictureHistory();
  EXPECT_EQ(history.mid(0, 3), (QList<Kind>{Kind::Waiting, Kind::Blank, Kind::Frame}));
  EXPECT_EQ(history.last(), Kind::End);
  EXPECT_EQ(preview().run()->framesShown(), countProjectFrames(session.project()));
  EXPECT_EQ(shown().currentImage().width(), 264);
  EXPECT_TRUE(button->isEnabled());
  EXPECT_FALSE(window->isEnabled());  // still held until the window is closed

  shown().clearPictureHistory();
  QTest::mouseClick(&shown(), Qt::LeftButton);
  EXPECT_EQ(preview().run()->state(), PreviewRun::Running);
  ASSERT_TRUE(waitForEnd());
  EXPECT_EQ(shown().pictureHistory().last(), Kind::End);
  EXPECT_EQ(preview().run()->framesShown(), countProjectFrames(session.project()));

  QTest::keyClick(&shown(), Qt::Key_Escape);
  EXPECT_FALSE(shown().isVisible());
  EXPECT_TRUE(window->isEnabled());
}

// The mean difference of two RGB frames of the same size, in levels.
double meanDifference(const QImage& a, const QImage& b) {
  long long sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    const uchar* p = a.constScanLine(y);
    const uchar* q = b.constScanLine(y);
    for (int x = 0; x < a.width() * 3; ++x) sum += std::abs(p[x] - q[x]);
  }
  return static_cast<double>(sum) / (a.width() * a.height() * 3);
}

// Every frame of the video, decoded by ffmpeg.
std::vector<QImage> decodedFrames(const std::string& video, const std::string& raw, QSize size) {
  test::CommandResult run = test::runCommand("ffmpeg -nostdin -v error -y -i " + test::shellQuote(video) +
                                             " -f rawvideo -pix_fmt rgb24 " + test::shellQuote(raw));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  std::ifstream in(raw, std::ios::binary);
  const qsizetype frameBytes = size.width() * size.height() * 3;
  std::vector<QImage> frames;
  QByteArray bytes(frameBytes, Qt::Uninitialized);
  while (in.read(bytes.data(), frameBytes)) {
    QImage frame(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y)
      std::memcpy(frame.scanLine(y), bytes.constData() + y * size.width() * 3, size.width() * 3);
    frames.push_back(frame);
  }
  return frames;
}

// The preview of a moving show plays the frames its video holds: as many, each one closest
// to the video's frame of the same number and not to one a few frames before or after it.
TEST_F(PreviewTest, AMovingShowPreviewsTheFramesOfItsVideo) {
  const QString samples = QStringLiteral("/usr/share/doc/opencv-doc/examples/data/");
  addPictures({samples + "messi5.jpg", samples + "basketball1.png", samples + "fruits.jpg"});
  ASSERT_EQ(pictureCount(), 3) << "opencv-doc is not installed (scripts/setup.sh --tests)";
  chooseSize(240, 136, kDefaultPauseIndex);
  ProjectSettings& settings = session.project().settings;
  settings.motion = Motion::Auto;
  settings.motionStrength = kMaxMotionStrength;
  settings.framing = Framing::Fill;

  std::mutex lock;
  std::vector<QImage> previewed;
  QObject::connect(&shown(), &PreviewWindow::frameShown, &shown(), [&](const QImage& frame) {
    std::lock_guard hold(lock);
    previewed.push_back(frame.convertToFormat(QImage::Format_RGB888));
  }, Qt::DirectConnection);
  window->toolbarActions().preview->trigger();
  ASSERT_TRUE(waitForEnd());
  shown().close();

  const std::string video = test::generateVideo(session.project(), dir.file("show.mp4"));
  std::vector<QImage> made = decodedFrames(video, dir.file("frames.rgb"), QSize(240, 136));
  std::lock_guard hold(lock);
  ASSERT_EQ(previewed.size(), made.size());
  const int reach = 3;
  int moving = 0;
  for (int i = reach; i + reach < static_cast<int>(made.size()); ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(previewed[i].size(), made[i].size());
    // The preview's JPEG frames and the video's x264 ones differ by a few levels of noise;
    // a frame of another moment or picture differs by well over ten.
    const double same = meanDifference(previewed[i], made[i]);
    EXPECT_LT(same, 10.0);
    const double before = meanDifference(previewed[i], made[i - reach]);
    const double after = meanDifference(previewed[i], made[i + reach]);
    if (meanDifference(made[i - reach], made[i + reach]) < 2 * same) continue;  // hardly moves here
    ++moving;
    EXPECT_LT(same, before);
    EXPECT_LT(same, after);
  }
  EXPECT_GT(moving, static_cast<int>(made.size()) / 2);
}

TEST_F(PreviewTest, ClosingWhileFramesAreProducedStopsBothThreadsAndShowsNoEnd) {
  addPictures(makePictures(12, 640, 480));
  chooseSize(400, 400, 21);  // two seconds a picture: more frames than the queue holds
  window->toolbarActions().preview->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return shown().currentKind() == Kind::Frame; }, kWaitMs));
  PreviewRun* run = preview().run();
  EXPECT_EQ(run->state(), PreviewRun::Running);

  shown().close();
  EXPECT_EQ(run->state(), PreviewRun::Stopped);
  EXPECT_TRUE(window->isEnabled());
  EXPECT_FALSE(window->toolbarActions().preview->isEnabled());  // until the threads are done
  ASSERT_TRUE(waitForEnd());
  EXPECT_TRUE(window->toolbarActions().preview->isEnabled());
  EXPECT_LT(run->framesShown(), countProjectFrames(session.project()));
  EXPECT_EQ(shown().currentKind(), Kind::None);
  EXPECT_EQ(shown().pictureHistory(), (QList<Kind>{Kind::Waiting, Kind::Frame}));

  // Started again and closed at once, during the buffering: the same.
  window->toolbarActions().preview->trigger();
  shown().close();
  ASSERT_TRUE(waitForEnd());
  EXPECT_FALSE(shown().pictureHistory().contains(Kind::End));

  // The main window cannot be closed under a running preview; destroyed all the same (the
  // program quitting), it ends both threads before it goes.
  window->toolbarActions().preview->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return shown().currentKind() == Kind::Frame; }, kWaitMs));
  window->close();
  EXPECT_TRUE(shown().isVisible());
  window.reset();
}

TEST_F(PreviewTest, WithoutASizeNothingStartsAndF5PlaysThePicturesEffectOrOpensItsPage) {
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  addPictures(makePictures(3, 300, 200));
  window->toolbarActions().preview->trigger();
  window->previewPictureEffect(1);
  ASSERT_EQ(prompts.shown.size(), 2);
  for (const test::ShownMessage& message : prompts.shown) {
    EXPECT_EQ(message.title, QStringLiteral("提示"));
    EXPECT_EQ(message.text, QStringLiteral("请选择视频尺寸"));
  }
  EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(window->optionPanels().output().sizeList()));
  EXPECT_FALSE(shown().isVisible());
  EXPECT_TRUE(window->isEnabled());

  chooseSize(256, 144, 0);
  session.project().pictures[1].setEffect(31);  // a fade: its frames come from the picture before
  QListView* list = window->layoutParts().pictureList;
  list->setCurrentIndex(list->model()->index(1, 0));
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window.get(), Qt::Key_F5);
  ASSERT_TRUE(shown().isVisible());
  ASSERT_TRUE(waitForEnd());
  DispatchContext context = countingContextFor(session.project());
  context.pauseFrames = 25;
  EXPECT_EQ(preview().run()->framesShown(), pictureFrames(context, session.project().pictures[1]));
  EXPECT_EQ(shown().currentKind(), Kind::End);
  shown().close();

  // With the service configured, the service's page about the effect opens instead.
  QString record = file(QStringLiteral("opened.txt"));
  qputenv("PICTAVO_RECORD_PROMPTS", record.toLocal8Bit());
  setServiceBaseUrl("http://127.0.0.1:9");
  window->previewPictureEffect(1);
  resetServiceSettings();
  qunsetenv("PICTAVO_RECORD_PROMPTS");
  QFile opened(record);
  ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
  EXPECT_EQ(opened.readAll().trimmed(), QByteArray("open http://127.0.0.1:9/preview.asp?id=31&"));
  EXPECT_FALSE(shown().isVisible());
}

}  // namespace
}  // namespace pictavo
