// The picture list and adding pictures through the window: loads run on other threads, keep
// the chooser's order, can be stopped, report bad files, and are one undo step each; the
// list keeps its selection when a command leaves the number of pictures alone.
#include <QDesktopServices>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <filesystem>

#include "app/qt_text.h"
#include "imaging/face_finder.h"
#include "ui/commands/project_edit_command.h"
#include "ui/information_window.h"
#include "ui/models/picture_list_model.h"
#include "ui/picture_list/picture_list_view.h"
#include "ui/status_bar.h"
#include "ui/support/window_fixture.h"

namespace pictavo {
namespace {

// Stands in for the desktop's viewer: records what it was asked to open.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QUrl opened;

 public slots:
  void open(const QUrl& url) { opened = url; }
};

class PictureLoadTest : public test::WindowTest {
 protected:
  // `count` pictures; every seventh is a large JPEG that takes longer to read, so that the
  // reading threads finish out of order.
  QStringList mixedPictures(int count, const QString& prefix) {
    QStringList paths;
    for (int i = 0; i < count; ++i) {
      bool large = i % 7 == 3;
      QString path = file(QStringLiteral("%1%2.%3")
                              .arg(prefix)
                              .arg(i, 3, 10, QLatin1Char('0'))
                              .arg(large ? QStringLiteral("jpg") : QStringLiteral("png")));
      test::writeSolidPicture(path.toStdString(), large ? 2400 : 40, large ? 1800 : 30,
                              i % 2 ? "navy" : "orange", large ? "JPEG" : "PNG");
      paths << path;
    }
    return paths;
  }

  QStringList projectPaths() const {
    QStringList paths;
    for (const ImageItem& picture : session.project().pictures) paths << fromCore(picture.path);
    return paths;
  }

  QListView* list() const { return window->layoutParts().pictureList; }
  QPushButton* stopButton() const {
    return window->findChild<QPushButton*>(QStringLiteral("stopLoading"));
  }
};

// Two calls while the first load runs make one load in call order; the event loop keeps
// running, the list grows as pictures arrive and editing waits. 停止 and Esc keep what has
// arrived.
TEST_F(PictureLoadTest, ManyPicturesArriveInOrderWhileTheWindowKeepsRunning) {
  QStringList paths = mixedPictures(300, QStringLiteral("a"));
  window->show();
  int ticksWhileLoading = 0;
  QSet<int> rowsSeen;
  QStringList statusSeen;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (!window->loadingPictures()) return;
    ++ticksWhileLoading;
    rowsSeen.insert(list()->model()->rowCount());
    statusSeen << window->statusParts().messageText();
  });
  timer.start(1);

  QSignalSpy loaded(window.get(), &MainWindow::picturesLoaded);
  window->addPictureFiles(paths.mid(0, 150));
  window->addPictureFiles(paths.mid(150));
  ASSERT_TRUE(window->loadingPictures());
  EXPECT_EQ(window->statusParts().messageText(), QStringLiteral("加载图片: 1 / 300"));
  EXPECT_TRUE(stopButton()->isVisible());
  EXPECT_FALSE(window->toolbarActions().removePictures->isEnabled());
  EXPECT_FALSE(window->toolbarActions().generate->isEnabled());
  EXPECT_FALSE(window->layoutParts().captionGroup->isEnabled());
  EXPECT_TRUE(list()->isEnabled());
  ASSERT_TRUE(loaded.wait(120000));

  EXPECT_EQ(projectPaths(), paths);
  EXPECT_EQ(list()->model()->rowCount(), 300);
  EXPECT_EQ(session.undoStack().count(), 1);
  EXPECT_GT(ticksWhileLoading, 10);
  EXPECT_TRUE(
      std::any_of(rowsSeen.begin(), rowsSeen.end(), [](int n) { return n > 0 && n < 300; }));
  EXPECT_TRUE(std::any_of(statusSeen.begin(), statusSeen.end(), [](const QString& text) {
    return text.startsWith(QStringLiteral("加载图片: ")) && text.endsWith(QStringLiteral(" / 300"));
  }));
  EXPECT_EQ(window->statusParts().messageText(), QString());
  EXPECT_EQ(window->statusParts().pictureCountText(), QStringLiteral("300 张图片"));
  EXPECT_FALSE(stopButton()->isVisible());
  EXPECT_TRUE(window->toolbarActions().generate->isEnabled());
  EXPECT_TRUE(window->layoutParts().captionGroup->isEnabled());

  window->addPictureFiles(paths);
  ASSERT_TRUE(QTest::qWaitFor([&] { return pictureCount() >= 320; }, 60000));
  stopButton()->click();
  EXPECT_FALSE(window->loadingPictures());
  int kept = pictureCount();
  QTest::qWait(300);  // pictures still being read when stopped are dropped
  EXPECT_EQ(pictureCount(), kept);
  ASSERT_LT(kept, 600);
  EXPECT_EQ(projectPaths().mid(300), paths.mid(0, kept - 300));
  EXPECT_EQ(list()->model()->rowCount(), kept);

  // Esc stops a load too.
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->addPictureFiles(paths);
  ASSERT_TRUE(QTest::qWaitFor([&] { return pictureCount() >= kept + 10; }, 60000));
  QTest::keyClick(list(), Qt::Key_Escape);
  EXPECT_FALSE(window->loadingPictures());
  EXPECT_LT(pictureCount(), kept + 300);
  session.undoStack().undo();
  EXPECT_EQ(pictureCount(), kept);
  session.undoStack().undo();
  EXPECT_EQ(pictureCount(), 300);
}

// Unreadable, unrecognised, animated and hostile files are reported in the information
// window in the chooser's order, with a file that vanished after it was handed over; the
// good pictures, a damaged one among them, are added in order.
TEST_F(PictureLoadTest, BadFilesAreReportedAndTheGoodOnesAddedInOrder) {
  InformationWindow* information = attachInformationWindow(*window);
  // More pictures than the reading threads read ahead come before the one that vanishes.
  const int many = 8 * QThread::idealThreadCount() + 8;
  QStringList good = mixedPictures(7 + many, QStringLiteral("g"));
  QString vanishing = good.takeLast();
  test::writeBytes(dir.file("empty.jpg"), "");
  test::writeGif(dir.file("anim.gif"), 3, 10);
  // A picture header that declares 200000 x 200000 pixels.
  std::string png = test::readBytes(good[0].toStdString());
  for (size_t offset : {16, 20}) png.replace(offset, 4, std::string("\x00\x03\x0d\x40", 4));
  test::writeBytes(dir.file("huge.png"), png);
  std::string jpeg = test::readBytes(good[3].toStdString());
  test::writeBytes(dir.file("cut.jpg"), jpeg.substr(0, jpeg.size() / 2));
  QStringList chosen = {good[0],
                        file(QStringLiteral("empty.jpg")),
                        good[1],
                        file(QStringLiteral("anim.gif")),
                        good[2],
                        file(QStringLiteral("huge.png")),
                        file(QStringLiteral("cut.jpg")),
                        good[4],
                        good[5],
                        good[6]};
  chosen += good.mid(7);
  chosen << vanishing;
  QSignalSpy loaded(window.get(), &MainWindow::picturesLoaded);
  window->addPictureFiles(chosen);
  std::filesystem::remove(vanishing.toStdString());
  ASSERT_TRUE(loaded.wait(60000));
  QTest::qWait(50);  // the information window's queued messages

  QStringList expected = {good[0], good[1], good[2], file(QStringLiteral("cut.jpg")),
                          good[4], good[5], good[6]};
  expected += good.mid(7);
  EXPECT_EQ(projectPaths(), expected);
  QString log = information->text();
  const QStringList messages = {
      QStringLiteral("无法识别的图片:\n") + file(QStringLiteral("empty.jpg")),
      QStringLiteral("不支持gif动画图片:\n") + file(QStringLiteral("anim.gif")),
      QStringLiteral("图片读取失败:\n") + file(QStringLiteral("huge.png")),
      QStringLiteral("图片读取失败:\n") + vanishing};
  qsizetype last = -1;
  for (const QString& message : messages) {
    qsizetype at = log.indexOf(message);
    EXPECT_GT(at, last) << message.toStdString() << "\n" << log.toStdString();
    last = at;
  }
  EXPECT_TRUE(log.contains(file(QStringLiteral("cut.jpg")))) << log.toStdString();
}

// A load is one step however it was made; an insert with captions on gives every picture
// the caption state again. Undo gives back the list as it was, redo the list after.
TEST_F(PictureLoadTest, UndoTakesAWholeLoadAwayAndRedoBringsItBack) {
  QStringList first = mixedPictures(20, QStringLiteral("f"));
  addPictures(first);
  session.project().settings.captionsOn = true;
  QStringList inserted = mixedPictures(10, QStringLiteral("i"));
  window->insertPictureFiles(inserted, 1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->loadingPictures(); }, 60000));

  QStringList after = QStringList{first[0]} + inserted + first.mid(1);
  ASSERT_EQ(projectPaths(), after);
  for (const ImageItem& picture : session.project().pictures) EXPECT_EQ(picture.caption.mode, 1);
  EXPECT_EQ(session.project().pictures[0].animationIndex, 99);
  EXPECT_EQ(session.undoStack().count(), 2);

  session.undoStack().undo();
  EXPECT_EQ(projectPaths(), first);
  for (const ImageItem& picture : session.project().pictures) EXPECT_EQ(picture.caption.mode, 0);
  EXPECT_EQ(list()->model()->rowCount(), 20);
  session.undoStack().redo();
  EXPECT_EQ(projectPaths(), after);
  EXPECT_EQ(list()->model()->rowCount(), 30);
  session.undoStack().undo();
  session.undoStack().undo();
  EXPECT_EQ(pictureCount(), 0);
  EXPECT_EQ(list()->model()->rowCount(), 0);
}

// In a show that fills or moves its pictures, each picture's faces are looked for while it
// is read (never on the window's thread), so the preview and the video find them remembered;
// a still, fitted show does not spend the time.
TEST_F(PictureLoadTest, FacesAreLookedForWhilePicturesAreAddedToAMovingShow) {
  QStringList still = mixedPictures(2, QStringLiteral("s"));
  addPictures(still);
  editProject(session, QStringLiteral("动感"), [](Project& p) { p.settings.motion = Motion::Auto; });
  QStringList moving = mixedPictures(2, QStringLiteral("m"));
  addPictures(moving);
  for (const QString& path : still) EXPECT_FALSE(facesRemembered(toCore(path), 0)) << path.toStdString();
  for (const QString& path : moving) EXPECT_TRUE(facesRemembered(toCore(path), 0)) << path.toStdString();
}

// A command that keeps the number of pictures keeps the selection; one that changes it
// starts afresh. Labels are effect names, thumbnails come from the cache once made (a turned
// picture gets its own). The tips show while empty;
// a double click opens the first selected picture, or on an empty selection asks for files.
TEST_F(PictureLoadTest, ListKeepsItsSelectionShowsThumbnailsAndAnswersDoubleClicks) {
  auto* view = qobject_cast<PictureListView*>(list());
  ASSERT_NE(view, nullptr);
  window->show();
  EXPECT_TRUE(view->tipsShown());
  QStringList paths = mixedPictures(5, QStringLiteral("s"));
  prompts.choices.enqueue(paths);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(900, 60));
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return pictureCount() == 5 && !window->loadingPictures(); }, 60000));
  EXPECT_FALSE(view->tipsShown());

  QAbstractItemModel* model = view->model();
  auto decoration = [&](int row) {
    return model->index(row, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
  };
  QImage placeholder = decoration(0);
  EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("无动画"));
  EXPECT_EQ(placeholder.size(), QSize(144, 144));
  EXPECT_EQ(decoration(0).pixelColor(72, 72), QColor("orange"));

  QItemSelectionModel* selection = view->selectionModel();
  selection->select(model->index(1, 0), QItemSelectionModel::Select);
  selection->select(model->index(3, 0), QItemSelectionModel::Select);
  QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
  editProject(session, QStringLiteral("turn"), [](Project& p) { p.pictures[1].turnAngle = 90; });
  EXPECT_EQ(selection->selectedIndexes().size(), 2);
  EXPECT_TRUE(selection->isSelected(model->index(3, 0)));
  // The turned thumbnail (40 x 30 became 30 x 40) is made on another thread, then redrawn.
  EXPECT_EQ(decoration(1).pixelColor(72, 54), QColor(Qt::white));
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return decoration(1).pixelColor(72, 54) == QColor("navy"); }, 10000));
  EXPECT_GE(changed.count(), 2);

  // A turn that cannot be shown keeps the old thumbnail; a file never shown gets the placeholder.
  std::filesystem::remove(paths[4].toStdString());
  editProject(session, QStringLiteral("turn"), [](Project& p) { p.pictures[4].turnAngle = 180; });
  editProject(session, QStringLiteral("moved"),
              [&](Project& p) { p.pictures[2].path = toCore(file(QStringLiteral("gone.png"))); });
  changed.clear();
  decoration(4);
  decoration(2);
  auto redrawn = [&](int row) {
    return std::any_of(changed.begin(), changed.end(), [row](const QList<QVariant>& args) {
      return args[0].toModelIndex().row() == row;
    });
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return redrawn(4) && redrawn(2); }, 10000));
  EXPECT_EQ(decoration(4).pixelColor(72, 72), QColor("orange"));
  EXPECT_EQ(decoration(2).pixelColor(72, 72), QColor(0xf0, 0xf0, 0xf0));

  UrlRecorder viewer;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "open");
  // Clicking a selected picture keeps the selection (1 and 3): the first one opens.
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                     view->visualRect(model->index(3, 0)).center());
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  EXPECT_EQ(viewer.opened, QUrl::fromLocalFile(paths[1])) << viewer.opened.toString().toStdString();

  while (session.undoStack().canUndo()) session.undoStack().undo();
  EXPECT_TRUE(view->tipsShown());
}

}  // namespace
}  // namespace pictavo

#include "picture_list_test.moc"
